// A server's store folder: its settings, tables, status and logs, each file written whole and
// atomically under a machine-wide lock per server, so no two writers ever lose each other's change.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "address_table.h"
#include "server_config.h"
#include "server_locator.h"
#include "server_status.h"

class ServerStoreLock {
public:
    explicit ServerStoreLock(const std::string& server, DWORD timeoutMs = 10000);
    ~ServerStoreLock();
    ServerStoreLock(const ServerStoreLock&) = delete;
    ServerStoreLock& operator=(const ServerStoreLock&) = delete;
    bool Held() const { return m_held; }

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
};

inline constexpr const char* kConfigFile = "CONFIG.VXS";
inline constexpr const char* kStatusFile = "STATUS.VXS";
inline constexpr const char* kActivityLogFile = "ACTIVITY.LOG";
inline constexpr const char* kScanLogFile = "SCANLOG.LOG";

// Every answer is 0 or a Windows error number: ERROR_FILE_CORRUPT for a damaged file (left as
// it is), ERROR_LOCK_VIOLATION when the lock is not had in time, a write's own error otherwise.
class ServerStore {
public:
    explicit ServerStore(ServerPlace place) : m_place(std::move(place)) { }
    const ServerPlace& Place() const { return m_place; }

    // A missing file gives the defaults (serial 0).
    DWORD ReadConfig(ServerConfig& config, std::uint32_t* serial = nullptr) const;
    // Reads, changes and writes back under the lock.
    DWORD ChangeConfig(const std::function<void(ServerConfig&)>& change);

    DWORD ReadTable(const TableShape& shape, std::optional<AddressTable>& table, std::uint32_t* serial = nullptr) const;
    DWORD ChangeTable(const TableShape& shape, const std::function<void(AddressTable&)>& change);
    // Replaces the table file with another server's bytes (a table sync).
    DWORD WriteTable(const AddressTable& table);

    // Nothing (and ERROR_FILE_NOT_FOUND) before the instance first wrote its status.
    DWORD ReadStatus(ServerStatus& status) const;
    DWORD WriteStatus(const ServerStatus& status);

    DWORD AppendLog(const char* file, std::uint32_t level, const std::string& text, const LogConfig& limits);

private:
    DWORD Write(const char* file, const char (&magic)[9], const std::vector<std::uint8_t>& payload,
        std::uint32_t previousSerial);
    ServerPlace m_place;
};

// Seconds since 1970 UTC.
std::uint64_t UnixNow();
