#pragma once
// Base of every visible control: geometry in twips (kept as real numbers
// and read back exactly as set; only the on-screen widget rounds to
// pixels), Tag, Visible, Enabled, ToolTipText, font, and the control-array
// index. Each control type adds its own documented properties.

#include "forms/color.h"

#include <QWidget>

class QPainter;

namespace forms {

// 15 twips to a logical pixel; Qt's high-DPI scaling maps logical pixels
// to the device.
constexpr double TwipsPerPixel = 15.0;
// Far-off positions are held where the window system can still place a
// widget (well outside any screen) instead of overflowing the conversion.
inline int twipsToPixels(double twips)
{
    constexpr double Far = 1 << 24;
    const double pixels = twips / TwipsPerPixel;
    if (!(pixels > -Far)) // also catches NaN
        return -int(Far);
    return pixels < Far ? qRound(pixels) : int(Far);
}

// Pixel extent of a span [start, start + length) in twips, rounded at both
// edges so that adjoining controls never leave a gap between them.
int spanPixels(double start, double length);

// The face and size a control was designed with. Faces of the original
// platform are substituted by metric-compatible free fonts.
QFont makeFont(const QString &face, double points, bool bold = false, bool italic = false);

// The font to draw a caption with so that it fits the area: the font
// itself when the caption fits, else a slightly condensed cut of it (the
// free faces that stand in for the designed ones run a little wider).
QFont fittingFont(const QFont &font, const QRect &area, int flags, const QString &caption);

// Draws the sunken three-dimensional frame (two pixels) inside r.
void drawSunkenBorder(QPainter &p, const QRect &r);

class Control : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double Left READ Left WRITE setLeft)
    Q_PROPERTY(double Top READ Top WRITE setTop)
    Q_PROPERTY(double Width READ Width WRITE setWidth)
    Q_PROPERTY(double Height READ Height WRITE setHeight)
    Q_PROPERTY(bool Visible READ Visible WRITE setVisible)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QString Tag READ Tag WRITE setTag)
    Q_PROPERTY(QString ToolTipText READ ToolTipText WRITE setToolTipText)
    Q_PROPERTY(int Index READ Index)
    Q_PROPERTY(int TabIndex READ TabIndex WRITE setTabIndex)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)

public:
    explicit Control(QWidget *parent);

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void Move(double left, double top, double width, double height);

    // The control's own flag, not whether its window is showing.
    bool Visible() const;
    bool Enabled() const;
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    QString ToolTipText() const { return toolTip(); }
    void setToolTipText(const QString &text) { setToolTip(text); }

    // Position in its control array, or -1 for a control of its own.
    int Index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

    // Place in the window's tab order as designed (-1: after the numbered
    // ones, in the order made); the window applies it when it loads.
    int TabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    QString FontName() const { return m_fontName; }
    double FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_fontBold; }
    bool FontItalic() const { return m_fontItalic; }
    void setFontName(const QString &face);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    void setFontSpec(const QString &face, double points, bool bold = false, bool italic = false);

    // Where children of this control are placed (inside its border).
    virtual QPoint clientOrigin() const { return {}; }

signals:
    // Focus is moving from this control to another one of its window;
    // setting Cancel keeps the focus here.
    void Validate(bool &Cancel);

protected:
    // A control built on a Qt widget: inner fills the control and takes
    // its keyboard focus.
    void embed(QWidget *inner);
    // Re-places the widget after a change of geometry or of its container.
    void placeWidget();
    virtual void geometryChangedTwips() {}
    virtual void fontChangedSpec() {}

private:
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
    QString m_tag;
    int m_index = -1;
    int m_tabIndex = -1;
    QString m_fontName;
    double m_fontSize = 8.25;
    bool m_fontBold = false;
    bool m_fontItalic = false;
};

} // namespace forms
