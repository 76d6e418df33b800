// Starts the real ORVANE.EXE: its window, the one-copy rule between two real processes, and
// the refusal to start without an Alert home.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "alert_service_suite.h"
#include "scratch_alert_home.h"

namespace {

struct FoundWindow {
    DWORD processId;
    HWND window;
    const char* className;
};

BOOL CALLBACK FindTopLevelOfProcess(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<FoundWindow*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == found->processId && (IsWindowVisible(window) || IsIconic(window)) &&
        (!found->className || lstrcmpA(className, found->className) == 0)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

class RunningOrvane {
public:
    explicit RunningOrvane(WORD show = SW_SHOWNORMAL, const std::string& program = PathBesideTest("ORVANE.EXE"))
    {
        std::string command = "\"" + program + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
        // The program's own folder as the working folder: a library is found there or not at all.
        const std::string folder = program.substr(0, program.find_last_of('\\'));
        m_started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &m_process) != FALSE;
        if (m_started)
            WaitForInputIdle(m_process.hProcess, 10000);
    }
    ~RunningOrvane()
    {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            if (HWND window = Window())
                PostMessageA(window, WM_CLOSE, 0, 0);
            if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
                TerminateProcess(m_process.hProcess, 1);
        }
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }

    bool Started() const { return m_started; }
    // The process's top-level window (of `className` when given), waiting up to 5 seconds.
    HWND Window(const char* className = nullptr) const
    {
        FoundWindow found = {m_process.dwProcessId, nullptr, className};
        for (int attempt = 0; attempt < 100 && !found.window; ++attempt) {
            EnumWindows(FindTopLevelOfProcess, reinterpret_cast<LPARAM>(&found));
            if (!found.window)
                Sleep(50);
        }
        return found.window;
    }
    // The exit code once the process ended within 10 seconds, else -1.
    long ExitCode() const
    {
        if (WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

std::string TextOfStaticIn(HWND dialog)
{
    std::string texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[32] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0) {
            char text[256] = {};
            GetWindowTextA(child, text, sizeof text);
            texts += text;
        }
    }
    return texts;
}

}  // namespace

TEST(OrvaneStart, MainWindowIsTitledAlertManagerWithTheMachineAndEndsCleanly)
{
    ScratchAlertHome home("orvane_start");
    RunningOrvane orvane;
    ASSERT_TRUE(orvane.Started());
    HWND window = orvane.Window("VexFrame");
    ASSERT_NE(nullptr, window);
    char title[128] = {};
    GetWindowTextA(window, title, sizeof title);
    // The summary page names the administered computer, at start the local one.
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    EXPECT_EQ(std::string("Alert Manager  (Machine Name : ") + computer + ")", title);
    EXPECT_NE(nullptr, GetMenu(window));

    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, orvane.ExitCode());
}

TEST(OrvaneStart, ASecondCopyRestoresTheMinimisedFirstAndEndsSilently)
{
    ScratchAlertHome home("orvane_two_copies");
    RunningOrvane first(SW_SHOWMINIMIZED);
    ASSERT_TRUE(first.Started());
    HWND window = first.Window("VexFrame");
    ASSERT_NE(nullptr, window);
    ASSERT_TRUE(IsIconic(window));

    RunningOrvane second;
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(1, second.ExitCode()) << "the second copy ends without waiting on a message box";
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST(OrvaneStart, WithoutAnAlertHomeItSaysTheInstallWasNotCompletedAndEnds)
{
    ScratchAlertHome home("orvane_no_home");
    home.ForgetHome();
    RunningOrvane orvane;
    ASSERT_TRUE(orvane.Started());
    HWND box = orvane.Window("#32770");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Alert Manager detected the Alert install was not completed.", TextOfStaticIn(box));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(1, orvane.ExitCode());
}

TEST(OrvaneStart, WithoutTheCustomControlLibraryItSaysSoAndEnds)
{
    ScratchAlertHome home("orvane_no_controls");
    // A folder holding the program and the alert core, but not the custom controls.
    const std::string folder = home.File("program");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(PathBesideTest("ORVANE.EXE").c_str(), (folder + "\\ORVANE.EXE").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(PathBesideTest("HALDEN.DLL").c_str(), (folder + "\\HALDEN.DLL").c_str(), FALSE));
    {
        RunningOrvane orvane(SW_SHOWNORMAL, folder + "\\ORVANE.EXE");
        ASSERT_TRUE(orvane.Started());
        HWND box = orvane.Window("#32770");
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("Can not run this test without custom ctrl DLL QVCTRL.DLL !", TextOfStaticIn(box));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(1, orvane.ExitCode());
    }
    DeleteFileA((folder + "\\ORVANE.EXE").c_str());
    DeleteFileA((folder + "\\HALDEN.DLL").c_str());
    RemoveDirectoryA(folder.c_str());
}
