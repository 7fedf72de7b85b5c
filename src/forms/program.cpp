#include "forms/program.h"

#include <QCoreApplication>

namespace forms {

namespace {
QString &name()
{
    static QString value;
    return value;
}
} // namespace

void setProgramName(const QString &value)
{
    name() = value;
}

QString programName()
{
    return name().isEmpty() ? QCoreApplication::applicationName() : name();
}

} // namespace forms
