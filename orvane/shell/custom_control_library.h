// Loading the custom control library that the Alert Manager's dialogs need.
#pragma once

#include <windows.h>

constexpr char kCustomControlLibrary[] = "QVCTRLU.DLL";
// What start-up shows when the library does not load.

// Loads the library by name and, when it offers it, switches on its 3-D static justification.
// The handle (the caller frees it at shut-down), or null when the library does not load.
HMODULE LoadCustomControls(const char* name = kCustomControlLibrary);
