// CAlertRecordTable: the Alert Service's ALRECORD.TBL in the current server's event-log directory.
#include "alert_record_table.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "alert_record_format.h"
#include "program_values.h"

namespace {

// The paths of the last server asked, shared by every table object.
struct PathCache {
    char serverName[64] = {};
    char eventLogDirectory[512] = {};
    char tablePath[512] = {};
};

PathCache& Paths()
{
    static PathCache cache;
    return cache;
}

bool ReadSlot(HANDLE file, int index, BYTE* slot)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(index) * CAlertRecordTable::kSlotSize;
    if (index < 0 || !SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
        return false;
    DWORD done = 0;
    return ReadFile(file, slot, CAlertRecordTable::kSlotSize, &done, nullptr) && done == CAlertRecordTable::kSlotSize;
}

bool WriteSlot(HANDLE file, int index, const BYTE* slot)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(index) * CAlertRecordTable::kSlotSize;
    if (index < 0 || !SetFilePointerEx(file, at, nullptr, FILE_BEGIN))
        return false;
    DWORD done = 0;
    return WriteFile(file, slot, CAlertRecordTable::kSlotSize, &done, nullptr) && done == CAlertRecordTable::kSlotSize;
}

}  // namespace

CAlertRecordTable::CAlertRecordTable(const ProgramValues& values) : m_values(values)
{
}

void CAlertRecordTable::ForgetPaths()
{
    Paths() = PathCache {};
}

const char* CAlertRecordTable::EventLogDirectory() const
{
    return Paths().eventLogDirectory;
}

const char* CAlertRecordTable::TablePath() const
{
    return Paths().tablePath;
}

bool CAlertRecordTable::ResolvePaths()
{
    PathCache& cache = Paths();
    const char* server = m_values.serverName;
    if (std::strncmp(cache.serverName, server, sizeof cache.serverName) == 0 && cache.eventLogDirectory[0] != '\0' &&
        cache.tablePath[0] != '\0')
        return true;

    cache = PathCache {};
    char directory[512] = {};
    if (!AlertCore::HomeSucceeded(m_values.Core().AlertGetHomeEventLog(server, directory)))
        return false;
    directory[sizeof directory - 1] = '\0';
    // A directory that leaves no room for the table's name is refused rather than cut.
    const int written =
        std::snprintf(cache.tablePath, sizeof cache.tablePath, "%s\\%s", directory, alert_table::kTableName);
    if (directory[0] == '\0' || written < 0 || written >= static_cast<int>(sizeof cache.tablePath)) {
        cache = PathCache {};
        return false;
    }
    std::memcpy(cache.serverName, server, strnlen(server, sizeof cache.serverName - 1));
    std::memcpy(cache.eventLogDirectory, directory, sizeof directory);
    return true;
}

HANDLE CAlertRecordTable::OpenShared()
{
    // The service may write while we read: its writes and deletes are shared with.
    return CreateFileA(TablePath(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE CAlertRecordTable::OpenExclusive(bool create)
{
    // The service keeps the table open for writing only while it adds one alert: wait that out.
    for (int attempt = 0;; ++attempt) {
        HANDLE file = CreateFileA(TablePath(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
            create ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || attempt >= kWriteAttempts)
            return file;
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            return file;
        Sleep(kWriteRetryMilliseconds);
    }
}

HANDLE CAlertRecordTable::CreateWithHeader()
{
    HANDLE file = OpenExclusive(true);
    if (file == INVALID_HANDLE_VALUE)
        return file;
    LARGE_INTEGER size = {};
    // Another writer may have made the table meanwhile; its header is kept.
    if (GetFileSizeEx(file, &size) && size.QuadPart < kSlotSize) {
        const BYTE header[kSlotSize] = {};
        WriteSlot(file, 0, header);
    }
    return file;
}

int CAlertRecordTable::Open()
{
    m_slotCount = 0;
    if (!ResolvePaths())
        return 0;
    HANDLE file = OpenShared();
    if (file == INVALID_HANDLE_VALUE) {
        file = CreateWithHeader();
        if (file == INVALID_HANDLE_VALUE)
            return 0;
        CloseHandle(file);
        return 1;
    }
    LARGE_INTEGER size = {};
    if (GetFileSizeEx(file, &size))
        m_slotCount = static_cast<int>(alert_table::RecordSlotCount(size.QuadPart));
    CloseHandle(file);
    return 1;
}

LONGLONG CAlertRecordTable::FileLength()
{
    if (!ResolvePaths())
        return -1;
    HANDLE file = OpenShared();
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    LARGE_INTEGER size = {};
    const bool known = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return known ? size.QuadPart : -1;
}

void CAlertRecordTable::ReadHeader(BYTE* header)
{
    std::memset(header, 0, kSlotSize);
    if (!ResolvePaths())
        return;
    HANDLE file = OpenShared();
    if (file == INVALID_HANDLE_VALUE) {
        file = CreateWithHeader();
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        return;
    }
    if (!ReadSlot(file, 0, header))
        std::memset(header, 0, kSlotSize);
    CloseHandle(file);
}

int CAlertRecordTable::WriteHeader(const BYTE* header)
{
    if (!ResolvePaths())
        return 0;
    HANDLE file = OpenExclusive(true);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    const bool written = WriteSlot(file, 0, header);
    CloseHandle(file);
    return written ? 1 : 0;
}

int CAlertRecordTable::ReadRecord(int index, BYTE* record)
{
    if (index < 0 || !ResolvePaths())
        return 0;
    HANDLE file = OpenShared();
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    const bool read = ReadSlot(file, index, record);
    CloseHandle(file);
    return read ? 1 : 0;
}

int CAlertRecordTable::ForEachSlot(int first, const std::function<void(int index, const BYTE* slot)>& visit)
{
    if (first < 0 || !ResolvePaths())
        return 0;
    HANDLE file = OpenShared();
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(first) * kSlotSize;
    int visited = 0;
    if (SetFilePointerEx(file, at, nullptr, FILE_BEGIN)) {
        // A run of slots per read: one read per slot is slow on a table of many thousands.
        constexpr DWORD kRun = 64 * kSlotSize;
        std::unique_ptr<BYTE[]> run(new BYTE[kRun]);
        DWORD done = 0;
        while (ReadFile(file, run.get(), kRun, &done, nullptr) && done > 0) {
            for (DWORD offset = 0; offset + kSlotSize <= done; offset += kSlotSize)
                visit(first + visited++, run.get() + offset);
            if (done < kRun)
                break;
        }
    }
    CloseHandle(file);
    return visited;
}

int CAlertRecordTable::WriteRecord(int index, const BYTE* record)
{
    if (index < 0 || !ResolvePaths())
        return 0;
    HANDLE file = OpenExclusive(false);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    const bool written = WriteSlot(file, index, record);
    CloseHandle(file);
    return written ? 1 : 0;
}

int CAlertRecordTable::DeleteRecord(int index)
{
    // Slot 0 is the header, never a record.
    if (index < 1 || !ResolvePaths())
        return 0;
    // One handle that excludes the service's writers for the whole change: the service could
    // otherwise count a new alert between our header read and write, or reuse the freed slot
    // (and its event file's name) before the old event file is gone.
    HANDLE file = OpenExclusive(false);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    BYTE record[kSlotSize];
    if (!ReadSlot(file, index, record) || !alert_table::SlotHoldsRecord(record)) {
        CloseHandle(file);
        return 0;
    }

    BYTE header[kSlotSize];
    if (!ReadSlot(file, 0, header))
        std::memset(header, 0, sizeof header);
    alert_table::HeaderCounts counts = alert_table::ReadHeaderCounts(header);
    alert_table::DecreaseCountForPriority(counts, static_cast<signed char>(record[alert_table::kPriorityAt]));
    // Only the three counts change; whatever else the header holds is written back as read.
    BYTE counted[kSlotSize];
    alert_table::WriteHeaderCounts(counts, counted);
    std::memcpy(header, counted, 12);
    if (!WriteSlot(file, 0, header)) {
        CloseHandle(file);
        return 0;
    }

    const std::string eventFile =
        alert_table::FieldText(record + alert_table::kEventFileAt, alert_table::kEventFileSize);
    // An empty name would name the directory itself; a name with a separator leaves it.
    if (!eventFile.empty() && eventFile != ".." && eventFile.find_first_of("\\/:") == std::string::npos) {
        char path[512 + alert_table::kEventFileSize + 1];
        std::snprintf(path, sizeof path, "%s\\%s", EventLogDirectory(), eventFile.c_str());
        DeleteFileA(path);
    }

    std::memset(record, 0, sizeof record);
    const bool written = WriteSlot(file, index, record);
    CloseHandle(file);
    return written ? 1 : 0;
}
