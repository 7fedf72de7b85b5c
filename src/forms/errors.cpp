#include "forms/errors.h"

namespace forms {

namespace {
QString composeMessage(ErrorCode code, const QString &detail)
{
    const QString name = RuntimeError::errorName(code);
    return detail.isEmpty() ? name : name + QStringLiteral(": ") + detail;
}
} // namespace

// std::runtime_error keeps its own copy of the text for what(); it is the
// UTF-8 form of message(), so a handler catching std::exception shows the
// same sentence as one catching RuntimeError.
RuntimeError::RuntimeError(ErrorCode code, const QString &detail)
    : std::runtime_error(composeMessage(code, detail).toStdString())
    , m_code(code)
    , m_message(composeMessage(code, detail))
{
}

QString RuntimeError::errorName(ErrorCode code)
{
    switch (code) {
    case ErrorCode::Overflow:
        return QStringLiteral("Overflow");
    case ErrorCode::DivisionByZero:
        return QStringLiteral("Division by zero");
    case ErrorCode::TypeMismatch:
        return QStringLiteral("Type mismatch");
    case ErrorCode::LibraryLoadError:
        return QStringLiteral("Error in loading library");
    case ErrorCode::FileNotFound:
        return QStringLiteral("File not found");
    case ErrorCode::InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case ErrorCode::CannotCreateObject:
        return QStringLiteral("Component can't create object");
    case ErrorCode::InvalidPicture:
        return QStringLiteral("Invalid picture");
    }
    // A code cast from a plain number still gets a readable sentence.
    return QStringLiteral("Error %1").arg(static_cast<int>(code));
}

void raise(ErrorCode code, const QString &detail)
{
    throw RuntimeError(code, detail);
}

} // namespace forms
