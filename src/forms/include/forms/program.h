#pragma once
// What the program tells the toolkit about itself when it starts: the name
// its message boxes carry. (Its data folders are given to the picture
// services, see picture.h.)

#include <QString>

namespace forms {

void setProgramName(const QString &name);
// The name given, or the application's name until one is.
QString programName();

} // namespace forms
