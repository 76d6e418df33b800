// Reading and writing string values under HKEY_LOCAL_MACHINE.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

std::optional<std::string> ReadMachineString(const std::string& key, const char* value);
// Creates the key when missing; returns the registry's error number (0 on success).
LONG WriteMachineString(const std::string& key, const char* value, const std::string& text);
LONG DeleteMachineValue(const std::string& key, const char* value);
