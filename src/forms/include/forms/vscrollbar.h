#pragma once
// Vertical scroll bar.

#include "forms/scrollbar.h"

namespace forms {

class VScrollBar : public ScrollBar
{
    Q_OBJECT
public:
    explicit VScrollBar(QWidget *parent) : ScrollBar(Qt::Vertical, parent) {}
};

} // namespace forms
