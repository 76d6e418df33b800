// ServiceControl: start and stop of the antivirus service on a domain, a single server or a
// member server, with the question, the host's status line and the result of each server.
#pragma once

#include <windows.h>

#include "node_target.h"

class CWnd;
class ServiceCore;

class ServiceControl {
public:
    // `host` is the panel host's frame, which shows the status line (2416).
    ServiceControl(ServiceCore& core, HWND host);

    // Asks, then starts the server, or each server of a domain whose service is not active.
    // True when the question was answered OK (the tree's states are to be read again).
    bool Start(const NodeTarget& target, CWnd* owner);
    // The same for a stop, of each server of a domain whose service is active.
    bool Stop(const NodeTarget& target, CWnd* owner);

    struct Verb;

private:
    bool Run(const Verb& verb, const NodeTarget& target, CWnd* owner);
    void RunOne(const Verb& verb, const NodeTarget& server, CWnd* owner);
    DWORD Call(const Verb& verb, const NodeTarget& server);
    void ShowStatus(const std::string& text);
    void RestoreStatus();

    ServiceCore& m_core;
    HWND m_host;
};
