// DRUMEL's status, start and stop calls, and our own state, statistics and logon calls.
#include "drumel.h"
#include "drumel_session.h"
#include "instance_control.h"
#include "server_store.h"
#include "service_controls.h"

using namespace drumel;

namespace {

bool Answers(DWORD state)
{
    return state == SERVICE_RUNNING || state == SERVICE_PAUSED || state == SERVICE_PAUSE_PENDING ||
        state == SERVICE_CONTINUE_PENDING;
}

// Runs a command on every target, each after the logon rule; the first failure is the answer,
// but every server is still tried.
template <typename Command> DWORD OnEach(const char* server, Command command)
{
    return OnEachAllowed(server, false, [&](const ServerPlace& place) { return command(InstanceControl(place)); });
}

}  // namespace

extern "C" DWORD WINAPI VexomarGetServiceStatus(const char* computer, DWORD* status)
{
    return Guarded([&]() -> DWORD {
        if (!status)
            return ERROR_INVALID_PARAMETER;
        DWORD error = 0;
        const auto targets = Targets(computer, false, error);
        if (error)
            return error;
        // A domain is running when any of its servers is.
        DWORD first = 0, firstState = 0;
        for (std::size_t i = 0; i < targets.size(); ++i) {
            DWORD state = 0;
            const DWORD result = InstanceControl(targets[i]).Query(state);
            if (!result && state == SERVICE_RUNNING) {
                *status = state;
                return 0;
            }
            if (i == 0) {
                first = result;
                firstState = state;
            }
        }
        if (first)
            return first;
        *status = firstState;
        return 0;
    });
}

extern "C" DWORD WINAPI VexomarStartService(const char* server, DWORD)
{
    return Guarded([&] { return OnEach(server, [](const InstanceControl& c) { return c.Start(); }); });
}

extern "C" DWORD WINAPI VexomarStopService(const char* server)
{
    return Guarded([&] { return OnEach(server, [](const InstanceControl& c) { return c.Stop(); }); });
}

extern "C" DWORD WINAPI VexomarRunJob(const char* server)
{
    return Guarded([&] { return OnEach(server, [](const InstanceControl& c) { return c.Send(kControlRunJob); }); });
}

extern "C" DWORD WINAPI VexomarGetServerState(const char* server, DWORD* stateWord, DWORD* versions, DWORD* lastScan)
{
    return Guarded([&]() -> DWORD {
        DWORD error = 0;
        const auto targets = Targets(server, false, error);
        if (error)
            return error;
        const ServerPlace& place = targets.front();
        DWORD state = 0;
        const bool answers = InstanceControl(place).Query(state) == 0 && Answers(state);
        ServerStore store(place);
        ServerStatus status;
        const bool published = store.ReadStatus(status) == 0;
        ServerConfig config;
        store.ReadConfig(config);
        DWORD word = 0;
        if (answers) {
            // An instance that has not published yet is running with nothing to tell.
            word = published
                ? LiveStateWord(status, UnixNow(), DecodeServiceConfig(config.service).activeTimeoutSeconds)
                : 0x0001;
        }
        if (stateWord)
            *stateWord = word;
        if (versions) {
            for (int i = 0; i < 4; ++i)
                versions[i] = published ? status.versions[i] : 0;
        }
        if (lastScan)
            *lastScan = published ? static_cast<DWORD>(status.lastScanTime) : 0;
        return 0;
    });
}

extern "C" DWORD WINAPI VexomarGetScanStatistics(const char* server, void* record, DWORD size)
{
    return Guarded([&]() -> DWORD {
        if (!record || size != kScanStatisticsSize)
            return ERROR_INVALID_PARAMETER;
        ServerPlace place;
        if (const DWORD refused = FirstReadable(server, place))
            return refused;
        ServerStatus status;
        if (const DWORD failed = ServerStore(place).ReadStatus(status))
            return failed;
        const ScanStatisticsRecord bytes = EncodeScanStatistics(status.statistics);
        std::copy(bytes.begin(), bytes.end(), static_cast<std::uint8_t*>(record));
        return 0;
    });
}

extern "C" DWORD WINAPI VexomarLogon(const char* server, const char* user, const char* password)
{
    return Guarded([&] {
        return OnEachTarget(server, false,
            [&](const ServerPlace& place) { return Logon(place, user ? user : "", password ? password : ""); });
    });
}

namespace {

DWORD AccessTo(const ServerLocator& site, const char* server)
{
    DWORD error = 0;
    const auto targets = Targets(site, server, false, error);
    if (error)
        return error;
    for (const ServerPlace& place : targets) {
        if (const DWORD denied = CheckAccess(place))
            return denied;
    }
    return 0;
}

}  // namespace

extern "C" DWORD WINAPI VexomarCheckAccess(const char* server)
{
    return Guarded([&] { return AccessTo(ServerLocator::FromRegistry(), server); });
}

extern "C" DWORD WINAPI VexomarCheckAccessEach(const char* const* servers, DWORD count, DWORD* answers)
{
    return Guarded([&]() -> DWORD {
        if (count && (!servers || !answers))
            return ERROR_INVALID_PARAMETER;
        // One reading of the site for the whole list: a listing of hundreds of servers asks here.
        const ServerLocator site = ServerLocator::FromRegistry();
        for (DWORD i = 0; i < count; ++i)
            answers[i] = AccessTo(site, servers[i]);
        return 0;
    });
}
