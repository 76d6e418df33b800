// Process and service control helpers of the tests that drive the real Alert Service.
#include "alert_service_suite.h"

#include "halden.h"

std::unique_ptr<ScratchAlertHome> AlertServiceSuite::m_home;

std::string PathBesideTest(const std::string& name)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self(path, length);
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

int RunBesideTest(const std::string& program, const std::string& arguments)
{
    std::string command = "\"" + PathBesideTest(program) + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    DWORD exitCode = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exitCode);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

DWORD ServiceState()
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return 0;
    DWORD state = 0;
    SC_HANDLE service = OpenServiceA(manager, "Morwick Alert Notification Server", SERVICE_QUERY_STATUS);
    SERVICE_STATUS status = {};
    if (service && QueryServiceStatus(service, &status))
        state = status.dwCurrentState;
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return state;
}

bool ServiceInstalled()
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager)
        return false;
    SC_HANDLE service = OpenServiceA(manager, "Morwick Alert Notification Server", SERVICE_QUERY_STATUS);
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return service != nullptr;
}

void AlertServiceSuite::SetUpTestSuite()
{
    m_home = std::make_unique<ScratchAlertHome>("service");
    // A service left by an earlier, interrupted run is replaced by this build's program.
    RunBesideTest("ALERTSVC.EXE", "/uninstall");
}

void AlertServiceSuite::TearDownTestSuite()
{
    AlertStopService("", 0);
    RunBesideTest("ALERTSVC.EXE", "/uninstall");
    m_home.reset();
}

void AlertServiceSuite::SetUp()
{
    ASSERT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/install"));
    ASSERT_TRUE(ServiceInstalled());
}

void AlertServiceSuite::TearDown()
{
    if (ServiceState() != SERVICE_STOPPED)
        AlertStopService("", 0);
}
