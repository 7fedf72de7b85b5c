#pragma once
// Data files and pictures. A data file is named relative to the working
// folder, with "\" or "/" between folders; it is looked up in the working
// folder first, then in the program's data folders. A data folder stands
// for the tree the program's files were shipped in: a name that leads out
// of the working folder ("../page.html") is looked up at its top.

#include <QImage>
#include <QString>
#include <QStringList>

namespace forms {

// The path of an existing data file, or an empty string.
QString findDataFile(const QString &name);
// Also search this folder (after the working folder and before the
// installed ones); tools and tests use it.
void addDataFolder(const QString &folder);
// The program's own data folders, in the order they are searched (the
// program gives them when it starts: where it is installed, its source
// tree's assets).
void setProgramDataFolders(const QStringList &folders);
// Whether the program's data folders are searched after the working folder
// and the added folders (they are unless turned off); tests turn them off
// to see how a window copes with a missing file.
void searchProgramDataFolders(bool searched);

// Loads a picture, a whole one or none: raises FileNotFound (naming the
// file) when it cannot be found, InvalidPicture (naming it, and saying why)
// when it cannot be read, is not a picture, is a bitmap whose header claims
// absurd sizes, or is shorter than its header promises.
QImage LoadPicture(const QString &name);

} // namespace forms
