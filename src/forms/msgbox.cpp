#include "forms/msgbox.h"
#include "forms/program.h"

#include <QApplication>
#include <QMessageBox>

namespace forms {

namespace {
MessageBoxes::Interceptor &interceptor()
{
    static MessageBoxes::Interceptor instance;
    return instance;
}
} // namespace

void MsgBox(const QString &text, const QString &title)
{
    if (interceptor()) {
        interceptor()(text, title);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon,
                    title.isEmpty() ? programName() : title, text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void MessageBoxes::setInterceptor(Interceptor i) { interceptor() = std::move(i); }
void MessageBoxes::clearInterceptor() { interceptor() = nullptr; }

} // namespace forms
