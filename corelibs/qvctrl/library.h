// Library-wide state of the custom controls: the module, the justification switch, registration.
#pragma once

#include <windows.h>

namespace qvctrl {

HINSTANCE Module();
bool Justified3D();
bool RegisterClasses(HINSTANCE module);
void UnregisterClasses(HINSTANCE module);
// The common controls the fields are built from (up-down, date and time picker), once.
void EnsureCommonControls();

LRESULT CALLBACK NumSpinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DateTimeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qvctrl
