// The module the framework is linked into: its instance, its resources and its strings.
#pragma once

#include <windows.h>

#include <string>

// The instance of the program or DLL that holds this copy of the framework.
HINSTANCE ModuleInstance();

// Where templates, menus, bitmaps and strings are loaded from: the application's resource
// handle when it has one, else the module itself.
HINSTANCE ResourceInstance();

// A string of the module's string table; empty when the table has no such string.
std::string LoadResString(UINT id);
std::string LoadResString(HINSTANCE module, UINT id);

// printf-style formatting into a string of any length.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The text of string `id` used as the format.
std::string FormatResString(UINT id, ...);

// The part of a command's prompt string before the newline (status text) or after it (tool tip).
std::string PromptPart(const std::string& prompt, bool toolTip);

// Reports a fault caught at a window procedure or exported function. Tests may count them.
void ReportFault(const char* where, const char* what);
int FaultCount();
