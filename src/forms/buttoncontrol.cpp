#include "forms/buttoncontrol.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>

namespace forms {

ButtonControl::ButtonControl(QWidget *parent, QAbstractButton *inner)
    : Control(parent)
    , m_inner(inner)
{
    embed(inner);
}

void ButtonControl::setCaption(const QString &caption)
{
    m_inner->setText(caption);
    fitCaption();
}

void ButtonControl::fitCaption()
{
    // The room the button leaves for its caption: beside the indicator of a
    // check or option button, between the margins of a command button.
    const QStyle *style = m_inner->style();
    int left = 0;
    int right = 0;
    if (qobject_cast<QRadioButton *>(m_inner)) {
        left = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, m_inner)
               + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, m_inner);
    } else if (qobject_cast<QCheckBox *>(m_inner)) {
        left = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_inner)
               + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, m_inner);
    } else {
        left = right = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, m_inner) + 2;
    }
    const QRect room(0, 0, width() - left - right, height());
    const int flags = Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignVCenter;
    m_inner->setFont(room.width() <= 0 ? font() : fittingFont(font(), room, flags, m_inner->text()));
}

} // namespace forms
