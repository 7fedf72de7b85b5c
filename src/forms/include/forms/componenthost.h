#pragma once
// The host side of components (see component.h): finds a component library
// by name in the program's library folders, loads it, lets it register its
// classes, and creates controls by class name through the library's
// DllGetClassObject. A loaded library stays loaded for the rest of the run.

#include "forms/control.h"

#include <QString>
#include <QStringList>

namespace forms {

// The folders searched for component libraries, in order. The program
// gives them when it starts (beside itself, then where its libraries are
// installed).
void setComponentFolders(const QStringList &folders);
// The folders searched now: the override while one is set.
QStringList componentFolders();
// Tests: search these folders instead of the program's (an empty list
// searches nowhere) until the override is cleared.
void overrideComponentFolders(const QStringList &folders);
void clearComponentFolderOverride();

// The file of the library `name` on this platform: "libcorvane.so" for
// "corvane".
QString componentLibraryFile(const QString &name);

// Finds the library's file in the component folders, loads it and calls
// its DllRegisterServer; returns the path loaded. Raises FileNotFound
// (naming the file and the folders searched), LibraryLoadError (the file
// cannot be loaded or lacks the entry points) or CannotCreateObject (the
// library refused to register).
QString RegisterComponentLibrary(const QString &name);

// A new control of the registered class progId in parent, made by the
// factory its library hands out. Raises CannotCreateObject when the class
// is not registered or the library cannot make the control.
Control *CreateObject(const QString &progId, QWidget *parent);

} // namespace forms
