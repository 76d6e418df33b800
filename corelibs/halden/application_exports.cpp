// Configuration dates and the list of applications that raise alerts.
#include <cstdio>
#include <cstring>

#include "alert_home.h"
#include "config_date.h"
#include "core_result.h"
#include "export_guard.h"
#include "halden.h"
#include "settings_repository.h"

namespace {

constexpr std::size_t kDateSize = 256;
constexpr std::size_t kApplicationEntry = 64;

std::string PortDate(const AlertHome& home)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    const std::string path = home.home + "\\PORT.CFG";
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return kNoPortSettings;
    const std::uint64_t written =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return PortConfigDate(written, size);
}

}  // namespace

extern "C" {

int WINAPI AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256)
{
    return Guarded(0, [&] {
        if (!section || !date256)
            return 0;
        date256[0] = '\0';
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        std::string date;
        if (_stricmp(section, "PORT") == 0) {
            date = PortDate(*home);
        } else {
            const auto settings = SettingsRepository(*home).Load(section);
            if (!settings)
                return 0;
            date = ApplicationConfigDate(settings->changedAt, settings->serial);
        }
        std::snprintf(date256, kDateSize, "%s", date.c_str());
        return 1;
    });
}

int WINAPI AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64)
{
    return Guarded(0, [&] {
        if (!count || !names64)
            return 0;
        *count = 0;
        *names64 = nullptr;
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const std::vector<std::string> names = SettingsRepository(*home).Applications();
        const std::size_t shown = names.size() < 65535 ? names.size() : 65535;
        auto* block = static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, shown * kApplicationEntry));
        if (!block)
            return 0;
        for (std::size_t i = 0; i < shown; ++i)
            std::snprintf(block + i * kApplicationEntry, kApplicationEntry, "%s", names[i].c_str());
        *names64 = block;
        *count = static_cast<WORD>(shown);
        return 1;
    });
}

int WINAPI AlertRegisterApplication(LPCSTR server, LPCSTR application)
{
    return Guarded(0, [&] {
        if (!application)
            return 0;
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        return SettingsRepository(*home).Register(application) ? 1 : 0;
    });
}

}  // extern "C"
