#pragma once
#include <QIcon>

namespace shell {
// The program's icon: three overlapping lights, the course's emblem.
QIcon programIcon();
} // namespace shell
