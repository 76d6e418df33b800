// An event log page in a tab window over a scratch event-log folder, with a PostScript printer.
#include "event_page_fixture.h"

#include <fstream>
#include <sstream>

#include "locale_format.h"
#include "ui_actions.h"

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void EventPageTest::SetUp()
{
    EventLogFolderTest::SetUp();
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 700, 500}, nullptr, 0));
    owner.ShowWindow(SW_SHOWNA);
    ASSERT_TRUE(tab.Create(owner.m_hWnd, RECT {0, 0, 640, 420}, 5, 2));
    printOutput = folder + "\\printed.ps";
}

void EventPageTest::TearDown()
{
    if (page.m_hWnd)
        page.DestroyWindow();
    tab.DestroyWindow();
    owner.DestroyWindow();
    EventLogFolderTest::TearDown();
}

void EventPageTest::OpenPage()
{
    ASSERT_TRUE(page.CreateInTab(tab, 1));
    tab.SetTab(1, -1, "Event Log", page.m_hWnd, true);
    tab.Select(1);
    page.printOutputFile = printOutput;
    page.Load(1);
    // The list shows its rows once the posted end of the fill arrives.
    FlushMessages();
}

void EventPageTest::Tick()
{
    page.SendMessage(WM_TIMER, CEventDlg::kReloadTimer);
    FlushMessages();
}

void EventPageTest::Select(const std::vector<int>& positions)
{
    HWND box = page.List().ListBox();
    SendMessageA(box, LB_SETSEL, FALSE, -1);
    for (int position : positions)
        SendMessageA(box, LB_SETSEL, TRUE, position);
}

std::vector<std::string> EventPageTest::Rows()
{
    std::vector<std::string> rows;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        rows.push_back(page.List().GetItemText(i));
    return rows;
}

std::vector<std::string> EventPageTest::Descriptions()
{
    std::vector<std::string> texts;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        texts.push_back(page.List().GetItemColumnText(i, 1));
    return texts;
}

std::vector<int> EventPageTest::Slots()
{
    std::vector<int> slots;
    for (int i = 0; i < page.List().ItemCount(); ++i)
        slots.push_back(static_cast<int>(reinterpret_cast<INT_PTR>(page.List().GetItemData(i))));
    return slots;
}

std::string EventPageTest::DateTimeText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME universal = {year, month, 0, day, hour, minute, second, 0};
    SYSTEMTIME local = {};
    SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local);
    return ModuleLocaleFormat().FormatDate(local.wYear, local.wMonth, local.wDay) + " " +
        ModuleLocaleFormat().FormatTime(local.wHour, local.wMinute, local.wSecond);
}
