// The registry helpers of the Local Scanner: reads fall back to the caller's default, writes answer 0.
#include "quillet_registry.h"

#include <vector>

const char kVexomarRegistryKey[] = "SOFTWARE\\Morwick\\Vexomar\\CurrentVersion";

namespace {

class RegistryKey {
public:
    explicit RegistryKey(const std::string& path)
    {
        // Reading needs no more than read access: an administrator's full access would refuse every
        // other user the stored values and hand them the defaults instead.
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryKey()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY Handle() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

}  // namespace

std::string VexomarRegistryPath(const std::string& subkey, const std::string& second)
{
    std::string path = std::string(kVexomarRegistryKey) + "\\" + subkey;
    if (!second.empty())
        path += "\\" + second;
    return path;
}

DWORD ReadVexomarDword(const std::string& subkey, const char* value, DWORD defaultValue, const char* second)
{
    RegistryKey key(VexomarRegistryPath(subkey, second ? second : ""));
    if (!key.Handle())
        return defaultValue;
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    if (RegQueryValueExA(key.Handle(), value, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof data)
        return defaultValue;
    return data;
}

std::string ReadVexomarString(
    const std::string& subkey, const char* value, const std::string& defaultValue, DWORD capacity, const char* second)
{
    RegistryKey key(VexomarRegistryPath(subkey, second ? second : ""));
    if (!key.Handle() || capacity == 0)
        return defaultValue;
    std::vector<char> buffer(capacity + 1, '\0');
    DWORD size = capacity;
    DWORD type = 0;
    if (RegQueryValueExA(key.Handle(), value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return defaultValue;
    // The size counts the terminator when the value was stored with one; the buffer has one either way.
    std::string text(buffer.data(), std::min<DWORD>(size, capacity));
    const size_t end = text.find('\0');
    if (end != std::string::npos)
        text.resize(end);
    return text;
}

LONG WriteVexomarDword(const std::string& subkey, const char* value, DWORD data, const char* second)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    char keyClass[] = "QVIData";
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, VexomarRegistryPath(subkey, second ? second : "").c_str(), 0,
        keyClass, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, &disposition);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExA(key, value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    RegCloseKey(key);
    return result;
}
