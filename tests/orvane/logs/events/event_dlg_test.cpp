// The event log page: the first load, the rows newest first, refresh with the stopped flag, timer 9.
#include <gtest/gtest.h>

#include "event_page_fixture.h"
#include "logs_ids.h"

namespace {

constexpr const char* kNoEventLog = "<No Event Log>";
constexpr const char* kStartService = "Please start the Alert Service to review the Event Log or Activity Log";

}  // namespace

TEST_F(EventPageTest, AHeaderOnlyTableListsNothingAndShowsNoEventLog)
{
    WriteTable(HeaderSlot(0, 0, 0), {});
    OpenPage();
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ(kNoEventLog, page.EmptyText());
}

TEST_F(EventPageTest, AMissingTableIsCreatedEmpty)
{
    OpenPage();
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ(std::vector<BYTE>(256, 0), ReadTable());
}

TEST_F(EventPageTest, TheFirstLoadPutsTheColumnListInTheListBoxsPlace)
{
    WriteTable(HeaderSlot(0, 0, 0), {});
    OpenPage();
    HWND box = page.GetDlgItem(IDC_EVENT_LIST);
    EXPECT_FALSE(GetWindowLongA(box, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(page.m_hWnd, GetParent(page.List().m_hWnd));
    EXPECT_EQ(static_cast<int>(CEventDlg::kListId), GetDlgCtrlID(page.List().m_hWnd));
    const ColListColumns& columns = page.List().Columns();
    ASSERT_EQ(4, columns.Count());
    EXPECT_EQ("Date/Time", columns[0].title);
    EXPECT_EQ("Description", columns[1].title);
    EXPECT_EQ("Application", columns[2].title);
    EXPECT_EQ("Date Descend", columns[3].title);
    EXPECT_EQ(140, columns[0].width);
    EXPECT_EQ(200, columns[1].width);
    EXPECT_EQ(0, columns[3].width);
    EXPECT_EQ(3, page.List().SortColumn());
}

TEST_F(EventPageTest, RowsComeNewestFirstWithTheirTextsAndSlotNumbers)
{
    WriteTable(HeaderSlot(1, 1, 1),
        {RecordSlot("AL000001.EVT", "Oldest", "ALERT", 3, 1765000000),
            RecordSlot("AL000002.EVT", "Newest", "VEXOMAR", 0, 1765000600),
            RecordSlot("AL000003.EVT", "Middle", "SCANNER", 2, 1765000300)});
    OpenPage();
    // 1765000000 is 2025-12-06 05:46:40 UTC.
    const std::vector<std::string> expected = {
        DateTimeText(2025, 12, 6, 5, 56, 40) + "\tNewest\tVEXOMAR\t1765000600",
        DateTimeText(2025, 12, 6, 5, 51, 40) + "\tMiddle\tSCANNER\t1765000300",
        DateTimeText(2025, 12, 6, 5, 46, 40) + "\tOldest\tALERT\t1765000000",
    };
    EXPECT_EQ(expected, Rows());
    EXPECT_EQ((std::vector<int> {2, 3, 1}), Slots());
}

TEST_F(EventPageTest, AFreeSlotBetweenUsedSlotsIsSkippedAndLaterRecordsStillAppear)
{
    TableSlot freed = RecordSlot("AL000002.EVT", "Deleted", "ALERT", 0, 20);
    freed[0] = 0;
    WriteTable(HeaderSlot(0, 0, 0),
        {RecordSlot("AL000001.EVT", "First", "ALERT", 2, 10), freed,
            RecordSlot("AL000003.EVT", "Third", "ALERT", 2, 30)});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Third", "First"}), Descriptions());
    EXPECT_EQ((std::vector<int> {3, 1}), Slots());
}

TEST_F(EventPageTest, APriorityOutsideZeroToThreeStillListsItsRecord)
{
    WriteTable(HeaderSlot(0, 0, 0),
        {RecordSlot("AL000001.EVT", "Odd", "ALERT", 9, 10), RecordSlot("AL000002.EVT", "Negative", "ALERT", -2, 5)});
    OpenPage();
    EXPECT_EQ((std::vector<std::string> {"Odd", "Negative"}), Descriptions());
}

TEST_F(EventPageTest, RefreshWithTheStoppedFlagEmptiesTheListAndAsksForTheService)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    OpenPage();
    ASSERT_EQ(1, page.List().ItemCount());
    page.Refresh(1);
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ(kStartService, page.EmptyText());
    EXPECT_TRUE(page.ServiceStopped());

    page.Refresh(0);
    EXPECT_EQ(1, page.List().ItemCount());
    EXPECT_EQ("", page.EmptyText());
    EXPECT_FALSE(page.ServiceStopped());
}

TEST_F(EventPageTest, ALengthChangeReloadsEvenWhileTheServiceIsStopped)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    OpenPage();
    page.Refresh(1);
    Tick();
    EXPECT_EQ(0, page.List().ItemCount()) << "an unchanged table is not read again";

    AppendSlot(RecordSlot("AL000002.EVT", "Two", "ALERT", 3, 20));
    Tick();
    EXPECT_EQ((std::vector<std::string> {"Two", "One"}), Descriptions());
    EXPECT_EQ(768, page.LastLength());
}

TEST_F(EventPageTest, AHeaderSumChangeReloadsAndKeepsTheSelectionByPosition)
{
    WriteTable(HeaderSlot(0, 0, 3),
        {RecordSlot("AL000001.EVT", "A", "ALERT", 3, 10), RecordSlot("AL000002.EVT", "B", "ALERT", 3, 20),
            RecordSlot("AL000003.EVT", "C", "ALERT", 3, 30)});
    OpenPage();
    Select({1, 2});
    // Another administrator removed the newest record: same length, one count less.
    WriteTable(HeaderSlot(0, 0, 2),
        {RecordSlot("AL000001.EVT", "A", "ALERT", 3, 10), RecordSlot("AL000002.EVT", "B", "ALERT", 3, 20),
            TableSlot {}});
    Tick();
    EXPECT_EQ((std::vector<std::string> {"B", "A"}), Descriptions());
    EXPECT_EQ((std::vector<int> {1}), page.SelectedPositions());
    EXPECT_EQ(2, page.LastSum());
}

TEST_F(EventPageTest, AnUnchangedLengthAndSumDoNotReload)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "Before", "ALERT", 3, 10)});
    OpenPage();
    Select({0});
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "After", "ALERT", 3, 10)});
    Tick();
    EXPECT_EQ((std::vector<std::string> {"Before"}), Descriptions());
    EXPECT_EQ((std::vector<int> {0}), page.SelectedPositions());
}

TEST_F(EventPageTest, WhileStoppedAHeaderSumChangeAloneDoesNotReload)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    OpenPage();
    page.Refresh(1);
    WriteTable(HeaderSlot(0, 0, 5), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    Tick();
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ(1, page.LastSum());
}

TEST_F(EventPageTest, OtherTimersAreNotOurs)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    OpenPage();
    AppendSlot(RecordSlot("AL000002.EVT", "Two", "ALERT", 3, 20));
    page.SendMessage(WM_TIMER, 8);
    EXPECT_EQ(1, page.List().ItemCount());
}

TEST_F(EventPageTest, ReleaseItemsEmptiesTheListAndALaterLoadFillsItAgain)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "One", "ALERT", 3, 10)});
    OpenPage();
    page.ReleaseItems();
    EXPECT_EQ(0, page.List().ItemCount());
    page.Load(0);
    EXPECT_EQ(1, page.List().ItemCount());
    EXPECT_EQ(kNoEventLog, page.EmptyText());
}

TEST_F(EventPageTest, PaintingFillsTheClientLessOnePixelAndResizingWidensTheApplicationColumn)
{
    WriteTable(HeaderSlot(0, 0, 0), {});
    OpenPage();
    const RECT created = page.GetClientRect();
    RECT client = page.GetClientRect();
    page.Invalidate();
    page.UpdateWindow();
    RECT list = page.List().GetWindowRect();
    MapWindowPoints(nullptr, page.m_hWnd, reinterpret_cast<POINT*>(&list), 2);
    EXPECT_EQ(0, list.left);
    EXPECT_EQ(0, list.top);
    EXPECT_EQ(client.right - 1, list.right);
    EXPECT_EQ(client.bottom - 1, list.bottom);

    page.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_EQ(created.right - created.left + 400, page.List().Columns()[2].width);
}

TEST_F(EventPageTest, CriticalRowsDrawTheRedMarkerAndOddPrioritiesNone)
{
    WriteTable(HeaderSlot(1, 0, 0),
        {RecordSlot("AL000001.EVT", "Critical", "ALERT", 1, 20), RecordSlot("AL000002.EVT", "Odd", "ALERT", 7, 10)});
    OpenPage();
    Select({});
    HWND box = page.List().ListBox();
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    auto redPixels = [&](int position) {
        RECT row = {};
        SendMessageA(box, LB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&row));
        HDC dc = GetDC(box);
        int red = 0;
        for (int y = row.top; y < row.bottom; ++y) {
            for (int x = row.left; x < row.left + 40; ++x) {
                const COLORREF pixel = GetPixel(dc, x, y);
                red += GetRValue(pixel) > 150 && GetGValue(pixel) < 80 && GetBValue(pixel) < 80;
            }
        }
        ReleaseDC(box, dc);
        return red;
    };
    EXPECT_GT(redPixels(0), 40);
    EXPECT_EQ(0, redPixels(1));
}
