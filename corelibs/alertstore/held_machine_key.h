// A key under HKEY_LOCAL_MACHINE kept open between reads, so that a value asked for on every call
// (the site file's name, the data folder) costs one registry request instead of four.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>

class HeldMachineKey {
public:
    explicit HeldMachineKey(std::string key) : m_key(std::move(key)) { }
    ~HeldMachineKey();
    HeldMachineKey(const HeldMachineKey&) = delete;
    HeldMachineKey& operator=(const HeldMachineKey&) = delete;

    // The same answer as ReadMachineString(key, value) at this moment: a key made, deleted or
    // made again since the last read is followed.
    std::optional<std::string> ReadString(const char* value);

private:
    std::mutex m_lock;
    std::string m_key;
    HKEY m_handle = nullptr;
};
