#pragma once
// Tells the toolkit what it needs to know about this program: its name and
// where its data files are. Done when the main window is made, before any
// window can load a file or show a message.

namespace shell {

void introduceProgram();

} // namespace shell
