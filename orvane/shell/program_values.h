// The values the whole Alert Manager shares: the administered server, the current
// application, the Alert Service's state, the alert core, the frame and the help file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "alert_core.h"

class NetworkProvider;
class ServiceControl;

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
    // Shows the service state in the status bar now, before the next idle pass.
    virtual void ShowServiceStateNow() = 0;
    // Brings the configuration page at `index` of the frame's page table to the front, with its
    // menu, as a click on its tab would.
    virtual void ShowConfigurationPage(int index) { (void)index; }
};

// How a window opens the program's help at a topic; tests replace it to see which topic.
using HelpOpener = std::function<void(HWND owner, UINT topic)>;

// One object of this kind is owned by the application object; every window gets it from the
// object that creates it.
struct ProgramValues {
    static constexpr std::size_t kApplicationNameSize = 24;

    // A bare computer name, no leading backslashes; the first argument of every core call.
    char serverName[64] = {};
    // The application chosen in the toolbar's selector; empty until one is chosen.
    char applicationName[kApplicationNameSize] = {};
    int serviceState = kServiceRunning;
    // Not owned. The production core is installed at start-up, a recording fake by tests.
    AlertCore* core = nullptr;
    // Not owned; null while no frame exists.
    FrameRequests* frame = nullptr;
    // Not owned: the Alert Service's status on this and other computers.
    ServiceControl* serviceControl = nullptr;
    // Not owned: the Windows network the browse lists walk and the printer logons use; the
    // system's while none is installed.
    NetworkProvider* network = nullptr;
    HelpOpener openHelp;

    // The installed alert core. Asking before one is installed is a programming fault.
    AlertCore& Core() const;
    ServiceControl& Services() const;
    NetworkProvider& Network() const;
    // True when the current server is this computer (the names compared without case).
    bool IsLocalServer() const;
    // Whether `name` fits the current application's field whole; a longer name is never cut,
    // since the cut name would be another application's.
    static bool FitsApplicationName(const char* name);
    // Makes `name` the current application; false, and nothing changed, when it does not fit.
    bool SetApplicationName(const char* name);
    void OpenHelp(HWND owner, UINT topic) const;
};

// The local computer's name, as GetComputerNameA gives it (empty on failure).
const char* LocalComputerName();
// Opens the help file beside the program (the program's own name with the extension "HLP")
// at `topic`.
void OpenProgramHelp(HWND owner, UINT topic);
// The help file's path for the program at `programPath`.
std::string HelpFileFor(const std::string& programPath);
