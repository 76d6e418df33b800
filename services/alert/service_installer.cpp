// Registering the Alert Service and preparing the Alert home it writes to.
#include "service_installer.h"

#include <windows.h>

#include "alert_home.h"
#include "atomic_file.h"
#include "registry_value.h"
#include "settings_repository.h"

namespace {

constexpr DWORD kStopWaitMs = 15000;  // also the bound of a start

std::string ErrorText(const char* what, DWORD error)
{
    return std::string(what) + " failed with error " + std::to_string(error) + ".";
}

unsigned long PrepareHome(std::string& message)
{
    std::optional<std::string> home = ReadMachineString(kAlertPathKey, "Home");
    if (!home || home->empty()) {
        home = ServiceInstaller::DefaultHome();
        const LONG status = WriteMachineString(kAlertPathKey, "Home", *home);
        if (status != ERROR_SUCCESS) {
            message = ErrorText("Writing the Alert home to the registry", static_cast<DWORD>(status));
            return static_cast<unsigned long>(status);
        }
    }
    DWORD error = 0;
    const std::optional<AlertHome> alertHome = AlertHome::ForServer("", &error);
    if (!alertHome || !EnsureFolder(alertHome->home) || !EnsureFolder(alertHome->logDirectory) ||
        !EnsureFolder(alertHome->eventLogDirectory)) {
        message = "The Alert home " + *home + " could not be created.";
        return ERROR_PATH_NOT_FOUND;
    }
    // The scanner raises its alerts as "VEXOMAR"; it has settings of its own from the start.
    SettingsRepository(*alertHome).Register("VEXOMAR");
    return 0;
}

}  // namespace

std::string ServiceInstaller::DefaultHome()
{
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string drive = windows[0] && windows[1] == ':' ? std::string(windows, 2) : std::string("C:");
    return drive + "\\MORWICK\\ALERT";
}

unsigned long ServiceInstaller::Install(std::string& message)
{
    const unsigned long prepared = PrepareHome(message);
    if (prepared)
        return prepared;
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string command = std::string("\"") + program + "\"";

    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE | SC_MANAGER_CONNECT);
    if (!manager) {
        message = ErrorText("Opening the service control manager", GetLastError());
        return GetLastError();
    }
    DWORD result = 0;
    SC_HANDLE service =
        CreateServiceA(manager, kServiceName, kServiceName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
            SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
    if (service) {
        message = std::string(kServiceName) + " installed.";
    } else if (GetLastError() == ERROR_SERVICE_EXISTS) {
        service = OpenServiceA(manager, kServiceName, SERVICE_CHANGE_CONFIG);
        if (service &&
            ChangeServiceConfigA(service, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, command.c_str(),
                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr))
            message = std::string(kServiceName) + " was installed already; its program path is updated.";
        else
            result = GetLastError();
    } else {
        result = GetLastError();
    }
    if (result)
        message = ErrorText("Installing the service", result);
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}

unsigned long ServiceInstaller::Start(std::string& message)
{
    const unsigned long installed = Install(message);
    if (installed)
        return installed;
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = manager ? OpenServiceA(manager, kServiceName, SERVICE_START | SERVICE_QUERY_STATUS) : nullptr;
    DWORD result = 0;
    if (!service) {
        result = GetLastError();
        message = ErrorText("Opening the service", result);
    } else if (!StartServiceA(service, 0, nullptr) && GetLastError() != ERROR_SERVICE_ALREADY_RUNNING) {
        result = GetLastError();
        message = ErrorText("Starting the service", result);
    } else {
        SERVICE_STATUS status = {};
        const DWORD start = GetTickCount();
        while (QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_START_PENDING &&
            GetTickCount() - start < kStopWaitMs)
            Sleep(50);
        if (status.dwCurrentState == SERVICE_RUNNING || status.dwCurrentState == SERVICE_PAUSED) {
            message = std::string(kServiceName) + " is running.";
        } else {
            result = status.dwWin32ExitCode ? status.dwWin32ExitCode : ERROR_SERVICE_REQUEST_TIMEOUT;
            message = ErrorText("Starting the service", result);
        }
    }
    if (service)
        CloseServiceHandle(service);
    if (manager)
        CloseServiceHandle(manager);
    return result;
}

namespace {

// Asks a running service to stop and waits, bounded, until it has.
void StopAndWait(SC_HANDLE service)
{
    SERVICE_STATUS status = {};
    if (QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED) {
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        const DWORD start = GetTickCount();
        while (QueryServiceStatus(service, &status) && status.dwCurrentState != SERVICE_STOPPED &&
            GetTickCount() - start < kStopWaitMs)
            Sleep(50);
    }
}

}  // namespace

unsigned long ServiceInstaller::Stop(std::string& message)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) {
        message = ErrorText("Opening the service control manager", GetLastError());
        return GetLastError();
    }
    SC_HANDLE service = OpenServiceA(manager, kServiceName, SERVICE_STOP | SERVICE_QUERY_STATUS);
    DWORD result = 0;
    if (!service) {
        result = GetLastError();
        if (result == ERROR_SERVICE_DOES_NOT_EXIST) {
            message = std::string(kServiceName) + " is not installed.";
            result = 0;
        } else {
            message = ErrorText("Opening the service", result);
        }
    } else {
        StopAndWait(service);
        SERVICE_STATUS status = {};
        if (QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_STOPPED) {
            message = std::string(kServiceName) + " is stopped.";
        } else {
            result = ERROR_SERVICE_REQUEST_TIMEOUT;
            message = ErrorText("Stopping the service", result);
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

unsigned long ServiceInstaller::Uninstall(std::string& message)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) {
        message = ErrorText("Opening the service control manager", GetLastError());
        return GetLastError();
    }
    SC_HANDLE service = OpenServiceA(manager, kServiceName, SERVICE_STOP | SERVICE_QUERY_STATUS | DELETE);
    if (!service) {
        const DWORD error = GetLastError();
        CloseServiceHandle(manager);
        if (error == ERROR_SERVICE_DOES_NOT_EXIST) {
            message = std::string(kServiceName) + " is not installed.";
            return 0;
        }
        message = ErrorText("Opening the service", error);
        return error;
    }
    StopAndWait(service);
    DWORD result = 0;
    if (DeleteService(service))
        message = std::string(kServiceName) + " uninstalled.";
    else
        message = ErrorText("Removing the service", result = GetLastError());
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return result;
}
