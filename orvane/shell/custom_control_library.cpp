// The custom control library, loaded by name with its optional justification switch.
#include "custom_control_library.h"

HMODULE LoadCustomControls(const char* name)
{
    HMODULE library = LoadLibraryA(name);
    if (!library)
        return nullptr;
    using EnableJustification = BOOL(WINAPI*)(BOOL);
    FARPROC found = GetProcAddress(library, "EnableStatic3DJustification");
    if (found) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
        reinterpret_cast<EnableJustification>(found)(TRUE);
#pragma GCC diagnostic pop
    }
    return library;
}
