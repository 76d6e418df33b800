// The provider's interface is UTF-16; the site, the accounts and the printers are ANSI text.
#pragma once

#include <string>

std::string Narrow(const wchar_t* text);  // "" for nullptr
std::wstring Wide(const std::string& text);
