// STATGALY.EXE: the Alert Summary page and the activity log in a logs tab window, for looking at
// what a person would see (a stopped service, some counts and a few log lines).
#include <windows.h>

#include <string>

#include "activity_log_paths.h"
#include "activity_log_view.h"
#include "al_static_wnd.h"
#include "as_tab_wnd.h"
#include "fake_alert_core.h"
#include "fake_service_control.h"
#include "program_values.h"

namespace {

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

FakeAnswer Text(const std::string& text)
{
    FakeAnswer answer;
    answer.data.assign(text.begin(), text.end());
    answer.data.push_back(0);
    return answer;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    // "running" on the command line shows a running service, else a stopped one.
    const bool running = std::string(commandLine).find("running") != std::string::npos;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vex-status-gallery";
    CreateDirectoryA(folder.c_str(), nullptr);
    HANDLE log = CreateFileA((folder + "\\ALERT.LOG").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    const char lines[] = "12/08/2026 09:14:02 Critical alert of VEXOMAR: Virus found in C:\\DATA\\GAME.EXE (AL000001.EVT)\r\n"
                         "12/08/2026 09:14:02 VEXOMAR alert delivered by pager to Ann Smith at 555-0100\r\n"
                         "12/08/2026 10:02:45 Informational alert of ALERT: Disk space is low (AL000002.EVT)\r\n";
    DWORD written = 0;
    WriteFile(log, lines, sizeof lines - 1, &written, nullptr);
    CloseHandle(log);

    FakeAlertCore core;
    std::vector<BYTE> statistics(256, 0);
    const int counts[3] = {3, 12, 27};
    memcpy(statistics.data(), counts, sizeof counts);
    FakeAnswer statisticsAnswer;
    statisticsAnswer.data = statistics;
    core.AnswerAlways("AlertGetStatistics", statisticsAnswer);
    core.AnswerAlways("AlertGetHomeLog", Text(folder));
    core.AnswerAlways("AlertGetHomeEventLog", Text(folder));
    Program().core = &core;
    lstrcpynA(Program().serverName, LocalComputerName(), sizeof Program().serverName);
    FakeServiceControl control;
    control.localStatus = running ? SERVICE_RUNNING : SERVICE_STOPPED;

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "StatusGallery";
    RegisterClassA(&windowClass);
    HWND frame = CreateWindowExA(0, "StatusGallery", "Alert Manager - logs", WS_OVERLAPPEDWINDOW | WS_VISIBLE |
                                 WS_CLIPCHILDREN, 20, 20, 570, 490, nullptr, nullptr, instance, nullptr);
    RECT client = {};
    GetClientRect(frame, &client);

    CASTabWnd tab;
    tab.Create(frame, client, 100, 3);
    CAlStaticWnd summary(control);
    summary.CreateInTab(tab, 0);
    tab.SetTab(0, -1, "Alert Summary", summary.m_hWnd, true);
    summary.Load(1);
    summary.SendMessage(WM_TIMER, CAlStaticWnd::kPollTimer);
    CActivityLogView activity;
    activity.CreateInTab(tab, 2);
    tab.SetTab(2, -1, "Activity Log", activity.m_hWnd, true);
    tab.SetTab(1, -1, "Event Log", nullptr, true);
    activity.Refresh(1);
    // "log" on the command line puts the activity log in front.
    tab.Select(std::string(commandLine).find("log") != std::string::npos ? 2 : 0);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
