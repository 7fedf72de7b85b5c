#pragma once
// Modal message boxes: a title, one sentence, an OK button. Tests install
// an interceptor so that a box is recorded instead of waiting for a click.

#include <QString>
#include <functional>

namespace forms {

void MsgBox(const QString &text, const QString &title = QString());

namespace MessageBoxes {
using Interceptor = std::function<void(const QString &text, const QString &title)>;
// While set, MsgBox calls the interceptor instead of showing a box.
void setInterceptor(Interceptor interceptor);
void clearInterceptor();
} // namespace MessageBoxes

} // namespace forms
