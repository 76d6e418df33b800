// What the provider keeps for the process that loaded it: its connections and logons. The
// platform calls the provider through free functions, so this one object lives as long as
// the library and every call takes its lock.
#pragma once

#include <mutex>
#include <string>

#include "net_sessions.h"

// The network the browse trees look for; the registry's provider "Name" must be the same.
inline constexpr wchar_t kProviderName[] = L"Microsoft Windows Network";

class ProviderState {
public:
    static ProviderState& Instance();

    std::mutex& Lock() { return m_lock; }
    NetSessions& Sessions() { return m_sessions; }

private:
    ProviderState() = default;
    std::mutex m_lock;
    NetSessions m_sessions;
};

// The name this process runs under (GetUserNameA), "" when it cannot be had.
std::string CurrentUserName();
