// Locked, atomic reads and writes of a server's store files.
#include "server_store.h"

#include <cctype>

#include "atomic_file.h"
#include "record_file.h"
#include "service_log.h"

namespace {

constexpr std::size_t kMaxLogFile = 4 << 20;

std::string LockName(const std::string& server, bool global)
{
    std::string name = global ? "Global\\VexomarStore." : "VexomarStore.";
    for (char c : server)
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

// Reads and checks one record file; a missing file is reported as ERROR_FILE_NOT_FOUND.
DWORD ReadRecord(const std::string& path, const char (&magic)[9], std::size_t maxPayload, RecordFile& out)
{
    if (!FileExists(path))
        return ERROR_FILE_NOT_FOUND;
    const auto bytes = ReadWholeFile(path, maxPayload + kRecordFileOverhead);
    if (!bytes) {
        // Too large is damage; a file that would not open is the platform's failure.
        return FileExists(path) ? ERROR_FILE_CORRUPT : ERROR_FILE_NOT_FOUND;
    }
    const auto file = DecodeRecordFile(magic, *bytes, maxPayload);
    if (!file)
        return ERROR_FILE_CORRUPT;
    out = *file;
    return 0;
}

}  // namespace

std::uint64_t UnixNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (ULONGLONG(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return ticks / 10000000ULL - 11644473600ULL;
}

ServerStoreLock::ServerStoreLock(const std::string& server, DWORD timeoutMs)
{
    m_mutex = CreateMutexA(nullptr, FALSE, LockName(server, true).c_str());
    if (!m_mutex)
        m_mutex = CreateMutexA(nullptr, FALSE, LockName(server, false).c_str());
    if (!m_mutex)
        return;
    const DWORD wait = WaitForSingleObject(m_mutex, timeoutMs);
    m_held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
}

ServerStoreLock::~ServerStoreLock()
{
    if (m_held)
        ReleaseMutex(m_mutex);
    if (m_mutex)
        CloseHandle(m_mutex);
}

DWORD ServerStore::Write(
    const char* file, const char (&magic)[9], const std::vector<std::uint8_t>& payload, std::uint32_t previousSerial)
{
    if (!EnsureFolder(m_place.StoreFolder()))
        return ERROR_PATH_NOT_FOUND;
    const auto bytes = EncodeRecordFile(magic, {previousSerial + 1, payload});
    return ReplaceFileContents(m_place.StoreFile(file), bytes) ? 0 : ERROR_WRITE_FAULT;
}

DWORD ServerStore::ReadConfig(ServerConfig& config, std::uint32_t* serial) const
{
    RecordFile file;
    const DWORD error = ReadRecord(m_place.StoreFile(kConfigFile), kConfigMagic, kServerConfigPayload, file);
    if (error == ERROR_FILE_NOT_FOUND) {
        config = ServerConfig {};
        if (serial)
            *serial = 0;
        return 0;
    }
    if (error)
        return error;
    const auto decoded = DecodeServerConfig(file.payload);
    if (!decoded)
        return ERROR_FILE_CORRUPT;
    config = *decoded;
    if (serial)
        *serial = file.serial;
    return 0;
}

DWORD ServerStore::ChangeConfig(const std::function<void(ServerConfig&)>& change)
{
    ServerStoreLock lock(m_place.name);
    if (!lock.Held())
        return ERROR_LOCK_VIOLATION;
    ServerConfig config;
    std::uint32_t serial = 0;
    if (const DWORD error = ReadConfig(config, &serial))
        return error;
    change(config);
    return Write(kConfigFile, kConfigMagic, EncodeServerConfig(config), serial);
}

DWORD ServerStore::ReadTable(const TableShape& shape, std::optional<AddressTable>& table, std::uint32_t* serial) const
{
    RecordFile file;
    const DWORD error =
        ReadRecord(m_place.StoreFile(shape.fileName), kTableMagic, AddressTable::LargestPayload(shape), file);
    if (error == ERROR_FILE_NOT_FOUND) {
        table.emplace(shape);
        if (serial)
            *serial = 0;
        return 0;
    }
    if (error)
        return error;
    table = AddressTable::Decode(shape, file.payload);
    if (!table)
        return ERROR_FILE_CORRUPT;
    if (serial)
        *serial = file.serial;
    return 0;
}

DWORD ServerStore::ChangeTable(const TableShape& shape, const std::function<void(AddressTable&)>& change)
{
    ServerStoreLock lock(m_place.name);
    if (!lock.Held())
        return ERROR_LOCK_VIOLATION;
    std::optional<AddressTable> table;
    std::uint32_t serial = 0;
    if (const DWORD error = ReadTable(shape, table, &serial))
        return error;
    change(*table);
    return Write(shape.fileName, kTableMagic, table->Encode(), serial);
}

DWORD ServerStore::WriteTable(const AddressTable& source)
{
    return ChangeTable(source.Shape(), [&](AddressTable& table) { table = source; });
}

DWORD ServerStore::ReadStatus(ServerStatus& status) const
{
    RecordFile file;
    if (const DWORD error = ReadRecord(m_place.StoreFile(kStatusFile), kStatusMagic, kServerStatusPayload, file))
        return error;
    const auto decoded = DecodeServerStatus(file.payload);
    if (!decoded)
        return ERROR_FILE_CORRUPT;
    status = *decoded;
    return 0;
}

DWORD ServerStore::WriteStatus(const ServerStatus& status)
{
    ServerStoreLock lock(m_place.name);
    if (!lock.Held())
        return ERROR_LOCK_VIOLATION;
    // The serial only counts the writes; a damaged old file does not stop the instance's report.
    RecordFile old;
    const std::uint32_t serial =
        ReadRecord(m_place.StoreFile(kStatusFile), kStatusMagic, kServerStatusPayload, old) == 0 ? old.serial : 0;
    return Write(kStatusFile, kStatusMagic, EncodeServerStatus(status), serial);
}

DWORD ServerStore::AppendLog(const char* file, std::uint32_t level, const std::string& text, const LogConfig& limits)
{
    ServerStoreLock lock(m_place.name);
    if (!lock.Held())
        return ERROR_LOCK_VIOLATION;
    if (!EnsureFolder(m_place.StoreFolder()))
        return ERROR_PATH_NOT_FOUND;
    const std::string path = m_place.StoreFile(file);
    const auto old = ReadWholeFile(path, kMaxLogFile);
    const std::string before = old ? std::string(old->begin(), old->end()) : std::string();
    const std::string after = AppendLogLine(before, level, text, static_cast<std::int64_t>(UnixNow()), limits);
    if (after == before)
        return 0;
    return ReplaceFileContents(path, std::vector<std::uint8_t>(after.begin(), after.end())) ? 0 : ERROR_WRITE_FAULT;
}
