// Bounded service control manager calls on one server's instance.
#include "instance_control.h"

namespace {

constexpr DWORD kSettleMs = 15000;

class Handle {
public:
    explicit Handle(SC_HANDLE handle) : m_handle(handle) { }
    ~Handle()
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    SC_HANDLE Get() const { return m_handle; }

private:
    SC_HANDLE m_handle;
};

SC_HANDLE OpenManager(const ServerPlace& place, DWORD access)
{
    const std::string machine = place.ServiceMachine();
    return OpenSCManagerA(machine.empty() ? nullptr : machine.c_str(), nullptr, access);
}

bool Pending(DWORD state)
{
    return state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING || state == SERVICE_PAUSE_PENDING ||
        state == SERVICE_CONTINUE_PENDING;
}

// Waits until the instance leaves its pending states; false when it cannot be read.
bool Settle(SC_HANDLE service, SERVICE_STATUS& status)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (!QueryServiceStatus(service, &status))
            return false;
        if (!Pending(status.dwCurrentState) || GetTickCount() - start > kSettleMs)
            return true;
        Sleep(20);
    }
}

}  // namespace

DWORD InstanceControl::Query(DWORD& state) const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    Handle service(OpenServiceA(manager.Get(), m_place.ServiceName().c_str(), SERVICE_QUERY_STATUS));
    if (!service.Get())
        return GetLastError();
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(service.Get(), &status))
        return GetLastError();
    state = status.dwCurrentState;
    return 0;
}

DWORD InstanceControl::Start() const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    Handle service(OpenServiceA(manager.Get(), m_place.ServiceName().c_str(), SERVICE_START | SERVICE_QUERY_STATUS));
    if (!service.Get())
        return GetLastError();
    if (!StartServiceA(service.Get(), 0, nullptr))
        return GetLastError();
    SERVICE_STATUS status = {};
    if (!Settle(service.Get(), status))
        return GetLastError();
    if (status.dwCurrentState == SERVICE_START_PENDING)
        return ERROR_SERVICE_REQUEST_TIMEOUT;
    if (status.dwCurrentState == SERVICE_STOPPED) {
        // An instance that refuses to run says why in its own exit code.
        if (status.dwWin32ExitCode == ERROR_SERVICE_SPECIFIC_ERROR && status.dwServiceSpecificExitCode)
            return status.dwServiceSpecificExitCode;
        return status.dwWin32ExitCode ? status.dwWin32ExitCode : ERROR_SERVICE_NEVER_STARTED;
    }
    return 0;
}

DWORD InstanceControl::Command(DWORD control, DWORD settledState) const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    const DWORD access = SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_PAUSE_CONTINUE | SERVICE_USER_DEFINED_CONTROL;
    Handle service(OpenServiceA(manager.Get(), m_place.ServiceName().c_str(), access));
    if (!service.Get())
        return GetLastError();
    SERVICE_STATUS status = {};
    if (!ControlService(service.Get(), control, &status))
        return GetLastError();
    if (!settledState)
        return 0;
    if (!Settle(service.Get(), status))
        return GetLastError();
    return status.dwCurrentState == settledState ? 0 : ERROR_SERVICE_REQUEST_TIMEOUT;
}

DWORD InstanceControl::Stop() const
{
    return Command(SERVICE_CONTROL_STOP, SERVICE_STOPPED);
}

DWORD InstanceControl::Pause() const
{
    return Command(SERVICE_CONTROL_PAUSE, SERVICE_PAUSED);
}

DWORD InstanceControl::Continue() const
{
    return Command(SERVICE_CONTROL_CONTINUE, SERVICE_RUNNING);
}

DWORD InstanceControl::Send(DWORD control) const
{
    return Command(control, 0);
}

DWORD InstanceControl::SetAutomaticStart(bool automatic) const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    Handle service(OpenServiceA(manager.Get(), m_place.ServiceName().c_str(), SERVICE_CHANGE_CONFIG));
    if (!service.Get())
        return GetLastError();
    if (!ChangeServiceConfigA(service.Get(), SERVICE_NO_CHANGE, automatic ? SERVICE_AUTO_START : SERVICE_DEMAND_START,
            SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr))
        return GetLastError();
    return 0;
}

DWORD InstanceControl::Install(const std::string& program) const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CREATE_SERVICE | SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    const std::string command = "\"" + program + "\" /service " + (m_place.local ? std::string(".") : m_place.name);
    const std::string name = m_place.ServiceName();
    Handle created(
        CreateServiceA(manager.Get(), name.c_str(), name.c_str(), SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
            SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    if (created.Get())
        return 0;
    if (GetLastError() != ERROR_SERVICE_EXISTS)
        return GetLastError();
    Handle existing(OpenServiceA(manager.Get(), name.c_str(), SERVICE_CHANGE_CONFIG));
    if (!existing.Get() ||
        !ChangeServiceConfigA(existing.Get(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, command.c_str(),
            nullptr, nullptr, nullptr, nullptr, nullptr, nullptr))
        return GetLastError();
    return 0;
}

DWORD InstanceControl::Uninstall() const
{
    Handle manager(OpenManager(m_place, SC_MANAGER_CONNECT));
    if (!manager.Get())
        return GetLastError();
    Handle service(
        OpenServiceA(manager.Get(), m_place.ServiceName().c_str(), SERVICE_STOP | SERVICE_QUERY_STATUS | DELETE));
    if (!service.Get())
        return GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST ? 0 : GetLastError();
    SERVICE_STATUS status = {};
    if (QueryServiceStatus(service.Get(), &status) && status.dwCurrentState != SERVICE_STOPPED) {
        ControlService(service.Get(), SERVICE_CONTROL_STOP, &status);
        Settle(service.Get(), status);
    }
    return DeleteService(service.Get()) ? 0 : GetLastError();
}
