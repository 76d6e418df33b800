// A server's service instance through the service control manager: install, query, start,
// stop, pause, continue and the user-defined controls. Every answer is 0 or the manager's
// own error number, as Windows gives it (1056, 1060, 1061, 1062, ...).
#pragma once

#include <windows.h>

#include <string>

#include "server_locator.h"

class InstanceControl {
public:
    explicit InstanceControl(ServerPlace place) : m_place(std::move(place)) { }

    // The manager's current state (1 stopped ... 7 paused).
    DWORD Query(DWORD& state) const;
    // Starts and waits, bounded, until the instance leaves its start-pending state; an instance
    // that stays pending answers 1053, one that stops at once its own exit code.
    DWORD Start() const;
    // Stops and waits, bounded, until the instance has stopped (1053 when it does not).
    DWORD Stop() const;
    DWORD Pause() const;
    DWORD Continue() const;
    // A user-defined control (128-255), answered by the running instance's handler.
    DWORD Send(DWORD control) const;
    // Automatic or demand start.
    DWORD SetAutomaticStart(bool automatic) const;

    // Registers `program` as this server's instance ("program" /service NAME), or updates its
    // path; demand start.
    DWORD Install(const std::string& program) const;
    // Stops the instance when it runs and removes it; 0 when it was not installed.
    DWORD Uninstall() const;

    const ServerPlace& Place() const { return m_place; }

private:
    DWORD Command(DWORD control, DWORD settledState) const;
    ServerPlace m_place;
};
