// Starts the real ORVANE.EXE and looks at the window it shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindTopLevelOfProcess(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<FoundWindow*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == found->processId && IsWindowVisible(window)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

std::string ProgramBesideThisTest(const char* name)
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

TEST(OrvaneStart, MainWindowIsTitledAlertManager)
{
    std::string command = "\"" + ProgramBesideThisTest("ORVANE.EXE") + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    WaitForInputIdle(process.hProcess, 10000);

    FoundWindow found = {process.dwProcessId, nullptr};
    for (int attempt = 0; attempt < 100 && !found.window; ++attempt) {
        EnumWindows(FindTopLevelOfProcess, reinterpret_cast<LPARAM>(&found));
        if (!found.window)
            Sleep(50);
    }
    ASSERT_NE(nullptr, found.window);
    char title[128] = {};
    GetWindowTextA(found.window, title, sizeof title);
    EXPECT_STREQ("Alert Manager", title);

    PostMessageA(found.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 10000));
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
