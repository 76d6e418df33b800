// What DRUMEL keeps for the calling process: the servers it has logged on to, and the common
// steps of every call (finding the targets, the logon rule, telling instances to reload).
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "server_locator.h"

namespace drumel {

// The servers a call names; 1722 in `error` when the name is no server or domain of the site.
std::vector<ServerPlace> Targets(const char* name, bool wholeDomain, DWORD& error);
// The same over a reading of the site the caller took, for a call that names many servers.
std::vector<ServerPlace> Targets(const ServerLocator& site, const char* name, bool wholeDomain, DWORD& error);

// A server whose data folder holds a logon file answers 5 until this process has logged on.
DWORD CheckAccess(const ServerPlace& place);
DWORD Logon(const ServerPlace& place, const std::string& user, const std::string& password);

// The server a read goes to: the first a name stands for (a domain's first server), once this
// process may see it. 0, or the answer of Targets or CheckAccess.
DWORD FirstReadable(const char* name, ServerPlace& place);

// Tells a running instance to take up what was saved; a stopped one reads it when it starts.
void TellInstance(const ServerPlace& place, DWORD control);

// Runs `work` on every server a name stands for: every server is tried, and the first failure
// is the answer (or that of Targets).
template <typename Work> DWORD OnEachTarget(const char* name, bool wholeDomain, Work work)
{
    DWORD error = 0;
    const auto targets = Targets(name, wholeDomain, error);
    if (error)
        return error;
    DWORD first = 0;
    for (const ServerPlace& place : targets) {
        const DWORD result = work(place);
        if (result && !first)
            first = result;
    }
    return first;
}

// The same, each server after the logon rule.
template <typename Work> DWORD OnEachAllowed(const char* name, bool wholeDomain, Work work)
{
    return OnEachTarget(name, wholeDomain, [&](const ServerPlace& place) -> DWORD {
        const DWORD denied = CheckAccess(place);
        return denied ? denied : work(place);
    });
}

// Runs `work` on the servers a name stands for while each passes the logon rule; the first
// refusal stops the call and is its answer.
template <typename Work> DWORD WhileAllowed(const char* name, Work work)
{
    DWORD error = 0;
    const auto targets = Targets(name, false, error);
    if (error)
        return error;
    for (const ServerPlace& place : targets) {
        if (const DWORD denied = CheckAccess(place))
            return denied;
        work(place);
    }
    return 0;
}

// Keeps exceptions inside the DLL: a call that throws answers ERROR_GEN_FAILURE.
template <typename Body> DWORD Guarded(Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return ERROR_GEN_FAILURE;
    }
}

}  // namespace drumel
