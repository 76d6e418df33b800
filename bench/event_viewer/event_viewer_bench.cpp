// Times the event log page loading an alert record table of 10,000 records, and reloading it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "alert_record_format.h"
#include "alert_record_table.h"
#include "alert_record_view.h"
#include "bench_clock.h"
#include "col_list.h"
#include "local_date_time.h"
#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "fake_alert_core.h"
#include "program_values.h"
#include "test_program.h"

namespace {

constexpr int kRecords = 10000;

void WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD done = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
}

// A table as the service leaves it after months: records in the order they were raised, all
// priorities, and every hundredth slot freed by a deletion.
std::vector<BYTE> Table(int records)
{
    std::vector<BYTE> table(alert_table::kSlotSize, 0);
    alert_table::HeaderCounts counts;
    const char* applications[] = {"VEXOMAR", "ALERT", "SCANNER"};
    for (int i = 1; i <= records; ++i) {
        std::vector<BYTE> slot(alert_table::kSlotSize, 0);
        if (i % 100 != 0) {
            alert_table::Record record;
            record.eventFile =
                "AL" + std::string(6 - std::to_string(i % 1000000).size(), '0') + std::to_string(i % 1000000) + ".EVT";
            record.description = "Virus EICAR-Test found in C:\\INCOMING\\REPORT" + std::to_string(i) + ".DOC";
            record.application = applications[i % 3];
            record.priority = i % 4;
            record.time = 1765000000 + i * 60;
            alert_table::WriteRecord(record, slot.data());
            int* counted[] = {&counts.critical, &counts.warning, &counts.informational};
            ++*counted[alert_table::CountIndexOfPriority(record.priority)];
        }
        table.insert(table.end(), slot.begin(), slot.end());
    }
    alert_table::WriteHeaderCounts(counts, table.data());
    return table;
}

struct Figures {
    double load = 0;  // first load: the column list made, the table read, the rows added
    double paint = 0;  // the first drawing of the filled list
    double reload = 0;  // the timer finding a longer table and filling the list again
    int rows = 0;
};

Figures Measure(HWND frame, const std::string& tablePath, const std::vector<BYTE>& table)
{
    Figures figures;
    WriteFileBytes(tablePath, table);
    RECT client = {};
    GetClientRect(frame, &client);
    CASTabWnd tab;
    tab.Create(frame, client, 1, 1);
    CEventDlg page {TestProgram()};
    page.CreateInTab(tab, 0);
    tab.SetTab(0, -1, "Event Log", page.m_hWnd, true);
    tab.Select(0);
    PumpWaitingMessages();

    double start = BenchMilliseconds();
    page.Load(1);
    figures.load = BenchMilliseconds() - start;
    start = BenchMilliseconds();
    PumpWaitingMessages();
    UpdateWindow(frame);
    figures.paint = BenchMilliseconds() - start;
    figures.rows = page.List().ItemCount();

    // One more record changes the length, and the next tick fills the list again.
    std::vector<BYTE> longer = table;
    longer.resize(longer.size() + alert_table::kSlotSize, 0);
    WriteFileBytes(tablePath, longer);
    start = BenchMilliseconds();
    page.SendMessage(WM_TIMER, CEventDlg::kReloadTimer);
    PumpWaitingMessages();
    figures.reload = BenchMilliseconds() - start;

    page.DestroyWindow();
    tab.DestroyWindow();
    PumpWaitingMessages();
    return figures;
}

// The parts of a fill on their own: the date and time texts of the rows, and the rows going
// into a column list with the page's flags, data and images.
struct Parts {
    double dateTimes = 0;
    double listRows = 0;
};

Parts MeasureParts(HWND frame, const std::vector<BYTE>& table)
{
    Parts parts;
    std::vector<alert_table::Record> records;
    for (size_t at = alert_table::kSlotSize; at + alert_table::kSlotSize <= table.size();
         at += alert_table::kSlotSize) {
        if (alert_table::SlotHoldsRecord(&table[at]))
            records.push_back(alert_table::ReadRecord(&table[at]));
    }
    double start = BenchMilliseconds();
    std::vector<std::string> lines;
    for (const alert_table::Record& record : records)
        lines.push_back(alert_table::EventListLine(LocalDateTimeText(record.time), record));
    parts.dateTimes = BenchMilliseconds() - start;

    HBITMAP image = CreateBitmap(16, 16, 1, 1, nullptr);
    CColList list;
    list.Create(4, WS_VISIBLE, RECT {0, 0, 600, 380}, frame, 101,
        ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kImages | ColListFlags::kExtendedSelection |
            ColListFlags::kGlobalClass | ColListFlags::kKeysStayInList | ColListFlags::kPlainEmptyMessage);
    list.SetColumnSortType(3, SortType::Numeric);
    list.SortByColumn(3, true, static_cast<int>(SortDirection::Descending));
    PumpWaitingMessages();
    start = BenchMilliseconds();
    for (size_t i = 0; i < lines.size(); ++i) {
        int position = list.AddItem(lines[i]);
        list.SetItemData(position, reinterpret_cast<void*>(static_cast<INT_PTR>(i)));
        list.SetItemImage(position, 0, image, image);
    }
    parts.listRows = BenchMilliseconds() - start;
    list.DestroyWindow();
    DeleteObject(image);
    PumpWaitingMessages();
    return parts;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vex-event-bench";
    CreateDirectoryA(folder.c_str(), nullptr);
    FakeAlertCore core;
    FakeAnswer directory;
    directory.data.assign(folder.begin(), folder.end());
    directory.data.push_back(0);
    core.AnswerAlways("AlertGetHomeEventLog", directory);
    TestProgram().core = &core;
    std::strcpy(TestProgram().serverName, "BENCH");
    CAlertRecordTable::ForgetPaths();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "EventBench";
    RegisterClassA(&windowClass);
    HWND frame = CreateWindowExA(0, "EventBench", "Event Log", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20,
        20, 640, 420, nullptr, nullptr, windowClass.hInstance, nullptr);

    const std::string tablePath = folder + "\\ALRECORD.TBL";
    std::vector<BYTE> table = Table(kRecords);
    std::vector<Figures> runs;
    std::vector<double> dateTimes, listRows;
    for (int run = 0; run < 5; ++run) {
        runs.push_back(Measure(frame, tablePath, table));
        Parts parts = MeasureParts(frame, table);
        dateTimes.push_back(parts.dateTimes);
        listRows.push_back(parts.listRows);
    }
    std::sort(dateTimes.begin(), dateTimes.end());
    std::sort(listRows.begin(), listRows.end());
    DeleteFileA(tablePath.c_str());
    RemoveDirectoryA(folder.c_str());
    DestroyWindow(frame);

    // The median of five runs, as the machine may be busy.
    std::printf("%d record slots, %d rows listed\n", kRecords, runs[0].rows);
    std::printf("first load %7.1f ms   first paint %6.1f ms   reload on a longer table %7.1f ms\n",
        MedianOf(runs, &Figures::load), MedianOf(runs, &Figures::paint), MedianOf(runs, &Figures::reload));
    std::printf("of a fill: date and time texts %7.1f ms   column list rows with data and images %7.1f ms\n",
        dateTimes[2], listRows[2]);
    return 0;
}
