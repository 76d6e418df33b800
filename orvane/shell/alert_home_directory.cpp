// Reading the Alert home directory, and the registry string reader behind it.
#include "alert_home_directory.h"

#include <vector>

namespace {

constexpr char kAlertVersionKey[] = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion";
constexpr std::size_t kHomeDirectorySize = 256;

}  // namespace

std::string ReadRegistryString(
    HKEY root, const char* key, const char* value, std::size_t maxBytes, const char* fallback)
{
    if (maxBytes == 0)
        return fallback;
    // Reading needs no more than query access; asking for full access would refuse an
    // administrator's key to every ordinary user.
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return fallback;
    std::vector<char> buffer(maxBytes + 1, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(maxBytes);
    LONG status = RegQueryValueExA(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    // A value stored without its terminator that fills the whole buffer would have lost its
    // end had it been one byte longer; it is taken only when it fits with the terminator.
    std::size_t length = 0;
    while (length < size && buffer[length] != '\0')
        ++length;
    if (length >= maxBytes)
        return fallback;
    return std::string(buffer.data(), length);
}

std::string ReadAlertHomeDirectory()
{
    std::string key = std::string(kAlertVersionKey) + "\\" + "Path";
    return ReadRegistryString(HKEY_LOCAL_MACHINE, key.c_str(), "Home", kHomeDirectorySize, "");
}
