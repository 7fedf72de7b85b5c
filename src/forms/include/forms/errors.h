#pragma once
// Run-time errors of the service layer. Windows that handle errors catch
// forms::RuntimeError; every event dispatch catches what escapes a handler
// and shows it in a message box (see events.h), so none reaches Qt's loop.

#include <QString>
#include <stdexcept>

namespace forms {

enum class ErrorCode {
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    LibraryLoadError = 48,
    FileNotFound = 53,
    InvalidPropertyValue = 380,
    CannotCreateObject = 429,
    InvalidPicture = 481,
};

class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(ErrorCode code, const QString &detail = {});
    ErrorCode code() const { return m_code; }
    // The sentence shown to the user: the error's name, then the detail.
    QString message() const { return m_message; }
    static QString errorName(ErrorCode code);

private:
    ErrorCode m_code;
    QString m_message;
};

[[noreturn]] void raise(ErrorCode code, const QString &detail = {});

} // namespace forms
