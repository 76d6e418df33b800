// Times filling a sorted column list with IP-net-table rows and re-sorting it by another column.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "col_list.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Flush()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<std::string> Rows(int count)
{
    std::mt19937 random(11);
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back("10." + std::to_string(random() % 256) + "." + std::to_string(random() % 256) + ".0\t"
                       + std::to_string(random() % 100000) + "\tNet " + std::to_string(i) + "\tsite");
    return rows;
}

struct Figures {
    double add;
    unsigned long long addComparisons;
    double paint;
    double resort;
    unsigned long long sortComparisons;
};

Figures Measure(HWND owner, int count)
{
    Figures figures = {};
    CColList list;
    if (!list.Create(4, WS_VISIBLE, RECT{0, 0, 600, 400}, owner, 100, ColListFlags::kNotify | ColListFlags::kKeepSelection)) {
        std::printf("creation failed\n");
        return figures;
    }
    for (int column = 0; column < 4; ++column)
        list.SetColumnWidth(column, 120);
    list.SetColumnSortType(1, SortType::Numeric);
    Flush();
    std::vector<std::string> rows = Rows(count);

    const_cast<ColListSortOrder&>(list.SortOrder()).ResetComparisons();
    double start = Now();
    for (const std::string& row : rows)
        list.AddItem(row);
    double added = Now() - start;
    unsigned long long addComparisons = list.SortOrder().Comparisons();
    start = Now();
    Flush();
    UpdateWindow(owner);
    double painted = Now() - start;

    SendMessageA(list.ListBox(), LB_SETCURSEL, static_cast<WPARAM>(count / 2), 0);
    const_cast<ColListSortOrder&>(list.SortOrder()).ResetComparisons();
    start = Now();
    list.SortByColumn(1, false, -1);
    double resorted = Now() - start;
    unsigned long long sortComparisons = list.SortOrder().Comparisons();

    return Figures{added, addComparisons, painted, resorted, sortComparisons};
}

}  // namespace

int main()
{
    HWND owner = CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 620, 420,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Each size runs five times; the median run is shown, as the machine may be busy.
    std::printf("rows: add time, comparisons / (n log2 n); first paint; re-sort by a numeric column, comparisons\n");
    for (int count : {1024, 4096, 16384}) {
        std::vector<Figures> runs;
        for (int run = 0; run < 5; ++run)
            runs.push_back(Measure(owner, count));
        std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.add < b.add; });
        Figures add = runs[2];
        std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.resort < b.resort; });
        Figures resort = runs[2];
        double nLogN = count * std::log2(static_cast<double>(count));
        std::printf("%6d rows  add %7.1f ms  %7llu comparisons (%.2f)  paint %5.1f ms  re-sort %6.1f ms  "
                    "%7llu comparisons (%.2f)\n",
                    count, add.add, add.addComparisons, add.addComparisons / nLogN, add.paint, resort.resort,
                    resort.sortComparisons, resort.sortComparisons / nLogN);
    }
    DestroyWindow(owner);
    return 0;
}
