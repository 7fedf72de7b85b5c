#include "forms/control.h"

#include <QFont>
#include <QGridLayout>
#include <QPainter>
#include <cmath>

namespace forms {

int spanPixels(double start, double length)
{
    return twipsToPixels(start + length) - twipsToPixels(start);
}

QFont makeFont(const QString &face, double points, bool bold, bool italic)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                                   {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                    QStringLiteral("DejaVu Serif")});
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(face);
    // Sizes are given in points at 96 dots per inch, the resolution the
    // twip layouts were designed for; pixel sizes keep text inside them.
    font.setPixelSize(std::max(1, qRound(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleHint(face.contains(QLatin1String("Times")) ? QFont::Serif : QFont::SansSerif);
    return font;
}

Control::Control(QWidget *parent)
    : QWidget(parent)
    , m_fontName(QStringLiteral("MS Sans Serif"))
{
    setFont(makeFont(m_fontName, m_fontSize));
}

void Control::setLeft(double twips)
{
    m_left = twips;
    placeWidget();
}

void Control::setTop(double twips)
{
    m_top = twips;
    placeWidget();
}

void Control::setWidth(double twips)
{
    m_width = std::max(0.0, twips);
    placeWidget();
}

void Control::setHeight(double twips)
{
    m_height = std::max(0.0, twips);
    placeWidget();
}

void Control::Move(double left, double top, double width, double height)
{
    m_left = left;
    m_top = top;
    m_width = std::max(0.0, width);
    m_height = std::max(0.0, height);
    placeWidget();
}

bool Control::Visible() const
{
    if (parentWidget())
        return isVisibleTo(parentWidget());
    return !isHidden();
}

bool Control::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Control::embed(QWidget *inner)
{
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner);
    setFocusProxy(inner);
}

void Control::placeWidget()
{
    QPoint origin;
    if (auto *container = qobject_cast<Control *>(parentWidget()))
        origin = container->clientOrigin();
    setGeometry(origin.x() + twipsToPixels(m_left), origin.y() + twipsToPixels(m_top),
                spanPixels(m_left, m_width), spanPixels(m_top, m_height));
    geometryChangedTwips();
}

void Control::setFontName(const QString &face) { setFontSpec(face, m_fontSize, m_fontBold, m_fontItalic); }
void Control::setFontSize(double points) { setFontSpec(m_fontName, points, m_fontBold, m_fontItalic); }
void Control::setFontBold(bool bold) { setFontSpec(m_fontName, m_fontSize, bold, m_fontItalic); }
void Control::setFontItalic(bool italic) { setFontSpec(m_fontName, m_fontSize, m_fontBold, italic); }

void Control::setFontSpec(const QString &face, double points, bool bold, bool italic)
{
    m_fontName = face;
    m_fontSize = points;
    m_fontBold = bold;
    m_fontItalic = italic;
    setFont(makeFont(face, points, bold, italic));
    fontChangedSpec();
    update();
}

QFont fittingFont(const QFont &font, const QRect &area, int flags, const QString &caption)
{
    // The free faces standing in for the designed ones are a little wider,
    // so a caption laid out for the original face may not fit its label:
    // it would wrap onto a line the label cannot show, or lose its ends.
    // Such a caption is set slightly condensed instead, as far as that
    // makes it fit; captions that fit are drawn as they are.
    const auto fits = [&](const QFont &candidate) {
        const QRect needed = QFontMetrics(candidate).boundingRect(area, flags, caption);
        return needed.width() <= area.width() && needed.height() <= area.height();
    };
    if (caption.isEmpty() || fits(font))
        return font;
    for (int stretch = 95; stretch >= 80; stretch -= 5) {
        QFont condensed = font;
        condensed.setStretch(stretch);
        if (fits(condensed))
            return condensed;
    }
    return font;
}

void drawSunkenBorder(QPainter &p, const QRect &outer)
{
    // Each side is a one-pixel run filled directly (a pen per line would
    // cost more than the whole box's drawing); later sides overwrite the
    // corners, so the bottom and right light the two corners they share.
    const auto frame = [&p](const QRect &r, const QColor &dark, const QColor &light) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), dark);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), dark);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
    };
    frame(outer, QColor(128, 128, 128), Qt::white);
    frame(outer.adjusted(1, 1, -1, -1), QColor(64, 64, 64), QColor(212, 208, 200));
}

} // namespace forms
