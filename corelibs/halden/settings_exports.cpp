// The per-application calls: read every setting, get and set each method's recipients.
#include <cstring>

#include "alert_home.h"
#include "application_name.h"
#include "core_result.h"
#include "export_guard.h"
#include "halden.h"
#include "settings_repository.h"

namespace {

int GetList(LPCSTR server, NotifyMethod method, WORD* count, void** list, LPCSTR application)
{
    return Guarded(0, [&] {
        if (!count || !list || !application)
            return 0;
        *count = 0;
        *list = nullptr;
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const auto settings = SettingsRepository(*home).Load(application);
        if (!settings)
            return 0;
        const auto& records = settings->recipients[static_cast<std::size_t>(method)];
        if (!records.empty()) {
            void* block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, records.size());
            if (!block)
                return 0;
            std::memcpy(block, records.data(), records.size());
            *list = block;
        }
        *count = static_cast<WORD>(settings->RecipientCount(method));
        return 1;
    });
}

int SetList(LPCSTR server, NotifyMethod method, WORD count, const void* list, const BYTE* settingsBlock, int enabled,
    LPCSTR application)
{
    return Guarded(0, [&] {
        if (!application || (count != 0 && !list))
            return 0;
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const bool stored = SettingsRepository(*home).Update(application, [&](ApplicationSettings& settings) {
            if (settingsBlock)
                std::memcpy(settings.settings.data(), settingsBlock, settings.settings.size());
            return settings.SetRecipients(method, static_cast<const std::uint8_t*>(list), count, enabled != 0);
        });
        return stored ? 1 : 0;
    });
}

}  // namespace

extern "C" {

int WINAPI AlertReadEverySetting(
    LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application)
{
    return Guarded(0, [&] {
        if (!flags12 || !counts96 || !settings3944 || !application)
            return 0;
        std::memset(flags12, 0, kFlagBlockSize);
        std::memset(counts96, 0, kCountBlockSize);
        std::memset(settings3944, 0, kSettingsBlockSize);
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home)
            return FailureFor(error);
        const auto settings = SettingsRepository(*home).Load(application);
        if (!settings)
            return 0;
        const auto counts = settings->CountBlock();
        std::memcpy(flags12, settings->flags.data(), kFlagBlockSize);
        std::memcpy(counts96, counts.data(), kCountBlockSize);
        std::memcpy(settings3944, settings->settings.data(), kSettingsBlockSize);
        return 1;
    });
}

// Every list goes out as its own block that the caller frees, so nothing is held here
// between calls and there is nothing to release.
int WINAPI AlertFreeCheckEverySetting(LPCSTR, int)
{
    return 1;
}

int WINAPI AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::Broadcast, count, list, application);
}

int WINAPI AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::Pager, count, list, application);
}

int WINAPI AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::EMail, count, list, application);
}

int WINAPI AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::Snmp, count, list, application);
}

int WINAPI AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::TroubleTicket, count, list, application);
}

int WINAPI AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList(server, NotifyMethod::EventLog, count, list, application);
}

int WINAPI AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    const int result = SetList(server, NotifyMethod::Broadcast, count, list, nullptr, enabled, application);
    // The caller forgets the block once the broadcast list is stored: it is ours to free.
    if (result == 1 && list)
        GlobalFree(list);
    return result;
}

int WINAPI AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList(server, NotifyMethod::Pager, count, list, nullptr, enabled, application);
}

int WINAPI AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList(server, NotifyMethod::Snmp, count, list, nullptr, enabled, application);
}

int WINAPI AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList(server, NotifyMethod::EventLog, count, list, nullptr, enabled, application);
}

int WINAPI AlertSetEMail(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    if (!settings3944)
        return 0;
    return SetList(server, NotifyMethod::EMail, count, list, settings3944, enabled, application);
}

int WINAPI AlertSetTTixPRINTQ_HEADER(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    if (!settings3944)
        return 0;
    return SetList(server, NotifyMethod::TroubleTicket, count, list, settings3944, enabled, application);
}

}  // extern "C"
