#pragma once
// Horizontal scroll bar.

#include "forms/scrollbar.h"

namespace forms {

class HScrollBar : public ScrollBar
{
    Q_OBJECT
public:
    explicit HScrollBar(QWidget *parent) : ScrollBar(Qt::Horizontal, parent) {}
};

} // namespace forms
