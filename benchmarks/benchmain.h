#pragma once
// What the benchmark programs share: the program's main window on Qt's
// offscreen platform with one 1920 x 1080 screen, windows opened through
// their menu commands, message boxes answered at once, and Google
// Benchmark's main. Options every program takes, before Google
// Benchmark's own:
//   --dpr=2     the screen's device pixel ratio (1 unless given)
//   --generic   every drawing primitive through QPainter, without the
//               drawing's shortcuts, to compare

#include "forms/form.h"
#include "shell/mainwindow.h"

namespace bench {

MainWindow &mainWindow();

// Opens the window through its menu command (a toggle whose mark an
// earlier close left set takes one choice to clear it first) and lets it
// show.
forms::Form *openByMenu(const QString &item, const QString &window);
// Unloads the window and lets what it leaves behind go.
void closeWindow(forms::Form *form);

// Sets up the screen and the main window, then registers and runs the
// benchmarks.
int run(int argc, char *argv[], void (*registerAll)());

} // namespace bench
