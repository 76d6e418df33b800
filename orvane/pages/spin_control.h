// The up-down controls of the recipient editors: registering their class and reading them.
#pragma once

#include <windows.h>

// Makes sure the up-down control's window class exists before a template that uses it loads.
void RegisterSpinClass();
// Ties the spin to its buddy edit, with the range and position given.
void SetUpSpin(HWND spin, HWND buddy, int minimum, int maximum, int position);
// The spin's position; `fallback` when the control is missing.
int SpinPosition(HWND spin, int fallback = 0);
