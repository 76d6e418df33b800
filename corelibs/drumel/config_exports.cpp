// DRUMEL's get and set of the three settings records and of the broadcast record.
#include <algorithm>
#include <cstring>

#include "drumel.h"
#include "drumel_session.h"
#include "instance_control.h"
#include "server_store.h"
#include "service_controls.h"

using namespace drumel;

namespace {

// Reads from the first server a name stands for (a domain's first server).
template <typename Copy> DWORD ReadFirst(const char* server, Copy copy)
{
    ServerPlace place;
    if (const DWORD refused = FirstReadable(server, place))
        return refused;
    ServerConfig config;
    if (const DWORD failed = ServerStore(place).ReadConfig(config))
        return failed;
    copy(config);
    return 0;
}

// Changes every target's settings, tells each running instance, and answers the first failure.
template <typename Change> DWORD WriteEach(const char* server, bool wholeDomain, Change change)
{
    return OnEachAllowed(server, wholeDomain, [&](const ServerPlace& place) {
        const DWORD result = ServerStore(place).ChangeConfig(change);
        if (!result)
            TellInstance(place, kControlReloadConfig);
        return result;
    });
}

DWORD GetRecord(const char* server, void* record, DWORD size, ConfigKind kind)
{
    return Guarded([&]() -> DWORD {
        if (!record || size != kConfigRecordSize)
            return ERROR_INVALID_PARAMETER;
        return ReadFirst(server,
            [&](const ServerConfig& config) { std::memcpy(record, config.Record(kind).data(), kConfigRecordSize); });
    });
}

DWORD SetRecord(const char* server, const void* record, DWORD size, DWORD domainWide, ConfigKind kind)
{
    return Guarded([&]() -> DWORD {
        if (!record || size != kConfigRecordSize)
            return ERROR_INVALID_PARAMETER;
        ConfigRecord bytes;
        std::memcpy(bytes.data(), record, kConfigRecordSize);
        DWORD error = 0;
        const auto targets = Targets(server, domainWide != 0, error);
        const DWORD result =
            WriteEach(server, domainWide != 0, [&](ServerConfig& config) { config.Record(kind) = bytes; });
        // The startup field is the instance's start type with the service control manager.
        if (kind == ConfigKind::Service && !error) {
            const bool automatic = DecodeServiceConfig(bytes).automaticStartup == 1;
            for (const ServerPlace& place : targets) {
                if (!CheckAccess(place))
                    InstanceControl(place).SetAutomaticStart(automatic);
            }
        }
        return result;
    });
}

}  // namespace

extern "C" DWORD WINAPI VexomarGetServiceConfig(const char* server, void* record, DWORD size)
{
    return GetRecord(server, record, size, ConfigKind::Service);
}

extern "C" DWORD WINAPI VexomarGetActivityLogConfig(const char* server, void* record, DWORD size)
{
    return GetRecord(server, record, size, ConfigKind::ActivityLog);
}

extern "C" DWORD WINAPI VexomarGetScanLogConfig(const char* server, void* record, DWORD size)
{
    return GetRecord(server, record, size, ConfigKind::ScanLog);
}

extern "C" DWORD WINAPI VexomarSetServiceConfig(const char* server, const void* record, DWORD size, DWORD domainWide)
{
    return SetRecord(server, record, size, domainWide, ConfigKind::Service);
}

extern "C" DWORD WINAPI VexomarSetActivityLogConfig(
    const char* server, const void* record, DWORD size, DWORD domainWide)
{
    return SetRecord(server, record, size, domainWide, ConfigKind::ActivityLog);
}

extern "C" DWORD WINAPI VexomarSetScanLogConfig(const char* server, const void* record, DWORD size, DWORD domainWide)
{
    return SetRecord(server, record, size, domainWide, ConfigKind::ScanLog);
}

extern "C" DWORD WINAPI VexomarGetBCast(const char* server, void* record, DWORD size)
{
    return Guarded([&]() -> DWORD {
        if (!record || size != kBroadcastRecordSize)
            return ERROR_INVALID_PARAMETER;
        return ReadFirst(server,
            [&](const ServerConfig& config) { std::memcpy(record, config.broadcast.data(), kBroadcastRecordSize); });
    });
}

extern "C" DWORD WINAPI VexomarSetBCast(const char* server, const void* record, DWORD size, DWORD mode)
{
    return Guarded([&]() -> DWORD {
        if (!record || size != kBroadcastRecordSize || mode > 2)
            return ERROR_INVALID_PARAMETER;
        BroadcastRecord bytes;
        std::memcpy(bytes.data(), record, kBroadcastRecordSize);
        return WriteEach(server, mode != 0, [&](ServerConfig& config) { config.broadcast = bytes; });
    });
}
