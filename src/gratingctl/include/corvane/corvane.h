/* Corvane: one visual control, the contrast-sensitivity grating
 * "Corvane.uctCorvane" (a sine-wave grating with a contrast scroll bar
 * and a row of spatial-frequency buttons), supplied as an in-process
 * component.
 *
 * A host loads the library at run time, calls DllRegisterServer so that
 * the class can be created by its name, and creates controls through the
 * factory DllGetClassObject returns (a forms::ClassFactory, see
 * forms/component.h). The control is built on the Lumivara toolkit
 * (liblumivara-forms), which a host links: its widgets are the toolkit's
 * own types.
 *
 * Results: 0 on success; DllCanUnloadNow gives 1 while a control (or a
 * factory lock) is alive; failures are negative (forms::ComponentResult).
 */
#ifndef CORVANE_CORVANE_H
#define CORVANE_CORVANE_H

#include <stdint.h>

#if defined(_WIN32)
#  if defined(CORVANE_BUILDING)
#    define CORVANE_API __declspec(dllexport)
#  else
#    define CORVANE_API __declspec(dllimport)
#  endif
#else
#  define CORVANE_API __attribute__((visibility("default")))
#endif

/* The control's class: what hosts create it by, and its class identifier. */
#define CORVANE_PROGID "Corvane.uctCorvane"
#define CORVANE_CLSID "{9596956D-92EF-4FF3-83F0-6FCA934CB639}"

#ifdef __cplusplus
extern "C" {
#endif

/* Makes "Corvane.uctCorvane" creatable by name in the calling program. */
CORVANE_API int32_t DllRegisterServer(void);
/* Takes that registration back: creating the class by name then fails. */
CORVANE_API int32_t DllUnregisterServer(void);
/* The factory of class classId when interfaceId names the class-factory
 * interface; *object receives it (or NULL on failure). */
CORVANE_API int32_t DllGetClassObject(const char *classId, const char *interfaceId, void **object);
/* 0 when no control of the library is alive, else 1. */
CORVANE_API int32_t DllCanUnloadNow(void);

#ifdef __cplusplus
}
#endif

#endif
