// The Alert home directory as the installation recorded it in the registry.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// A string value of `key` under `root`, read into at most `maxBytes` bytes (the terminator
// included). `fallback` when the key or value cannot be read, is not a string, or does not
// fit: a cut path would name another folder.
std::string ReadRegistryString(
    HKEY root, const char* key, const char* value, std::size_t maxBytes, const char* fallback);

// HKLM "SOFTWARE\Morwick\ALERT\CurrentVersion\Path" value "Home" (at most 256 bytes), or "".
std::string ReadAlertHomeDirectory();
