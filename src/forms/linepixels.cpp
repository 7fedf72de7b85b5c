#include "linepixels.h"

#include <QImage>
#include <QPainter>

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>

namespace forms::linepixels {

namespace {

// Pens wider than this are left to QPainter: no window draws with one.
constexpr qreal WidestLearned = 16;

// A white scratch image with one black line drawn on it by QPainter.
class Sample
{
public:
    Sample(int width, int height, QPoint from, QPoint to, qreal penWidth)
        : m_image(width, height, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        QPainter p(&m_image);
        p.setPen(pen(qRgb(0, 0, 0), penWidth));
        p.drawLine(from, to);
    }
    bool covered(int x, int y) const
    {
        return qRed(reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x]) == 0;
    }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    // Whether the line stayed off the border, so nothing of it was cut off.
    bool inside() const
    {
        for (int x = 0; x < width(); ++x) {
            if (covered(x, 0) || covered(x, height() - 1))
                return false;
        }
        for (int y = 0; y < height(); ++y) {
            if (covered(0, y) || covered(width() - 1, y))
                return false;
        }
        return true;
    }

private:
    QImage m_image;
};

// Axis lines are sampled across `SampleLine`, from `SampleStart` along.
constexpr int SampleLine = 40;
constexpr int SampleStart = 40;
constexpr int LongSample = 97;

// Per row along the line, the covered span across it; false when a row is
// covered in two pieces or the line reached the sample's border.
bool sampleAxis(qreal penWidth, bool vertical, bool forward, int length, std::map<int, Span> &rows)
{
    const int along = 2 * SampleStart + length, across = 2 * SampleLine;
    const int lo = SampleStart, hi = SampleStart + length;
    QPoint a = vertical ? QPoint(SampleLine, lo) : QPoint(lo, SampleLine);
    QPoint b = vertical ? QPoint(SampleLine, hi) : QPoint(hi, SampleLine);
    if (!forward)
        std::swap(a, b);
    const Sample sample(vertical ? across : along, vertical ? along : across, a, b, penWidth);
    if (!sample.inside())
        return false;
    rows.clear();
    for (int u = 0; u < along; ++u) {
        int first = -1, last = -1, count = 0;
        for (int v = 0; v < across; ++v) {
            if (vertical ? sample.covered(v, u) : sample.covered(u, v)) {
                if (first < 0)
                    first = v;
                last = v;
                ++count;
            }
        }
        if (count == 0)
            continue;
        if (count != last - first + 1)
            return false;
        rows[u] = {first - SampleLine, last - SampleLine};
    }
    return !rows.empty();
}

// The rows a shape predicts for a line of the given length; false when
// its head and tail would overlap.
bool predictAxis(const AxisShape &shape, int length, std::map<int, Span> &rows)
{
    rows.clear();
    bool overlap = false;
    shape.forRows(SampleStart, SampleStart + length, [&](int row, Span span) {
        overlap = overlap || rows.count(row);
        rows[row] = span;
    });
    return !overlap;
}

AxisShape learnAxis(qreal penWidth, bool vertical, bool forward)
{
    AxisShape shape;
    std::map<int, Span> rows;
    if (penWidth > WidestLearned || !sampleAxis(penWidth, vertical, forward, LongSample, rows))
        return shape;
    const int lo = SampleStart, hi = SampleStart + LongSample;
    shape.body = rows.at((lo + hi) / 2);
    auto it = rows.begin();
    shape.headStart = it->first - lo;
    for (; it != rows.end() && !(it->second == shape.body); ++it) {
        if (it != rows.begin() && it->first != std::prev(it)->first + 1)
            return shape; // a gap along the line
        shape.head.push_back(it->second);
    }
    if (it == rows.end())
        return shape;
    shape.bodyStart = it->first - lo;
    int u = it->first;
    for (; it != rows.end() && it->first == u && it->second == shape.body; ++it, ++u) {
    }
    shape.tailStart = u - hi;
    for (; it != rows.end(); ++it, ++u) {
        if (it->first != u)
            return shape;
        shape.tail.push_back(it->second);
    }
    // Used from the shortest length down to which every sampled length is
    // predicted exactly, and only if the long sample is too.
    std::map<int, Span> expected;
    if (!predictAxis(shape, LongSample, expected) || rows != expected)
        return shape;
    for (int length = 24; length >= 1; --length) {
        if (!sampleAxis(penWidth, vertical, forward, length, rows) || !predictAxis(shape, length, expected)
            || rows != expected)
            break;
        shape.minLength = length;
    }
    shape.usable = shape.minLength > 0;
    return shape;
}

struct Segment
{
    bool learned = false;
    bool usable = false;
    std::vector<RowSpan> rows;
};

void learnSegment(Segment &segment, qreal penWidth, int dx, int dy)
{
    segment.learned = true;
    const int margin = int(std::ceil(penWidth)) + 3;
    const QPoint from(margin + std::max(0, -dx), margin + std::max(0, -dy));
    const Sample sample(std::abs(dx) + 2 * margin + 1, std::abs(dy) + 2 * margin + 1, from,
                        from + QPoint(dx, dy), penWidth);
    if (!sample.inside())
        return;
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            if (!sample.covered(x, y))
                continue;
            int last = x;
            while (last + 1 < sample.width() && sample.covered(last + 1, y))
                ++last;
            segment.rows.push_back({y - from.y(), {x - from.x(), last - from.x()}});
            x = last;
        }
    }
    segment.usable = true;
}

} // namespace

QPen pen(QRgb color, qreal width)
{
    QPen pen{QColor(color)};
    pen.setWidthF(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

const AxisShape &axisShape(qreal penWidth, bool vertical, bool forward)
{
    static std::map<qreal, std::array<AxisShape, 4>> shapes;
    // Lines come in runs of one width: the last one found is kept (map
    // entries never move).
    static auto found = shapes.end();
    if (found == shapes.end() || found->first != penWidth)
        found = shapes.find(penWidth);
    if (found == shapes.end()) {
        std::array<AxisShape, 4> learned;
        for (int i = 0; i < 4; ++i)
            learned[size_t(i)] = learnAxis(penWidth, i & 1, i & 2);
        found = shapes.emplace(penWidth, std::move(learned)).first;
    }
    return found->second[size_t((vertical ? 1 : 0) | (forward ? 2 : 0))];
}

const std::vector<RowSpan> *segment(qreal penWidth, int dx, int dy)
{
    constexpr int Side = 2 * SegmentReach + 1;
    if (std::abs(dx) > SegmentReach || std::abs(dy) > SegmentReach || penWidth > WidestLearned)
        return nullptr;
    static std::map<qreal, std::vector<Segment>> tables;
    std::vector<Segment> &table = tables[penWidth];
    if (table.empty())
        table.resize(Side * Side);
    Segment &found = table[size_t((dx + SegmentReach) * Side + dy + SegmentReach)];
    if (!found.learned)
        learnSegment(found, penWidth, dx, dy);
    return found.usable ? &found.rows : nullptr;
}

} // namespace forms::linepixels
