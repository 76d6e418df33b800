// Start, pause, continue and stop of the Alert Service through the service control manager.
#include "alert_home.h"
#include "export_guard.h"
#include "halden.h"

namespace {

enum class Command { Start, Pause, Continue, Stop };

constexpr DWORD kWaitMs = 15000;

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : m_handle(handle) { }
    ~ServiceHandle()
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE Get() const { return m_handle; }

private:
    SC_HANDLE m_handle;
};

// Waits, bounded, until the service leaves its pending state; false when it cannot be read.
bool Settle(SC_HANDLE service, SERVICE_STATUS& status)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (!QueryServiceStatus(service, &status))
            return false;
        const DWORD state = status.dwCurrentState;
        if (state != SERVICE_START_PENDING && state != SERVICE_STOP_PENDING && state != SERVICE_PAUSE_PENDING &&
            state != SERVICE_CONTINUE_PENDING)
            return true;
        if (GetTickCount() - start > kWaitMs)
            return true;
        Sleep(50);
    }
}

int Run(LPCSTR server, Command command)
{
    return Guarded(ERROR_GEN_FAILURE, [&]() -> int {
        DWORD error = 0;
        const auto home = AlertHome::ForServer(server, &error);
        if (!home && error == kServerUnreachable)
            return static_cast<int>(kServerUnreachable);
        // The local computer's service can be commanded even before its home is set.
        const std::string machine = home ? home->ServiceMachine() : std::string();
        ServiceHandle manager(OpenSCManagerA(machine.empty() ? nullptr : machine.c_str(), nullptr, SC_MANAGER_CONNECT));
        if (!manager.Get())
            return static_cast<int>(GetLastError());
        const DWORD access = SERVICE_QUERY_STATUS | SERVICE_START | SERVICE_STOP | SERVICE_PAUSE_CONTINUE;
        ServiceHandle service(OpenServiceA(manager.Get(), kServiceName, access));
        if (!service.Get())
            return static_cast<int>(GetLastError());

        DWORD wanted = SERVICE_RUNNING;
        SERVICE_STATUS status = {};
        BOOL sent = FALSE;
        switch (command) {
        case Command::Start: sent = StartServiceA(service.Get(), 0, nullptr); break;
        case Command::Pause:
            sent = ControlService(service.Get(), SERVICE_CONTROL_PAUSE, &status);
            wanted = SERVICE_PAUSED;
            break;
        case Command::Continue: sent = ControlService(service.Get(), SERVICE_CONTROL_CONTINUE, &status); break;
        case Command::Stop:
            sent = ControlService(service.Get(), SERVICE_CONTROL_STOP, &status);
            wanted = SERVICE_STOPPED;
            break;
        }
        if (!sent)
            return static_cast<int>(GetLastError());
        if (!Settle(service.Get(), status))
            return static_cast<int>(GetLastError());
        if (status.dwCurrentState == wanted)
            return 0;
        // A service that stopped instead of starting says why in its exit code.
        if (status.dwCurrentState == SERVICE_STOPPED && status.dwWin32ExitCode != NO_ERROR)
            return static_cast<int>(status.dwWin32ExitCode);
        return static_cast<int>(ERROR_SERVICE_REQUEST_TIMEOUT);
    });
}

}  // namespace

extern "C" {

int WINAPI AlertStartService(LPCSTR server, int)
{
    return Run(server, Command::Start);
}

int WINAPI AlertPauseService(LPCSTR server, int)
{
    return Run(server, Command::Pause);
}

int WINAPI AlertContinueService(LPCSTR server, int)
{
    return Run(server, Command::Continue);
}

int WINAPI AlertStopService(LPCSTR server, int)
{
    return Run(server, Command::Stop);
}

}  // extern "C"
