// The values the whole Alert Manager shares: the administered server, the current
// application, the Alert Service's state, the alert core and the frame's page reload.
#pragma once

#include "alert_core.h"

// The Alert Service's state as the program keeps it. Any status other than stopped, paused
// and a stop asked by this program counts as running.
enum ServiceState : int {
    kServiceStopped = 1,
    kServicePaused = 2,
    kServiceRunning = 3,
    kServiceStopping = 4,
};

// What a page may ask of the main frame.
class FrameRequests {
public:
    virtual ~FrameRequests() = default;
    // Reloads every page from the alert core; `serviceStopped` is handed to the log pages.
    virtual void ReloadAllPages(int serviceStopped) = 0;
};

struct ProgramValues {
    // A bare computer name, no leading backslashes; the first argument of every core call.
    char serverName[64] = {};
    // The application chosen in the toolbar's selector; empty until one is chosen.
    char applicationName[24] = {};
    int serviceState = kServiceRunning;
    // Not owned. The production core is installed at start-up, a recording fake by tests.
    AlertCore* core = nullptr;
    // Not owned; null while no frame exists.
    FrameRequests* frame = nullptr;
};

ProgramValues& Program();
// The installed alert core. Calling it before one is installed is a programming fault.
AlertCore& Core();
// True when the current server is this computer (the names compared without case).
bool IsLocalServer();
// The local computer's name, as GetComputerNameA gives it (empty on failure).
const char* LocalComputerName();
