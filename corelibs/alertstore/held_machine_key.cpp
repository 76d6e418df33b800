// Reads through a kept handle; a handle whose key went away is opened afresh.
#include "held_machine_key.h"

#include <vector>

namespace {

constexpr DWORD kMaxValue = 65536;

}  // namespace

HeldMachineKey::~HeldMachineKey()
{
    if (m_handle)
        RegCloseKey(m_handle);
}

std::optional<std::string> HeldMachineKey::ReadString(const char* value)
{
    std::lock_guard<std::mutex> guard(m_lock);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!m_handle && RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, KEY_READ, &m_handle) != ERROR_SUCCESS) {
            m_handle = nullptr;
            return std::nullopt;
        }
        std::vector<char> buffer(512, '\0');
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(buffer.size() - 1);
        LONG status = RegQueryValueExA(m_handle, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (status == ERROR_MORE_DATA && size <= kMaxValue) {
            buffer.assign(size + 1, '\0');
            status = RegQueryValueExA(m_handle, value, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        }
        if (status == ERROR_SUCCESS) {
            if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValue)
                return std::nullopt;
            buffer[size < buffer.size() ? size : buffer.size() - 1] = '\0';
            return std::string(buffer.data());
        }
        if (status == ERROR_FILE_NOT_FOUND || status == ERROR_MORE_DATA)
            return std::nullopt;
        // The key was deleted (and may have been made again) or the handle failed: open it again.
        RegCloseKey(m_handle);
        m_handle = nullptr;
    }
    return std::nullopt;
}
