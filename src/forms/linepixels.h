#pragma once
// Which pixels QPainter covers when it draws a line between whole device
// pixels with the canvas's pen (round caps, no antialiasing), learned by
// letting QPainter draw sample lines once per pen width and line shape.
// Drawing the learned pixels straight into the image then gives the very
// pixels QPainter would, at a fraction of its cost: a curve is hundreds of
// short segments of a few shapes, a grating a thousand vertical lines.
//
// Lines from whole pixels rasterise the same wherever they lie, so a shape
// learned once serves every position.

#include <QPen>

#include <vector>

namespace forms::linepixels {

// The pen lines are drawn with: the colour, a width in device pixels (0
// for the thin cosmetic pen), round caps and joins.
QPen pen(QRgb color, qreal width);

// Covered pixels of one row: columns first to last, relative to the line.
struct Span
{
    int first;
    int last;
    bool operator==(const Span &) const = default;
};

// A horizontal or vertical line of any length: along it, rows of pixels
// (columns for a horizontal line) whose span across it is the same for the
// whole body, with a few rows of cap at either end.
struct AxisShape
{
    bool usable = false;
    int minLength = 0;      // shorter lines are left to QPainter
    int headStart = 0;      // first covered row, from the lower end
    std::vector<Span> head; // rows from headStart up to the body
    int bodyStart = 0;      // first body row, from the lower end
    Span body{0, -1};
    int tailStart = 0;      // first row after the body, from the upper end
    std::vector<Span> tail;

    // Calls row(u, span) for every covered row of a line from lo to hi
    // (lo < hi, along the line).
    template <typename Row>
    void forRows(int lo, int hi, Row &&row) const
    {
        for (int i = 0; i < int(head.size()); ++i)
            row(lo + headStart + i, head[size_t(i)]);
        for (int u = lo + bodyStart; u < hi + tailStart; ++u)
            row(u, body);
        for (int i = 0; i < int(tail.size()); ++i)
            row(hi + tailStart + i, tail[size_t(i)]);
    }
};

// The shape of a line drawn along an axis, in the direction given.
const AxisShape &axisShape(qreal penWidth, bool vertical, bool forward);

// Covered pixels of a short line from (0, 0) to (dx, dy), row by row.
struct RowSpan
{
    int row;
    Span span;
};
// The largest |dx| and |dy| a learned segment may have.
constexpr int SegmentReach = 48;
// The pixels of the line, learned on first use; nullptr when the line is
// longer than SegmentReach either way or its pen too wide to learn.
const std::vector<RowSpan> *segment(qreal penWidth, int dx, int dy);

} // namespace forms::linepixels
