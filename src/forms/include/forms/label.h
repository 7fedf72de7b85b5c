#pragma once
// Label: a caption wrapped within the label's width ("&" underlines the
// next letter), aligned left, right or centre, on an opaque or transparent
// background, with an optional border that is flat or three-dimensional.

#include "forms/control.h"

namespace forms {

class Label : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)

public:
    enum { LeftJustify = 0, RightJustify = 1, Center = 2 };
    explicit Label(QWidget *parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    int BackStyle() const { return m_backStyle; }
    void setBackStyle(int style);
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    int m_alignment = LeftJustify;
    int m_backStyle = 1;
    int m_borderStyle = 0;
    int m_appearance = 1;
    OleColor m_backColor = SystemColor::ButtonFace;
    OleColor m_foreColor = SystemColor::ButtonText;
    bool m_pressed = false;
    // The font the caption was last fitted with, and what it was fitted to:
    // laying the caption out to see whether it fits costs as much as
    // drawing it, so it is done again only when one of these changes.
    struct Fit
    {
        QString caption;
        QRect area;
        int flags = 0;
        QFont font;
        QFont fitted;
    };
    Fit m_fit;
};

} // namespace forms
