// Registry string access with bounded buffers and guaranteed termination.
#include "registry_value.h"

#include <vector>

std::optional<std::string> ReadMachineString(const std::string& key, const char* value)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    std::optional<std::string> result;
    if (RegQueryValueExA(handle, value, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size <= 65536) {
        std::vector<char> buffer(size + 1, '\0');
        if (RegQueryValueExA(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS) {
            buffer[size] = '\0';
            result = std::string(buffer.data());
        }
    }
    RegCloseKey(handle);
    return result;
}

LONG WriteMachineString(const std::string& key, const char* value, const std::string& text)
{
    HKEY handle = nullptr;
    LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegSetValueExA(
        handle, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    RegCloseKey(handle);
    return status;
}

LONG DeleteMachineValue(const std::string& key, const char* value)
{
    HKEY handle = nullptr;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_WRITE, &handle);
    if (status != ERROR_SUCCESS)
        return status;
    status = RegDeleteValueA(handle, value);
    RegCloseKey(handle);
    return status;
}
