// The library's entry points. Each passes its request, with the library's
// description of itself, to the toolkit's support for in-process
// components.

#include "corvane/corvane.h"

#include "uctcorvane.h"

#include "forms/component.h"

namespace {
forms::ComponentLibrary &corvane()
{
    // Never destroyed: at exit a host may still hold a control, whose end
    // is counted here.
    static auto *library = new forms::ComponentLibrary(
        QStringLiteral("Corvane"), QStringLiteral("1.00"),
        {{.name = QStringLiteral("uctCorvane"),
          .progId = QStringLiteral(CORVANE_PROGID),
          .classId = QStringLiteral(CORVANE_CLSID),
          .defaultInterface = QStringLiteral("_uctCorvane"),
          .eventInterface = QStringLiteral("__uctCorvane"),
          .create = [](QWidget *parent) -> forms::Control * { return new UctCorvane(parent); }}},
        reinterpret_cast<const void *>(&DllGetClassObject));
    return *library;
}
} // namespace

extern "C" {

int32_t DllRegisterServer(void) { return corvane().registerServer(); }

int32_t DllUnregisterServer(void) { return corvane().unregisterServer(); }

int32_t DllGetClassObject(const char *classId, const char *interfaceId, void **object)
{
    return corvane().getClassObject(classId, interfaceId, object);
}

int32_t DllCanUnloadNow(void) { return corvane().canUnloadNow(); }

} // extern "C"
