#include "forms/events.h"

#include "forms/errors.h"
#include "forms/msgbox.h"
#include "forms/program.h"

#include <QApplication>
#include <exception>

namespace forms {

void reportCurrentException()
{
    QString text;
    try {
        throw;
    } catch (const RuntimeError &e) {
        text = e.message();
    } catch (const std::exception &e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("Unexpected error");
    }
    try {
        MsgBox(text, programName());
    } catch (...) {
        // Reporting must never throw in turn.
    }
}

void guarded(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (...) {
        reportCurrentException();
    }
}

} // namespace forms
