// The query thread and its cache of server states.
#include "server_query.h"

#include <atomic>
#include <map>
#include <mutex>

#include "drumel.h"
#include "server_locator.h"

namespace server_query {
namespace {

constexpr DWORD kRoundMs = 2000;
constexpr DWORD kFirstRoundWaitMs = 3000;
constexpr DWORD kStopWaitMs = 5000;

std::mutex g_lock;
std::map<std::string, CachedState> g_cache;  // by upper-case name
HANDLE g_thread = nullptr;
HANDLE g_wake = nullptr;
HANDLE g_stop = nullptr;
HANDLE g_roundDone = nullptr;

std::string Key(const std::string& server)
{
    return UpperServerName(BareServerName(server));
}

// Set by Stop: a round over a site of thousands of servers takes seconds, longer than Stop
// waits, and a thread still running when the library is unloaded would run on freed code.
std::atomic<bool> g_stopping {false};

void Round()
{
    for (const ServerPlace& place : ServerLocator::FromRegistry().AllServers()) {
        if (g_stopping)
            return;
        CachedState state;
        ReadNow(place.name, state);
    }
}

DWORD WINAPI Loop(LPVOID)
{
    HANDLE waits[2] = {g_stop, g_wake};
    for (;;) {
        Round();
        SetEvent(g_roundDone);
        if (WaitForMultipleObjects(2, waits, FALSE, kRoundMs) == WAIT_OBJECT_0)
            return 0;
    }
}

}  // namespace

DWORD ReadNow(const std::string& server, CachedState& state)
{
    CachedState fresh;
    const DWORD error = VexomarGetServerState(server.c_str(), &fresh.stateWord, fresh.versions, &fresh.lastScan);
    // A server that cannot be read is shown inactive, never as it was.
    if (error)
        fresh = CachedState {};
    std::lock_guard<std::mutex> guard(g_lock);
    g_cache[Key(server)] = fresh;
    state = fresh;
    return error;
}

bool Lookup(const std::string& server, CachedState& state)
{
    std::lock_guard<std::mutex> guard(g_lock);
    const auto found = g_cache.find(Key(server));
    if (found == g_cache.end())
        return false;
    state = found->second;
    return true;
}

bool Running()
{
    return g_thread != nullptr;
}

DWORD Start()
{
    if (g_thread) {
        SetEvent(g_wake);
        return 0;
    }
    g_stopping = false;
    g_stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    g_wake = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    g_roundDone = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!g_stop || !g_wake || !g_roundDone)
        return GetLastError();
    g_thread = CreateThread(nullptr, 0, &Loop, nullptr, 0, nullptr);
    if (!g_thread)
        return GetLastError();
    WaitForSingleObject(g_roundDone, kFirstRoundWaitMs);
    return 0;
}

DWORD Stop()
{
    if (!g_thread)
        return 0;
    g_stopping = true;
    SetEvent(g_stop);
    const bool ended = WaitForSingleObject(g_thread, kStopWaitMs) == WAIT_OBJECT_0;
    CloseHandle(g_thread);
    g_thread = nullptr;
    // A thread that did not end in time may still wait on the events: they are left to it.
    for (HANDLE* event : {&g_stop, &g_wake, &g_roundDone}) {
        if (ended)
            CloseHandle(*event);
        *event = nullptr;
    }
    return ended ? 0 : WAIT_TIMEOUT;
}

}  // namespace server_query
