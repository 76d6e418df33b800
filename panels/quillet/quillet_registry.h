// The plug-in's registry helpers: values under HKEY_LOCAL_MACHINE\SOFTWARE\Morwick\Vexomar\CurrentVersion.
#pragma once

#include <windows.h>

#include <string>

extern const char kVexomarRegistryKey[];  // "SOFTWARE\Morwick\Vexomar\CurrentVersion"

// The key of `subkey` (and of `second` below it, when given) under the product's key.
std::string VexomarRegistryPath(const std::string& subkey, const std::string& second = std::string());

// The stored DWORD, or `defaultValue` when the key cannot be opened or the value cannot be read as one.
DWORD ReadVexomarDword(const std::string& subkey, const char* value, DWORD defaultValue, const char* second = nullptr);
// The stored string (at most `capacity` - 1 characters), or `defaultValue` when the key or the value is
// missing or is not a string.
std::string ReadVexomarString(const std::string& subkey, const char* value, const std::string& defaultValue,
    DWORD capacity = MAX_PATH, const char* second = nullptr);
// Creates the key when needed (class "QVIData") and stores the value as a REG_DWORD. 0 on success, the
// registry's error otherwise.
LONG WriteVexomarDword(const std::string& subkey, const char* value, DWORD data, const char* second = nullptr);
