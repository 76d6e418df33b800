// SETPROBE.EXE: what the installer test asks of a Windows it cannot see from Linux.
//   SETPROBE service NAME         prints the service's state: running, stopped, ... or absent
//   SETPROBE window PROGRAM [S]   starts PROGRAM, waits up to S seconds (default 30) for a
//                                 visible top-level window of its process, prints its title,
//                                 then closes the program; exit code 0 when a window came
//   SETPROBE find TITLE           exit code 0 when a visible top-level window's title contains TITLE
//   SETPROBE click TITLE ID       clicks the button ID of the visible top-level window whose
//                                 title contains TITLE (a setup page's Next is button 1)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* StateName(DWORD state)
{
    switch (state) {
    case SERVICE_STOPPED: return "stopped";
    case SERVICE_START_PENDING: return "starting";
    case SERVICE_STOP_PENDING: return "stopping";
    case SERVICE_RUNNING: return "running";
    case SERVICE_CONTINUE_PENDING: return "continuing";
    case SERVICE_PAUSE_PENDING: return "pausing";
    case SERVICE_PAUSED: return "paused";
    default: return "unknown";
    }
}

int ServiceState(const char* name)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) {
        std::printf("no service manager (%lu)\n", GetLastError());
        return 2;
    }
    SC_HANDLE service = OpenServiceA(manager, name, SERVICE_QUERY_STATUS);
    if (!service) {
        std::printf("absent\n");
        CloseServiceHandle(manager);
        return 1;
    }
    SERVICE_STATUS status = {};
    const bool read = QueryServiceStatus(service, &status) != FALSE;
    std::printf("%s\n", read ? StateName(status.dwCurrentState) : "unreadable");
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return read ? 0 : 2;
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK LookAtWindow(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

int ProgramWindow(const char* program, int seconds)
{
    std::string command = std::string("\"") + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("%s could not be started (%lu)\n", program, GetLastError());
        return 2;
    }
    WindowSearch search = {process.dwProcessId, nullptr};
    const DWORD start = GetTickCount();
    while (!search.found && GetTickCount() - start < static_cast<DWORD>(seconds) * 1000) {
        if (WaitForSingleObject(process.hProcess, 200) == WAIT_OBJECT_0)
            break;
        EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(&search));
    }
    int result = 1;
    if (search.found) {
        char title[256] = {};
        GetWindowTextA(search.found, title, sizeof title);
        std::printf("window: %s\n", title);
        result = 0;
        PostMessageA(search.found, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 0);
    } else {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        std::printf("no window (the program %s, exit code %lu)\n", code == STILL_ACTIVE ? "still runs" : "ended", code);
        TerminateProcess(process.hProcess, 0);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

struct TitleSearch {
    const char* part;
    HWND found;
};

BOOL CALLBACK LookAtTitle(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<TitleSearch*>(data);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::strstr(title, search->part)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTitled(const char* titlePart)
{
    TitleSearch search = {titlePart, nullptr};
    EnumWindows(LookAtTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int ClickButton(const char* titlePart, int id)
{
    TitleSearch search = {titlePart, FindTitled(titlePart)};
    if (!search.found) {
        std::printf("no window titled like \"%s\"\n", titlePart);
        return 1;
    }
    HWND button = GetDlgItem(search.found, id);
    if (!button || !IsWindowEnabled(button)) {
        std::printf("button %d is missing or disabled\n", id);
        return 1;
    }
    // Posted: the setup may take its time to act on it, and the probe must not wait on that.
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "service")
        return ServiceState(argv[2]);
    if (argc >= 3 && std::string(argv[1]) == "window")
        return ProgramWindow(argv[2], argc >= 4 ? std::atoi(argv[3]) : 30);
    if (argc >= 3 && std::string(argv[1]) == "find")
        return FindTitled(argv[2]) ? 0 : 1;
    if (argc >= 4 && std::string(argv[1]) == "click")
        return ClickButton(argv[2], std::atoi(argv[3]));
    std::printf("usage: SETPROBE service NAME | window PROGRAM [SECONDS] | click TITLE ID\n");
    return 2;
}
