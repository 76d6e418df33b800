// FakeNetwork: a recording NetworkProvider that answers scripted results.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "network_provider.h"

struct NetworkCall {
    std::string function;  // "Add" or "Cancel"
    std::string remote;  // the remote name added, or the name cancelled
    bool hasLocal = false;
    bool hasProvider = false;
    DWORD type = 0;
    bool userGiven = false;
    std::string user;
    bool passwordGiven = false;
    std::string password;
    DWORD flags = 0;
    BOOL force = FALSE;
    HCURSOR cursor = nullptr;  // the cursor shown while the call was made
};

class FakeNetwork : public NetworkProvider {
public:
    // The next AddConnection2 fails with `error` (and leaves it as the last error).
    void FailNextAdd(DWORD error) { m_addResults.push_back(error); }

    DWORD AddConnection2(NETRESOURCEA& resource, const char* password, const char* user, DWORD flags) override
    {
        NetworkCall call;
        call.function = "Add";
        call.remote = resource.lpRemoteName ? resource.lpRemoteName : "";
        call.hasLocal = resource.lpLocalName != nullptr;
        call.hasProvider = resource.lpProvider != nullptr;
        call.type = resource.dwType;
        call.userGiven = user != nullptr;
        call.user = user ? user : "";
        call.passwordGiven = password != nullptr;
        call.password = password ? password : "";
        call.flags = flags;
        call.cursor = GetCursor();
        calls.push_back(call);
        DWORD result = NO_ERROR;
        if (!m_addResults.empty()) {
            result = m_addResults.front();
            m_addResults.pop_front();
        }
        m_lastError = result;
        return result;
    }
    DWORD CancelConnection2(const char* name, DWORD flags, BOOL force) override
    {
        NetworkCall call;
        call.function = "Cancel";
        call.remote = name ? name : "";
        call.flags = flags;
        call.force = force;
        call.cursor = GetCursor();
        calls.push_back(call);
        // Cancelling a connection that is gone is no error the program looks at.
        m_lastError = 2250;
        return 2250;
    }
    DWORD LastError() override { return m_lastError; }

    std::vector<NetworkCall> calls;

private:
    std::deque<DWORD> m_addResults;
    DWORD m_lastError = 0;
};
