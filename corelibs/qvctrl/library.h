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

// Runs a control's message handler so that nothing thrown leaves the window procedure: a
// control that cannot be made refuses its creation, any other message gets the default answer.
template <LRESULT (*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT GuardedMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return Handle(window, message, wParam, lParam);
    } catch (...) {
        return message == WM_CREATE ? -1 : DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK NumSpinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DateTimeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace qvctrl
