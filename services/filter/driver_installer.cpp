// Creating, starting, stopping and removing the VxmFilter driver service.
#include "driver_installer.h"

#include <windows.h>

namespace vxmflt {

namespace {

// A driver loads and unloads at once under Wine and within a second on Windows; this
// bounds the wait for a pending state.
constexpr DWORD kStateWaitMs = 15000;

std::string Failed(const char* what, DWORD error)
{
    return std::string(what) + " failed with error " + std::to_string(error) + ".";
}

// Closes a service control handle when it goes out of scope.
class ScHandle {
public:
    explicit ScHandle(SC_HANDLE handle) : m_handle(handle) { }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    ~ScHandle()
    {
        if (m_handle)
            CloseServiceHandle(m_handle);
    }
    SC_HANDLE get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    SC_HANDLE m_handle;
};

DWORD WaitWhile(SC_HANDLE service, DWORD pendingState, SERVICE_STATUS& status)
{
    const DWORD start = GetTickCount();
    while (QueryServiceStatus(service, &status) && status.dwCurrentState == pendingState &&
        GetTickCount() - start < kStateWaitMs)
        Sleep(20);
    return status.dwCurrentState;
}

}  // namespace

std::string FilterDriverInstaller::DefaultDriverPath()
{
    char program[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path(program, length);
    const std::size_t slash = path.find_last_of("\\/");
    path.erase(slash == std::string::npos ? 0 : slash + 1);
    return path + "VXMFLT.SYS";
}

unsigned long FilterDriverInstaller::Install(const std::string& driverPath, std::string& message)
{
    if (GetFileAttributesA(driverPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        message = "The driver " + driverPath + " was not found.";
        return ERROR_FILE_NOT_FOUND;
    }
    const ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE | SC_MANAGER_CONNECT));
    if (!manager) {
        const DWORD error = GetLastError();
        message = Failed("Opening the service control manager", error);
        return error;
    }
    // A driver's image path is a file name, not a command line: it is not quoted.
    const ScHandle created(CreateServiceA(manager.get(), kDriverServiceName, kDriverDisplayName, SERVICE_ALL_ACCESS,
        SERVICE_KERNEL_DRIVER, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, driverPath.c_str(), nullptr, nullptr,
        nullptr, nullptr, nullptr));
    if (created) {
        message = std::string(kDriverServiceName) + " installed.";
        return 0;
    }
    DWORD error = GetLastError();
    if (error != ERROR_SERVICE_EXISTS) {
        message = Failed("Installing the driver service", error);
        return error;
    }
    const ScHandle existing(OpenServiceA(manager.get(), kDriverServiceName, SERVICE_CHANGE_CONFIG));
    if (existing &&
        ChangeServiceConfigA(existing.get(), SERVICE_KERNEL_DRIVER, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
            driverPath.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)) {
        message = std::string(kDriverServiceName) + " was installed already; its driver path is updated.";
        return 0;
    }
    error = GetLastError();
    message = Failed("Updating the driver service", error);
    return error;
}

unsigned long FilterDriverInstaller::Start(const std::string& driverPath, std::string& message)
{
    if (const unsigned long installed = Install(driverPath, message))
        return installed;
    const ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ScHandle service(
        manager ? OpenServiceA(manager.get(), kDriverServiceName, SERVICE_START | SERVICE_QUERY_STATUS) : nullptr);
    if (!service) {
        const DWORD error = GetLastError();
        message = Failed("Opening the driver service", error);
        return error;
    }
    if (!StartServiceA(service.get(), 0, nullptr) && GetLastError() != ERROR_SERVICE_ALREADY_RUNNING) {
        const DWORD error = GetLastError();
        message = Failed("Loading the driver", error);
        return error;
    }
    SERVICE_STATUS status = {};
    if (WaitWhile(service.get(), SERVICE_START_PENDING, status) != SERVICE_RUNNING) {
        const DWORD error = status.dwWin32ExitCode ? status.dwWin32ExitCode : ERROR_SERVICE_REQUEST_TIMEOUT;
        message = Failed("Loading the driver", error);
        return error;
    }
    message = std::string(kDriverServiceName) + " is running.";
    return 0;
}

unsigned long FilterDriverInstaller::Stop(std::string& message)
{
    const ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ScHandle service(
        manager ? OpenServiceA(manager.get(), kDriverServiceName, SERVICE_STOP | SERVICE_QUERY_STATUS) : nullptr);
    if (!service) {
        const DWORD error = GetLastError();
        message = error == ERROR_SERVICE_DOES_NOT_EXIST ? std::string(kDriverServiceName) + " is not installed."
                                                        : Failed("Opening the driver service", error);
        return error;
    }
    SERVICE_STATUS status = {};
    if (QueryServiceStatus(service.get(), &status) && status.dwCurrentState == SERVICE_STOPPED) {
        message = std::string(kDriverServiceName) + " is stopped.";
        return 0;
    }
    if (!ControlService(service.get(), SERVICE_CONTROL_STOP, &status) && GetLastError() != ERROR_SERVICE_NOT_ACTIVE) {
        const DWORD error = GetLastError();
        message = Failed("Unloading the driver", error);
        return error;
    }
    if (WaitWhile(service.get(), SERVICE_STOP_PENDING, status) != SERVICE_STOPPED) {
        message = Failed("Unloading the driver", ERROR_SERVICE_REQUEST_TIMEOUT);
        return ERROR_SERVICE_REQUEST_TIMEOUT;
    }
    message = std::string(kDriverServiceName) + " is stopped.";
    return 0;
}

unsigned long FilterDriverInstaller::Uninstall(std::string& message)
{
    const unsigned long stopped = Stop(message);
    if (stopped == ERROR_SERVICE_DOES_NOT_EXIST) {
        message = std::string(kDriverServiceName) + " is not installed.";
        return 0;
    }
    if (stopped)
        return stopped;
    const ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ScHandle service(manager ? OpenServiceA(manager.get(), kDriverServiceName, DELETE) : nullptr);
    if (!service || !DeleteService(service.get())) {
        const DWORD error = GetLastError();
        message = Failed("Removing the driver service", error);
        return error;
    }
    message = std::string(kDriverServiceName) + " uninstalled.";
    return 0;
}

FilterDriverInstaller::State FilterDriverInstaller::Query(unsigned long* error)
{
    if (error)
        *error = 0;
    const ScHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const ScHandle service(manager ? OpenServiceA(manager.get(), kDriverServiceName, SERVICE_QUERY_STATUS) : nullptr);
    SERVICE_STATUS status = {};
    if (!service || !QueryServiceStatus(service.get(), &status)) {
        const DWORD failure = GetLastError();
        if (failure == ERROR_SERVICE_DOES_NOT_EXIST)
            return State::NotInstalled;
        if (error)
            *error = failure;
        return State::Other;
    }
    if (status.dwCurrentState == SERVICE_RUNNING)
        return State::Running;
    if (status.dwCurrentState == SERVICE_STOPPED)
        return State::Stopped;
    return State::Other;
}

}  // namespace vxmflt
