// EVTGALRY.EXE: the event log page over a few sample records, for looking at what a person would see.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "alert_record_format.h"
#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "fake_alert_core.h"
#include "logs_ids.h"
#include "program_values.h"
#include "test_program.h"

namespace {

void WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
}

// A sample table: four records of each priority group and one freed slot among them.
std::string WriteSampleFolder()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vex-event-gallery";
    CreateDirectoryA(folder.c_str(), nullptr);
    struct Sample {
        const char* description;
        const char* application;
        int priority;
        std::int32_t time;
    };
    const Sample samples[] = {
        {"Virus EICAR-Test found in C:\\INCOMING\\REPORT.DOC", "VEXOMAR", 0, 1765000000},
        {"Scan of drive C: finished, 2 files cured", "VEXOMAR", 3, 1765003600},
        {"", "", 0, 0},
        {"Signature file VIRSIG.DAT is older than 30 days", "VEXOMAR", 2, 1765007200},
        {"Real-time filter stopped on FILESRV1", "ALERT", 1, 1765010800},
        {"Disk space low on volume D:", "ALERT", 2, 1765014400},
    };
    std::vector<BYTE> table(alert_table::kSlotSize, 0);
    alert_table::HeaderCounts counts;
    int slot = 1;
    for (const Sample& sample : samples) {
        std::vector<BYTE> bytes(alert_table::kSlotSize, 0);
        if (sample.time != 0) {
            alert_table::Record record;
            record.eventFile = "AL" + std::string(6 - std::to_string(slot).size(), '0') + std::to_string(slot) + ".EVT";
            record.description = sample.description;
            record.application = sample.application;
            record.priority = sample.priority;
            record.time = sample.time;
            alert_table::WriteRecord(record, bytes.data());
            const std::string text = std::string("Alert: ") + sample.description + "\r\n";
            WriteFileBytes(folder + "\\" + record.eventFile, std::vector<BYTE>(text.begin(), text.end()));
            int* counted[] = {&counts.critical, &counts.warning, &counts.informational};
            ++*counted[alert_table::CountIndexOfPriority(sample.priority)];
        }
        table.insert(table.end(), bytes.begin(), bytes.end());
        ++slot;
    }
    alert_table::WriteHeaderCounts(counts, table.data());
    WriteFileBytes(folder + "\\ALRECORD.TBL", table);
    return folder;
}

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    const std::string folder = WriteSampleFolder();
    FakeAlertCore core;
    FakeAnswer directory;
    directory.data.assign(folder.begin(), folder.end());
    core.AnswerAlways("AlertGetHomeEventLog", directory);
    TestProgram().core = &core;
    std::strcpy(TestProgram().serverName, "GALLERY");

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GalleryProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "EventGallery";
    RegisterClassA(&windowClass);
    HWND frame = CreateWindowExA(0, "EventGallery", "Event Log", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20,
        20, 640, 360, nullptr, nullptr, instance, nullptr);
    RECT client = {};
    GetClientRect(frame, &client);

    CASTabWnd tab;
    tab.Create(frame, client, 1, 1);
    CEventDlg page {TestProgram()};
    page.CreateInTab(tab, 0);
    tab.SetTab(0, -1, "Event Log", page.m_hWnd, true);
    tab.Select(0);
    page.Load(1);
    // The second row selected, to see a marker on the highlight.
    SendMessageA(page.List().ListBox(), LB_SETSEL, TRUE, 1);
    // "view" on the command line opens that row's event file as well.
    if (commandLine && std::strstr(commandLine, "view"))
        page.PostMessage(WM_COMMAND, ID_EVENT_VIEW);

    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
