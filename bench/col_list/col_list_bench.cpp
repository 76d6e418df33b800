// Times filling a sorted column list and re-sorting it, and counts the heap the rows take.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "col_list.h"

namespace {

// Bytes in use in every heap of the process: the list box's storage and the row records alike.
unsigned long long HeapBytesInUse()
{
    std::vector<HANDLE> heaps(64);
    DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    heaps.resize(std::min<size_t>(count, heaps.size()));
    unsigned long long bytes = 0;
    for (HANDLE heap : heaps) {
        PROCESS_HEAP_ENTRY entry = {};
        if (!HeapLock(heap))
            continue;
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                bytes += entry.cbData;
        }
        HeapUnlock(heap);
    }
    return bytes;
}

// IP-net-table rows: a network, a numeric field, a name and a site.
std::vector<std::string> Rows(int count, bool rising)
{
    std::mt19937 random(11);
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
        unsigned number = rising ? static_cast<unsigned>(i) : random() % 100000;
        rows.push_back("10." + std::to_string(random() % 256) + "." + std::to_string(random() % 256) + ".0\t" +
            std::to_string(number) + "\tNet " + std::to_string(i) + "\tsite");
    }
    return rows;
}

struct Figures {
    double add = 0;
    double paint = 0;
    double resort = 0;
    double frontAdd = 0;  // rising numbers under a descending sort: every row goes first
    long long bytes = 0;
};

bool MakeList(CColList& list, HWND owner)
{
    if (!list.Create(
            4, WS_VISIBLE, RECT {0, 0, 600, 400}, owner, 100, ColListFlags::kNotify | ColListFlags::kKeepSelection))
        return false;
    for (int column = 0; column < 4; ++column)
        list.SetColumnWidth(column, 120);
    list.SetColumnSortType(1, SortType::Numeric);
    PumpWaitingMessages();
    return true;
}

Figures Measure(HWND owner, int count, bool countBytes)
{
    Figures figures;
    std::vector<std::string> rows = Rows(count, false);
    std::vector<std::string> rising = Rows(count, true);
    unsigned long long before = countBytes ? HeapBytesInUse() : 0;
    {
        CColList list;
        if (!MakeList(list, owner)) {
            std::printf("creation failed\n");
            return figures;
        }
        double start = BenchMilliseconds();
        for (const std::string& row : rows)
            list.AddItem(row);
        figures.add = BenchMilliseconds() - start;
        start = BenchMilliseconds();
        PumpWaitingMessages();
        UpdateWindow(owner);
        figures.paint = BenchMilliseconds() - start;
        if (countBytes)
            figures.bytes = static_cast<long long>(HeapBytesInUse()) - static_cast<long long>(before);

        SendMessageA(list.ListBox(), LB_SETCURSEL, static_cast<WPARAM>(count / 2), 0);
        start = BenchMilliseconds();
        list.SortByColumn(1, false, -1);
        figures.resort = BenchMilliseconds() - start;
        PumpWaitingMessages();
    }
    {
        CColList list;
        MakeList(list, owner);
        list.SortByColumn(1, true, 0);
        double start = BenchMilliseconds();
        for (const std::string& row : rising)
            list.AddItem(row);
        figures.frontAdd = BenchMilliseconds() - start;
        PumpWaitingMessages();
    }
    return figures;
}

}  // namespace

int main()
{
    HWND owner = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 620, 420, nullptr,
        nullptr, GetModuleHandleA(nullptr), nullptr);
    // Each size runs several times and the median is shown, as the machine may be busy; the
    // best add shows what an idle machine does. The heap count is taken on a first run, before
    // any row of that size was freed.
    std::printf("%6s  %9s  %9s  %9s  %9s  %9s  %9s  %10s\n", "rows", "add ms", "best add", "best/1k", "front ms",
        "paint ms", "sort ms", "heap bytes");
    for (int count : {1024, 4096, 16384, 65536}) {
        std::vector<Figures> runs;
        const int repeats = count > 16384 ? 3 : 5;
        for (int run = 0; run < repeats; ++run)
            runs.push_back(Measure(owner, count, run == 0));
        double best = std::min_element(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) {
            return a.add < b.add;
        })->add;
        std::printf("%6d  %9.1f  %9.1f  %9.2f  %9.1f  %9.1f  %9.1f  %10lld (%lld per row)\n", count,
            MedianOf(runs, &Figures::add), best, best * 1024 / count, MedianOf(runs, &Figures::frontAdd),
            MedianOf(runs, &Figures::paint), MedianOf(runs, &Figures::resort), runs[0].bytes, runs[0].bytes / count);
        std::fflush(stdout);
    }
    DestroyWindow(owner);
    return 0;
}
