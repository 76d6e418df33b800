// Column list window: header presses and clicks, column drags, checks, right clicks, keys and commands.
#include "col_list_fixture.h"

#include <algorithm>

namespace {

using Fields = std::vector<std::string>;

class ColListMouseTest : public ColListTest {
protected:
    int HeaderY() const { return list->HeaderHeight() / 2; }
    void Header(UINT message, int x)
    {
        MouseTo(list->m_hWnd, message, x, HeaderY(), message == WM_LBUTTONDOWN ? MK_LBUTTON : 0);
    }
    void ClickHeader(int x)
    {
        Header(WM_LBUTTONDOWN, x);
        Header(WM_LBUTTONUP, x);
    }
    void Drag(int from, int to)
    {
        Header(WM_LBUTTONDOWN, from);
        Header(WM_MOUSEMOVE, to);
        Header(WM_LBUTTONUP, to);
    }
    // A click on row `position` at x, as the list box gets it.
    void ClickRow(int position, int x, UINT down = WM_LBUTTONDOWN)
    {
        POINT p = RowPoint(position, x);
        MouseTo(list->ListBox(), down, p.x, p.y, MK_LBUTTON);
        MouseTo(list->ListBox(), WM_LBUTTONUP, p.x, p.y);
    }
    int Current() const { return static_cast<int>(SendMessageA(list->ListBox(), LB_GETCURSEL, 0, 0)); }
    COLORREF PixelAt(int x, int y)
    {
        Paint();
        HDC dc = GetDC(list->m_hWnd);
        COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(list->m_hWnd, dc);
        return colour;
    }
};

TEST_F(ColListMouseTest, HeaderClickIsReportedWithTheColumn)
{
    Make(ColListFlags::kNotify);
    Header(WM_LBUTTONDOWN, 125);
    EXPECT_EQ(1, list->PressedColumn());
    EXPECT_EQ(list->m_hWnd, GetCapture());
    Header(WM_LBUTTONUP, 125);
    EXPECT_EQ(-1, list->PressedColumn());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ((std::vector<OwnerMessage> {{WM_COLLIST_HEADERCLICK, kId, 1}}), owner.Of(WM_COLLIST_HEADERCLICK));
    // Without the sort flag the click does not sort.
    EXPECT_EQ(0, list->SortColumn());
}

TEST_F(ColListMouseTest, AFastSecondClickOnTheHeaderIsAClickToo)
{
    // The class takes double clicks: the second press of a fast pair arrives as a double click.
    Make(ColListFlags::kNotify);
    ClickHeader(125);
    Header(WM_LBUTTONDBLCLK, 40);
    EXPECT_EQ(0, list->PressedColumn());
    EXPECT_EQ(list->m_hWnd, GetCapture());
    Header(WM_LBUTTONUP, 40);
    EXPECT_EQ((std::vector<OwnerMessage> {{WM_COLLIST_HEADERCLICK, kId, 1}, {WM_COLLIST_HEADERCLICK, kId, 0}}),
        owner.Of(WM_COLLIST_HEADERCLICK));
    // A double click on a boundary starts a drag as a press does.
    Header(WM_LBUTTONDBLCLK, 150);
    Header(WM_MOUSEMOVE, 170);
    Header(WM_LBUTTONUP, 170);
    EXPECT_EQ(70, list->Columns()[1].width);
}

TEST_F(ColListMouseTest, HeaderClickSortsUnderTheSortFlag)
{
    Make(ColListFlags::kSortOnClick);
    for (const char* row : {"a\t3", "b\t1", "c\t2"})
        list->AddItem(row);
    ClickHeader(125);
    EXPECT_EQ(1, list->SortColumn());
    EXPECT_EQ((Fields {"b", "c", "a"}), Column(0));
    EXPECT_TRUE(owner.Of(WM_COLLIST_HEADERCLICK).empty());  // no notify flag
}

TEST_F(ColListMouseTest, ClickingTheSortColumnAgainChangesNothing)
{
    Make(ColListFlags::kSortOnClick | ColListFlags::kNotify);
    for (const char* row : {"b", "a", "c"})
        list->AddItem(row);
    list->InsertItem(0, "z");  // out of order on purpose: a re-sort would move it
    ClickHeader(50);
    EXPECT_EQ((Fields {"z", "a", "b", "c"}), Column(0));
    EXPECT_EQ(SortDirection::Ascending, list->SortOrder().direction);
    EXPECT_EQ(1u, owner.Of(WM_COLLIST_HEADERCLICK).size());
}

TEST_F(ColListMouseTest, MovingOffThePressedButtonReleasesIt)
{
    Make(ColListFlags::kNotify | ColListFlags::kSortOnClick);
    Header(WM_LBUTTONDOWN, 125);
    Header(WM_MOUSEMOVE, 200);
    EXPECT_EQ(-1, list->PressedColumn());
    Header(WM_MOUSEMOVE, 125);
    Header(WM_LBUTTONUP, 125);
    EXPECT_TRUE(owner.Of(WM_COLLIST_HEADERCLICK).empty());
    EXPECT_EQ(0, list->SortColumn());
    EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ColListMouseTest, AColumnThatRefusesPressingIsNotClicked)
{
    Make(ColListFlags::kNotify | ColListFlags::kSortOnClick);
    list->SetColumnFormat(1, ColListColumn::kNoPress);
    ClickHeader(125);
    EXPECT_EQ(-1, list->PressedColumn());
    EXPECT_TRUE(owner.Of(WM_COLLIST_HEADERCLICK).empty());
    EXPECT_EQ(0, list->SortColumn());
}

TEST_F(ColListMouseTest, PressedButtonIsDrawnSunken)
{
    Make(0);
    int bottom = list->HeaderHeight() - 1;
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(125, bottom));
    // Column 1 runs from x 101 to 150: its left edge is light when raised, shadow when pressed.
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), PixelAt(101, 3));
    EXPECT_EQ(RGB(0, 0, 0), PixelAt(150, 3));
    Header(WM_LBUTTONDOWN, 125);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), PixelAt(101, 3));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), PixelAt(150, 3));
    Header(WM_LBUTTONUP, 125);
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), PixelAt(101, 3));
}

TEST_F(ColListMouseTest, DraggingABoundaryResizesTheColumn)
{
    Make(0);
    Header(WM_LBUTTONDOWN, 152);  // 2 pixels right of column 1's boundary
    EXPECT_EQ(1, list->DragColumn());
    EXPECT_EQ(150, list->TrackingLineX());
    EXPECT_EQ(list->m_hWnd, GetCapture());
    Header(WM_MOUSEMOVE, 192);
    EXPECT_EQ(190, list->TrackingLineX());
    Header(WM_LBUTTONUP, 192);
    EXPECT_EQ(-1, list->DragColumn());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(90, list->Columns()[1].width);
    EXPECT_EQ(190, list->Columns()[1].rightEdge);
    EXPECT_EQ(270, list->Columns()[2].rightEdge);
    // No press, no click.
    EXPECT_TRUE(owner.Of(WM_COLLIST_HEADERCLICK).empty());
}

TEST_F(ColListMouseTest, DraggingLeftOfTheColumnLeavesFivePixels)
{
    Make(0);
    Header(WM_LBUTTONDOWN, 150);
    Header(WM_MOUSEMOVE, 20);
    EXPECT_EQ(105, list->TrackingLineX());  // the line stops at the column's left + 5
    Header(WM_LBUTTONUP, 20);
    EXPECT_EQ(5, list->Columns()[1].width);
    EXPECT_EQ(105, list->Columns()[1].rightEdge);
}

TEST_F(ColListMouseTest, BoundariesShiftPastTheCheckColumn)
{
    Make(ColListFlags::kCheckColumn);
    // With the check column the header starts 20 pixels in: column 0 ends at 120.
    Drag(120, 140);
    EXPECT_EQ(120, list->Columns()[0].width);
    // Inside the check column nothing is dragged or pressed.
    Header(WM_LBUTTONDOWN, 10);
    EXPECT_EQ(-1, list->DragColumn());
    EXPECT_EQ(-1, list->PressedColumn());
    Header(WM_LBUTTONUP, 10);
}

TEST_F(ColListMouseTest, AColumnThatRefusesResizingIsPressedInstead)
{
    Make(ColListFlags::kNotify);
    list->SetHeaderFormat(0, ColListColumn::kNoResize);
    Drag(100, 160);
    EXPECT_EQ(100, list->Columns()[0].width);
    EXPECT_EQ((std::vector<OwnerMessage> {}), owner.Of(WM_COLLIST_HEADERCLICK));  // released off the button
    ClickHeader(99);
    EXPECT_EQ((std::vector<OwnerMessage> {{WM_COLLIST_HEADERCLICK, kId, 0}}), owner.Of(WM_COLLIST_HEADERCLICK));
}

TEST_F(ColListMouseTest, TheCursorShowsResizableBoundaries)
{
    Make(0);
    HCURSOR sizing = LoadCursorA(nullptr, MAKEINTRESOURCEA(32646));
    HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    Header(WM_MOUSEMOVE, 148);
    EXPECT_EQ(sizing, GetCursor());
    Header(WM_MOUSEMOVE, 125);
    EXPECT_EQ(arrow, GetCursor());
}

TEST_F(ColListMouseTest, APressGivesTheFocusToTheList)
{
    Make(0);
    SetFocus(owner.m_hWnd);
    ClickHeader(125);
    EXPECT_EQ(list->ListBox(), GetFocus());
    SetFocus(owner.m_hWnd);
    SetFocus(list->m_hWnd);
    EXPECT_EQ(list->ListBox(), GetFocus());
}

TEST_F(ColListMouseTest, ClickInTheCheckCellTogglesTheCheck)
{
    Make(ColListFlags::kCheckColumn | ColListFlags::kNotify);
    list->AddItem("a");
    list->AddItem("b");
    owner.received.clear();
    ClickRow(1, 10);
    EXPECT_EQ(1, Current());
    EXPECT_EQ(1, list->GetCheck(1));
    ClickRow(1, 10);
    EXPECT_EQ(0, list->GetCheck(1));
    ClickRow(0, 100);  // outside the check cell
    EXPECT_EQ(0, list->GetCheck(0));
    EXPECT_EQ((std::vector<OwnerMessage> {{WM_COLLIST_CHECK, kId, 1}, {WM_COLLIST_CHECK, kId, 0}}),
        owner.Of(WM_COLLIST_CHECK));
}

TEST_F(ColListMouseTest, DoubleClickOutsideTheCheckCellTogglesToo)
{
    Make(ColListFlags::kCheckColumn | ColListFlags::kNotify);
    list->AddItem("a");
    ClickRow(0, 100);
    ClickRow(0, 100, WM_LBUTTONDBLCLK);
    EXPECT_EQ(1, list->GetCheck(0));
    // Inside the cell the double click is an ordinary one: only the first click toggled.
    ClickRow(0, 10);
    EXPECT_EQ(0, list->GetCheck(0));
    ClickRow(0, 10, WM_LBUTTONDBLCLK);
    EXPECT_EQ(0, list->GetCheck(0));
    EXPECT_EQ(2u, owner.Of(WM_COLLIST_CHECK).size());
}

TEST_F(ColListMouseTest, ChecksWithoutTheVisibleColumnToggleByDoubleClick)
{
    Make(ColListFlags::kChecks);
    list->AddItem("a");
    ClickRow(0, 10);
    EXPECT_EQ(0, list->GetCheck(0));
    ClickRow(0, 10, WM_LBUTTONDBLCLK);
    EXPECT_EQ(1, list->GetCheck(0));
    EXPECT_TRUE(owner.Of(WM_COLLIST_CHECK).empty());  // no notify flag
}

TEST_F(ColListMouseTest, RightClickSelectsTheRowAndReportsTheScreenPoint)
{
    Make(ColListFlags::kNotify | ColListFlags::kRightClick);
    list->AddItem("a");
    list->AddItem("b");
    owner.received.clear();
    POINT p = RowPoint(1, 60);
    MouseTo(list->ListBox(), WM_RBUTTONDOWN, p.x, p.y, MK_RBUTTON);
    EXPECT_EQ(1, Current());
    EXPECT_EQ(nullptr, GetCapture());
    POINT screen = p;
    ClientToScreen(list->ListBox(), &screen);
    EXPECT_EQ((std::vector<OwnerMessage> {{WM_COLLIST_RBUTTON, kId, MAKELPARAM(screen.x, screen.y)}}),
        owner.Of(WM_COLLIST_RBUTTON));
}

TEST_F(ColListMouseTest, RightClicksNeedBothFlagsAndARow)
{
    Make(ColListFlags::kRightClick);
    list->AddItem("a");
    POINT p = RowPoint(0, 60);
    MouseTo(list->ListBox(), WM_RBUTTONDOWN, p.x, p.y, MK_RBUTTON);
    EXPECT_EQ(0, Current());
    EXPECT_TRUE(owner.Of(WM_COLLIST_RBUTTON).empty());

    Make(ColListFlags::kNotify | ColListFlags::kRightClick);
    MouseTo(list->ListBox(), WM_RBUTTONDOWN, 60, 100, MK_RBUTTON);  // empty list: no row
    EXPECT_TRUE(owner.Of(WM_COLLIST_RBUTTON).empty());
}

TEST_F(ColListMouseTest, RightClickInTheCheckColumnIsIgnored)
{
    Make(ColListFlags::kNotify | ColListFlags::kRightClick | ColListFlags::kCheckColumn);
    list->AddItem("a");
    list->AddItem("b");
    POINT p = RowPoint(1, 10);
    MouseTo(list->ListBox(), WM_RBUTTONDOWN, p.x, p.y, MK_RBUTTON);
    EXPECT_EQ(LB_ERR, Current());
    EXPECT_EQ(0, list->GetCheck(1));
    EXPECT_TRUE(owner.Of(WM_COLLIST_RBUTTON).empty());
}

TEST_F(ColListMouseTest, ListNotificationsReachTheOwnerUnderTheNotifyFlag)
{
    Make(ColListFlags::kNotify);
    list->AddItem("a");
    list->AddItem("b");
    owner.received.clear();
    ClickRow(1, 60);
    auto commands = owner.Of(WM_COMMAND);
    OwnerMessage change {WM_COMMAND, MAKEWPARAM(kId, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list->ListBox())};
    EXPECT_EQ(1, std::count(commands.begin(), commands.end(), change));
    for (const OwnerMessage& command : commands)
        EXPECT_EQ(kId, LOWORD(command.wParam));

    Make(0);
    SendMessageA(
        list->m_hWnd, WM_COMMAND, MAKEWPARAM(CColList::kListId, LBN_DBLCLK), reinterpret_cast<LPARAM>(list->ListBox()));
    EXPECT_TRUE(owner.Of(WM_COMMAND).empty());
}

TEST_F(ColListMouseTest, KeysAskTheOwnerFirst)
{
    Make(0);
    for (const char* row : {"a", "b", "c"})
        list->AddItem(row);
    SendMessageA(list->ListBox(), LB_SETCURSEL, 0, 0);
    owner.keyAnswer = -2;  // the owner handled the key
    SendMessageA(list->ListBox(), WM_KEYDOWN, VK_DOWN, 0);
    auto keys = owner.Of(WM_VKEYTOITEM);
    ASSERT_EQ(1u, keys.size());
    EXPECT_EQ(VK_DOWN, LOWORD(keys[0].wParam));
    EXPECT_EQ(reinterpret_cast<LPARAM>(list->ListBox()), keys[0].lParam);
    EXPECT_EQ(0, Current());
    // Any other answer lets the list box move; an answer of 0 does not jump to the first row.
    owner.keyAnswer = 0;
    SendMessageA(list->ListBox(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(1, Current());
    owner.keyAnswer = -1;
    SendMessageA(list->ListBox(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(2, Current());
}

TEST_F(ColListMouseTest, TheAlertManagerCopyKeepsKeysToItself)
{
    Make(kAlertManagerFlags);
    for (const char* row : {"a", "b"})
        list->AddItem(row);
    SendMessageA(list->ListBox(), LB_SETCURSEL, 0, 0);
    owner.keyAnswer = -2;
    SendMessageA(list->ListBox(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(owner.Of(WM_VKEYTOITEM).empty());
    EXPECT_EQ(1, Current());
}

TEST_F(ColListMouseTest, HeaderFollowsTheRowsWhenScrolledSideways)
{
    Make(ColListFlags::kHorizontalScroll | ColListFlags::kCheckColumn);
    list->SetColumnWidth(2, 600);
    for (const char* row : {"a\t1\tx", "b\t2\ty"})
        list->AddItem(row);
    Paint();
    EXPECT_EQ(-20, list->HeaderOffset());
    SendMessageA(list->ListBox(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 70), 0);
    Paint();
    int position = GetScrollPos(list->ListBox(), SB_HORZ);
    ASSERT_GT(position, 0);
    EXPECT_EQ(position - 20, list->HeaderOffset());
    // Column 1's boundary moved left with the rows.
    EXPECT_EQ(1, list->Columns().BoundaryAt(170 - position, list->HeaderOffset()));
}

}  // namespace
