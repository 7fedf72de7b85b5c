#pragma once
// The main window: an MDI parent whose menu bar lists every demonstration
// by course topic. It runs no code of its own; all behaviour is in the
// menu commands.

#include <QMainWindow>

class QMdiArea;

namespace forms {
class MenuItem;
class Form;
} // namespace forms

namespace shell {
class WindowRegistry;
struct MenuEntry;
} // namespace shell

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    // The window behind a name ("frmColorMixer"), made on first reference.
    forms::Form *form(const QString &name);
    forms::MenuItem *menuItem(const QString &name) const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void addWindowKeys();
    void choose(const shell::MenuEntry &entry, forms::MenuItem *item);
    void toggle(forms::MenuItem *item, forms::Form *window);
    void exitProgram();

    QMdiArea *m_mdiArea;
    shell::WindowRegistry *m_registry;
};
