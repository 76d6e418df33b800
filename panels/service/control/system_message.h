// The system's text for a message number (FormatMessage), without its line end.
#pragma once

#include <windows.h>

#include <string>

// A number the system has no text for is shown by its value.
std::string SystemMessageText(DWORD number);
