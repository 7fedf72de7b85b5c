#pragma once
// Image control: a picture, stretched or not; takes no mouse input.

#include "forms/control.h"

#include <QImage>

namespace forms {

class Image : public Control
{
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit Image(QWidget *parent);
    QImage Picture() const { return m_picture; }
    void setPicture(const QImage &picture) { m_picture = picture; update(); }
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch) { m_stretch = stretch; update(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};

} // namespace forms
