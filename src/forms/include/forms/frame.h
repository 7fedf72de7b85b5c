#pragma once
// Frame: a container that clips its children, with an etched border and
// a caption set into its top edge (no border and no caption when its
// BorderStyle is 0).

#include "forms/control.h"

namespace forms {

class Frame : public Control
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor)

public:
    explicit Frame(QWidget *parent);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; update(); }
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style) { m_borderStyle = style; update(); }
    OleColor BackColor() const { return m_backColor; }
    void setBackColor(OleColor color) { m_backColor = color; update(); }
    OleColor ForeColor() const { return m_foreColor; }
    void setForeColor(OleColor color) { m_foreColor = color; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    int m_borderStyle = 1;
    OleColor m_backColor = SystemColor::ButtonFace;
    OleColor m_foreColor = SystemColor::ButtonText;
};

} // namespace forms
