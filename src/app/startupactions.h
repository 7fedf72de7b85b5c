#pragma once
// What the program does once its main window shows, as asked on its
// command line: choose menu commands as a user would (--choose), and for a
// check that an installed copy works, quit and say what opened
// (--quit-when-shown).

#include <QStringList>

class MainWindow;

struct StartupActions
{
    // Menu commands by name ("mnuColorMixerItem"), chosen in order.
    QStringList choose;
    // Message boxes are printed instead of shown; once the main window and
    // the chosen windows have shown, what opened is printed and the program
    // quits: 0 when all showed and no message box was raised, 1 otherwise.
    bool quitWhenShown = false;
};

// Arranges the actions to run once the main window shows.
void scheduleStartupActions(MainWindow &window, const StartupActions &actions);
