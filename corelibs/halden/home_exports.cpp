// Home directories, statistics, the mail-transport record and the registry strings.
#include <cstdio>
#include <cstring>

#include "alert_home.h"
#include "atomic_file.h"
#include "core_result.h"
#include "export_guard.h"
#include "halden.h"
#include "registry_value.h"
#include "win32_table_file.h"

namespace {

constexpr std::size_t kDirectorySize = 512;
constexpr std::size_t kStatisticsSize = 256;
constexpr std::size_t kMailRecordSize = 1024;
constexpr std::size_t kMaxRegistryName = 63;

enum class Folder { Home, Log, EventLog };

int CopyDirectory(LPCSTR server, char* out, Folder folder)
{
    return Guarded(0, [&] {
        if (!out)
            return 0;
        out[0] = '\0';
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const std::string& path = folder == Folder::Home ? home->home
            : folder == Folder::Log                      ? home->logDirectory
                                                         : home->eventLogDirectory;
        // A directory that does not fit is refused rather than cut to another path.
        if (path.size() >= kDirectorySize)
            return 0;
        std::memcpy(out, path.c_str(), path.size() + 1);
        return 1;
    });
}

std::string MailRecordPath(const AlertHome& home)
{
    return home.home + "\\MAILCFG.DAT";
}

bool ValidRegistryName(LPCSTR name)
{
    if (!name || !*name || std::strlen(name) > kMaxRegistryName)
        return false;
    return std::strpbrk(name, "\\/") == nullptr;
}

// The local computer keeps the strings in its registry; a site server in ALERT.INI of its home.
std::string IniPath(const AlertHome& home)
{
    return home.home + "\\ALERT.INI";
}

}  // namespace

extern "C" {

int WINAPI AlertGetHomeDir(LPCSTR server, char* directory512)
{
    return CopyDirectory(server, directory512, Folder::Home);
}

int WINAPI AlertGetHomeLog(LPCSTR server, char* directory512)
{
    return CopyDirectory(server, directory512, Folder::Log);
}

int WINAPI AlertGetHomeEventLog(LPCSTR server, char* directory512)
{
    return CopyDirectory(server, directory512, Folder::EventLog);
}

int WINAPI AlertGetStatistics(LPCSTR server, BYTE* record256)
{
    return Guarded(0, [&] {
        if (!record256)
            return 0;
        std::memset(record256, 0, kStatisticsSize);
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        Win32TableFile table(home->TablePath(), Win32TableFile::Mode::Read);
        if (!table.IsOpen())
            return table.OpenError() == ERROR_FILE_NOT_FOUND || table.OpenError() == ERROR_PATH_NOT_FOUND ? 1 : 0;
        Slot header {};
        if (!table.ReadAt(0, header.data(), header.size()))
            return 0;
        std::memcpy(record256, header.data(), 12);
        return 1;
    });
}

int WINAPI AlertGetMailCfg(LPCSTR server, BYTE* record1024)
{
    return Guarded(0, [&] {
        if (!record1024)
            return 0;
        std::memset(record1024, 0, kMailRecordSize);
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const std::string path = MailRecordPath(*home);
        if (!FileExists(path))
            return 1;
        const auto bytes = ReadWholeFile(path, kMailRecordSize);
        if (!bytes || bytes->size() != kMailRecordSize)
            return 0;
        std::memcpy(record1024, bytes->data(), kMailRecordSize);
        return 1;
    });
}

int WINAPI AlertSetMailCfg(LPCSTR server, const BYTE* record1024)
{
    return Guarded(0, [&] {
        if (!record1024)
            return 0;
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const std::vector<std::uint8_t> record(record1024, record1024 + kMailRecordSize);
        return EnsureFolder(home->home) && ReplaceFileContents(MailRecordPath(*home), record) ? 1 : 0;
    });
}

int WINAPI AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size)
{
    return Guarded(ERROR_GEN_FAILURE, [&]() -> int {
        if (!text || size <= 0)
            return ERROR_INVALID_PARAMETER;
        text[0] = '\0';
        if (!ValidRegistryName(key) || !ValidRegistryName(value))
            return ERROR_INVALID_PARAMETER;
        // This computer keeps the strings in its registry, whether or not its home is set.
        const bool local = AlertHome::IsLocalName(server);
        DWORD error = 0;
        const auto home = local ? std::nullopt : AlertHome::ForServer(server, &error);
        if (!local && !home)
            return static_cast<int>(error);
        std::string found;
        if (local) {
            const auto stored = ReadMachineString(std::string(kAlertKey) + "\\" + key, value);
            if (!stored)
                return ERROR_FILE_NOT_FOUND;
            found = *stored;
        } else {
            char buffer[1024] = {};
            const std::string ini = IniPath(*home);
            GetPrivateProfileStringA(key, value, "\x01", buffer, sizeof buffer, ini.c_str());
            if (std::strcmp(buffer, "\x01") == 0)
                return ERROR_FILE_NOT_FOUND;
            found = buffer;
        }
        if (found.size() >= static_cast<std::size_t>(size))
            return ERROR_MORE_DATA;
        std::memcpy(text, found.c_str(), found.size() + 1);
        return 0;
    });
}

int WINAPI AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text)
{
    return Guarded(ERROR_GEN_FAILURE, [&]() -> int {
        if (!text || !ValidRegistryName(key) || !ValidRegistryName(value))
            return ERROR_INVALID_PARAMETER;
        if (AlertHome::IsLocalName(server))
            return static_cast<int>(WriteMachineString(std::string(kAlertKey) + "\\" + key, value, text));
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return static_cast<int>(error);
        EnsureFolder(home->home);
        const std::string ini = IniPath(*home);
        return WritePrivateProfileStringA(key, value, text, ini.c_str()) ? 0 : static_cast<int>(GetLastError());
    });
}

}  // extern "C"
