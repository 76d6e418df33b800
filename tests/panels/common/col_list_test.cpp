// Column list window: creation, column set-up, rows, sorting and the empty-list message.
#include "col_list_fixture.h"

#include <tuple>

namespace {

using Fields = std::vector<std::string>;

LONG Style(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

int SystemFontHeight(HWND window)
{
    HDC dc = GetDC(window);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(window, dc);
    return metrics.tmHeight;
}

TEST_F(ColListTest, CreationRefusesAColumnCountBelowOne)
{
    CColList control;
    EXPECT_FALSE(control.Create(0, WS_VISIBLE, RECT {0, 0, 100, 100}, owner.m_hWnd, kId, 0));
    EXPECT_FALSE(control.Create(-3, WS_VISIBLE, RECT {0, 0, 100, 100}, owner.m_hWnd, kId, 0));
    EXPECT_EQ(nullptr, control.m_hWnd);
    EXPECT_EQ(CColList::kInitialHeaderHeight, control.HeaderHeight());
}

TEST_F(ColListTest, CreationMakesTheControlAndItsListBox)
{
    ListBoxCreationSpy spy;
    Make(0);
    HWND window = list->m_hWnd;
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    EXPECT_STREQ("ColList", name);
    EXPECT_EQ(static_cast<DWORD>(CS_DBLCLKS | CS_PARENTDC), GetClassLongA(window, GCL_STYLE));
    EXPECT_EQ(static_cast<LONG>(WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE), Style(window) & ~0xFFFF);
    EXPECT_EQ(owner.m_hWnd, GetParent(window));
    EXPECT_EQ(static_cast<int>(kId), GetDlgCtrlID(window));

    EXPECT_EQ(SystemFontHeight(window) + 1, list->HeaderHeight());
    EXPECT_EQ(0, list->CheckWidth());
    HWND box = list->ListBox();
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(box, GetDlgItem(window, 7));
    LONG expected = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT |
        LBS_OWNERDRAWFIXED | LBS_NODATA;
    ASSERT_EQ(1u, spy.created.size());
    EXPECT_EQ(static_cast<DWORD>(expected), spy.created[0].style);
    EXPECT_TRUE(spy.created[0].exStyle & WS_EX_CLIENTEDGE);

    // The list fills the client area below the header strip.
    RECT boxRect = {};
    GetWindowRect(box, &boxRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&boxRect), 2);
    EXPECT_EQ(0, boxRect.left);
    EXPECT_EQ(list->HeaderHeight(), boxRect.top);
    EXPECT_EQ(400, boxRect.right);
    EXPECT_EQ(200, boxRect.bottom);
    EXPECT_EQ(static_cast<LRESULT>(SystemFontHeight(box) + 1), SendMessageA(box, LB_GETITEMHEIGHT, 0, 0));
}

TEST_F(ColListTest, OptionFlagsChangeTheListBoxStyle)
{
    struct Case {
        DWORD flags;
        LONG style;
    };
    for (Case c : {Case {ColListFlags::kHorizontalScroll, WS_HSCROLL}, Case {ColListFlags::kNotify, LBS_NOTIFY},
             Case {ColListFlags::kMultipleSelection, LBS_MULTIPLESEL},
             Case {ColListFlags::kExtendedSelection, LBS_EXTENDEDSEL}}) {
        ListBoxCreationSpy spy;
        Make(c.flags);
        ASSERT_EQ(1u, spy.created.size());
        LONG style = static_cast<LONG>(spy.created[0].style);
        EXPECT_EQ(c.style, style & c.style) << c.flags;
        for (LONG other : {static_cast<LONG>(WS_HSCROLL), static_cast<LONG>(LBS_NOTIFY),
                 static_cast<LONG>(LBS_MULTIPLESEL), static_cast<LONG>(LBS_EXTENDEDSEL)}) {
            if (other != c.style) {
                EXPECT_EQ(0, style & other) << c.flags << " " << other;
            }
        }
    }
    Make(ColListFlags::kCheckColumn);
    EXPECT_EQ(20, list->CheckWidth());
    EXPECT_EQ(-20, list->HeaderOffset());
    Make(ColListFlags::kChecks);
    EXPECT_EQ(0, list->CheckWidth());
}

TEST_F(ColListTest, ColumnSetUpRefusesIndexesOutsideTheColumns)
{
    Make(ColListFlags::kHorizontalScroll | ColListFlags::kCheckColumn);
    for (int bad : {-1, 3}) {
        EXPECT_EQ(-1, list->SetColumnTitle(bad, "x"));
        EXPECT_EQ(-1, list->SetColumnWidth(bad, 10));
        EXPECT_EQ(-1, list->SetColumnSortType(bad, SortType::Text));
        EXPECT_EQ(-1, list->SetColumnFormat(bad, 1));
        EXPECT_EQ(-1, list->SetHeaderFormat(bad, 1));
        EXPECT_EQ(-1, list->SetSortDirection(bad, 1));
        EXPECT_EQ(-1, list->SetSortKey(bad, 0, 1));
        EXPECT_EQ(-1, list->SetSortKey(0, bad, 1));
        EXPECT_EQ(-1, list->SortByColumn(bad, true, -1));
    }
    EXPECT_EQ(-1, list->SetSortDirection(0, 2));
    EXPECT_EQ(-1, list->SetSortDirection(0, -1));
    EXPECT_EQ(0, list->SetSortDirection(0, 0));
    EXPECT_EQ(230, list->Columns().TotalWidth());
    // The horizontal extent covers the check column and every column.
    EXPECT_EQ(250, SendMessageA(list->ListBox(), LB_GETHORIZONTALEXTENT, 0, 0));
    EXPECT_EQ(0, list->SetColumnWidth(1, 70));
    EXPECT_EQ(170, list->Columns()[1].rightEdge);
    EXPECT_EQ(270, SendMessageA(list->ListBox(), LB_GETHORIZONTALEXTENT, 0, 0));
}

TEST_F(ColListTest, RowsAreSortedAsTheyAreAdded)
{
    Make(0);
    EXPECT_EQ(0, list->AddItem("a\t9"));
    EXPECT_EQ(0, list->AddItem("B\t10"));
    EXPECT_EQ(2, list->AddItem("c\t1"));
    // Upper-case B sorts before lower-case a: the comparison is case-sensitive.
    EXPECT_EQ((Fields {"B", "a", "c"}), Column(0));
    EXPECT_EQ(3, list->ItemCount());
}

TEST_F(ColListTest, NumericColumnPutsNineBeforeTen)
{
    Make(0);
    for (const char* row : {"x\t10", "y\t9", "z\t100", "w\tnone"})
        list->AddItem(row);
    EXPECT_EQ(0, list->SortByColumn(1, false, -1));
    EXPECT_EQ(1, list->SortColumn());
    EXPECT_EQ((Fields {"none", "9", "10", "100"}), Column(1));
    // As text the same keys order by character.
    list->SetColumnSortType(1, SortType::Text);
    EXPECT_EQ(0, list->SortByColumn(1, true, -1));
    EXPECT_EQ((Fields {"10", "100", "9", "none"}), Column(1));
}

TEST_F(ColListTest, SortingTheSortColumnAgainNeedsForce)
{
    Make(0);
    for (const char* row : {"b\t2", "a\t1", "c\t3"})
        list->AddItem(row);
    EXPECT_EQ(-1, list->SortByColumn(0, false, 0));
    EXPECT_EQ((Fields {"a", "b", "c"}), Column(0));
    EXPECT_EQ(0, list->SortByColumn(0, true, 0));
    EXPECT_EQ((Fields {"c", "b", "a"}), Column(0));
    EXPECT_EQ(-1, list->SortByColumn(0, true, 2));
}

TEST_F(ColListTest, DirectionMinusOneTakesTheKeyColumnsDirection)
{
    Make(0);
    for (const char* row : {"b\t1\tq", "a\t3\tp", "c\t2\tr"})
        list->AddItem(row);
    // Column 2 sorts by the numbers of column 1, descending.
    EXPECT_EQ(0, list->SetSortKey(2, 1, 0));
    EXPECT_EQ(0, list->SortByColumn(2, false, -1));
    EXPECT_EQ((Fields {"a", "c", "b"}), Column(0));
    EXPECT_EQ(1, list->SortOrder().keyColumn);
    EXPECT_EQ(SortType::Numeric, list->SortOrder().type);
    EXPECT_EQ(SortDirection::Descending, list->SortOrder().direction);
    // New rows take their key from the key column.
    EXPECT_EQ(1, list->AddItem("d\t2.5\ts"));
    EXPECT_EQ((Fields {"a", "d", "c", "b"}), Column(0));
}

TEST_F(ColListTest, EqualKeysKeepTheirOrderAcrossAReSort)
{
    Make(0);
    for (const char* row : {"a\t1", "b\t1", "c\t1", "d\t0"})
        list->InsertItem(-1, row);
    list->SortByColumn(1, false, -1);
    EXPECT_EQ((Fields {"d", "a", "b", "c"}), Column(0));
}

TEST_F(ColListTest, InsertedRowsStayWhereTheyArePutUntilTheNextSort)
{
    Make(0);
    list->AddItem("b");
    list->AddItem("d");
    EXPECT_EQ(0, list->InsertItem(0, "z"));
    EXPECT_EQ(3, list->InsertItem(-1, "a"));
    EXPECT_LT(list->InsertItem(9, "q"), 0);
    EXPECT_EQ((Fields {"z", "b", "d", "a"}), Column(0));
    list->SortByColumn(0, true, -1);
    EXPECT_EQ((Fields {"a", "b", "d", "z"}), Column(0));
}

TEST_F(ColListTest, SingleSelectionIsKeptByItemAcrossAReSort)
{
    Make(ColListFlags::kKeepSelection);
    for (const char* row : {"a\t3", "b\t1", "c\t2"})
        list->AddItem(row);
    SendMessageA(list->ListBox(), LB_SETCURSEL, 0, 0);  // "a"
    list->SortByColumn(1, false, -1);
    EXPECT_EQ((Fields {"b", "c", "a"}), Column(0));
    EXPECT_EQ(2, SendMessageA(list->ListBox(), LB_GETCURSEL, 0, 0));

    // Without the flag the selection is gone.
    Make(0);
    for (const char* row : {"a\t3", "b\t1", "c\t2"})
        list->AddItem(row);
    SendMessageA(list->ListBox(), LB_SETCURSEL, 0, 0);
    list->SortByColumn(1, false, -1);
    EXPECT_EQ(LB_ERR, SendMessageA(list->ListBox(), LB_GETCURSEL, 0, 0));
}

TEST_F(ColListTest, MultipleSelectionIsKeptByItemAcrossAReSort)
{
    Make(ColListFlags::kKeepSelection | ColListFlags::kExtendedSelection);
    for (const char* row : {"a\t4", "b\t1", "c\t3", "d\t2"})
        list->AddItem(row);
    SendMessageA(list->ListBox(), LB_SETSEL, TRUE, 0);  // "a"
    SendMessageA(list->ListBox(), LB_SETSEL, TRUE, 2);  // "c"
    list->SortByColumn(1, false, -1);
    ASSERT_EQ((Fields {"b", "d", "c", "a"}), Column(0));
    int selected[4] = {};
    ASSERT_EQ(2, SendMessageA(list->ListBox(), LB_GETSELITEMS, 4, reinterpret_cast<LPARAM>(selected)));
    EXPECT_EQ(2, selected[0]);
    EXPECT_EQ(3, selected[1]);
}

// Owners may empty the list or take a row out through the list box itself; the control's
// rows follow.
TEST_F(ColListTest, RowsTakenOutThroughTheListBoxLeaveTheControl)
{
    Make(0);
    for (const char* row : {"a\t1", "b\t2", "c\t3"})
        list->AddItem(row);
    EXPECT_EQ(2, SendMessageA(list->ListBox(), LB_DELETESTRING, 1, 0));
    EXPECT_EQ(2, list->ItemCount());
    EXPECT_EQ((Fields {"a", "c"}), Column(0));
    EXPECT_EQ(LB_ERR, SendMessageA(list->ListBox(), LB_DELETESTRING, 5, 0));
    EXPECT_EQ(2, list->ItemCount());
    SendMessageA(list->ListBox(), LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(0, list->ItemCount());
    EXPECT_EQ(0, list->AddItem("d\t4"));
    EXPECT_EQ((Fields {"d"}), Column(0));
    EXPECT_EQ(0, list->DeleteItem(0));
    EXPECT_EQ(0, SendMessageA(list->ListBox(), LB_GETCOUNT, 0, 0));
}

TEST_F(ColListTest, RowTextsAndFields)
{
    Make(0);
    list->AddItem("one");
    list->AddItem("two\t2\tdisk\textra");
    EXPECT_EQ("one", list->GetItemText(0));
    EXPECT_EQ("", list->GetItemColumnText(0, 1));  // fewer fields than columns
    EXPECT_EQ("", list->GetItemColumnText(0, 2));
    EXPECT_EQ("extra", list->GetItemColumnText(1, 3));
    EXPECT_EQ("", list->GetItemText(2));
    EXPECT_EQ("", list->GetItemText(-1));
    EXPECT_EQ("", list->GetItemColumnText(5, 0));
}

TEST_F(ColListTest, SetItemColumnTextReplacesOneField)
{
    Make(0);
    list->AddItem("b\t1\tx");
    list->AddItem("c\t2");
    EXPECT_EQ(1, list->SetItemColumnText(1, 2, "new", false));
    EXPECT_EQ("c\t2\tnew", list->GetItemText(1));
    EXPECT_EQ(-1, list->SetItemColumnText(0, 3, "x", false));
    EXPECT_EQ(-1, list->SetItemColumnText(0, -1, "x", false));
    EXPECT_EQ(-1, list->SetItemColumnText(2, 0, "x", false));
    // Without a re-sort the row stays; with one it moves.
    EXPECT_EQ(0, list->SetItemColumnText(0, 0, "d", false));
    EXPECT_EQ((Fields {"d", "c"}), Column(0));
    EXPECT_EQ(0, list->SetItemColumnText(0, 0, "e", true));
    EXPECT_EQ((Fields {"c", "e"}), Column(0));
    EXPECT_EQ("e\t1\tx", list->GetItemText(1));
}

TEST_F(ColListTest, SetItemColumnTextOnAnEmptyRowFails)
{
    Make(0);
    list->InsertItem(-1, "");
    EXPECT_EQ(-1, list->SetItemColumnText(0, 0, "x", false));
    EXPECT_EQ("", list->GetItemText(0));
}

TEST_F(ColListTest, DeletingRows)
{
    Make(ColListFlags::kCheckColumn);
    list->AddItem("a");
    list->AddItem("b");
    list->AddItem("c");
    EXPECT_EQ(-1, list->DeleteItem(3));
    EXPECT_EQ(-1, list->DeleteItem(-1));
    EXPECT_EQ(2, list->DeleteItem(1));
    EXPECT_EQ((Fields {"a", "c"}), Column(0));
    list->DeleteAllItems();
    EXPECT_EQ(0, list->ItemCount());
    EXPECT_EQ(-20, list->HeaderOffset());
    list->AddItem("x");
    EXPECT_EQ(0, list->DeleteItem(0));
}

TEST_F(ColListTest, ItemDataAndColours)
{
    Make(0);
    list->AddItem("a");
    int record = 5;
    EXPECT_EQ(nullptr, list->GetItemData(0));
    EXPECT_EQ(0, list->SetItemData(0, &record));
    EXPECT_EQ(&record, list->GetItemData(0));
    EXPECT_EQ(-1, list->SetItemData(1, &record));
    EXPECT_EQ(CColList::kInvalidData, list->GetItemData(1));
    EXPECT_EQ(0, list->SetItemColor(0, RGB(200, 0, 0)));
    EXPECT_EQ(-1, list->SetItemColor(4, RGB(200, 0, 0)));
    // User data travels with its row through a re-sort.
    list->AddItem("0");
    EXPECT_EQ(&record, list->GetItemData(1));
}

TEST_F(ColListTest, ImagesOnlyUnderTheImageFlag)
{
    HBITMAP image = CreateBitmap(16, 16, 1, 1, nullptr);
    Make(0);
    list->AddItem("a");
    EXPECT_EQ(-1, list->SetItemImage(0, 0, image, nullptr));
    Make(ColListFlags::kImages);
    list->AddItem("a\tb");
    EXPECT_EQ(-1, list->SetItemImage(0, 3, image, nullptr));
    EXPECT_EQ(-1, list->SetItemImage(1, 0, image, nullptr));
    EXPECT_FALSE(list->Columns()[1].hasImages);
    EXPECT_EQ(0, list->SetItemImage(0, 1, image, nullptr));
    EXPECT_TRUE(list->Columns()[1].hasImages);
    Paint();
    list.reset();
    DeleteObject(image);
}

TEST_F(ColListTest, ChecksNeedCheckHandling)
{
    Make(0);
    list->AddItem("a");
    EXPECT_EQ(0, list->SetCheck(0, 1));
    EXPECT_EQ(0, list->GetCheck(0));
    for (DWORD flags : {ColListFlags::kCheckColumn, ColListFlags::kChecks}) {
        Make(flags);
        list->AddItem("a");
        EXPECT_EQ(0, list->GetCheck(0));
        EXPECT_EQ(0, list->SetCheck(0, 1));
        EXPECT_EQ(1, list->GetCheck(0));
        EXPECT_EQ(1, list->SetCheck(0, 0));
        EXPECT_EQ(0, list->GetCheck(0));
        EXPECT_EQ(-1, list->SetCheck(1, 1));
        EXPECT_EQ(-1, list->GetCheck(1));
    }
}

TEST_F(ColListTest, EmptyMessageHidesTheListUntilARowArrives)
{
    Make(0);
    Paint();
    EXPECT_TRUE(IsWindowVisible(list->ListBox()));
    list->SetEmptyMessage(1, "No entries", RGB(0, 0, 128), nullptr);
    Paint();
    EXPECT_FALSE(IsWindowVisible(list->ListBox()));
    list->AddItem("a");
    Paint();
    EXPECT_TRUE(IsWindowVisible(list->ListBox()));
    list->DeleteItem(0);
    Paint();
    EXPECT_FALSE(IsWindowVisible(list->ListBox()));
    // Mode 0 shows the list even when it is empty; a null text keeps the old one.
    list->SetEmptyMessage(0, nullptr, 0, nullptr);
    Paint();
    EXPECT_TRUE(IsWindowVisible(list->ListBox()));
}

TEST_F(ColListTest, EmptyMessageIsDrawnInItsModeAndColour)
{
    const COLORREF red = RGB(255, 0, 0);
    Make(0);
    list->SetEmptyMessage(1, "Nothing to show here", red, nullptr);
    Paint();
    int header = list->HeaderHeight();
    // Centred: in the middle band of the control, not at its left end.
    EXPECT_GT(CountPixels(list->m_hWnd, RECT {100, 60, 300, 140}, red), 20);
    EXPECT_EQ(0, CountPixels(list->m_hWnd, RECT {0, header, 60, 200}, red));
    list->SetEmptyMessage(2, nullptr, red, nullptr);
    Paint();
    EXPECT_GT(CountPixels(list->m_hWnd, RECT {0, header, 120, header + 20}, red), 20);
    EXPECT_EQ(0, CountPixels(list->m_hWnd, RECT {100, 60, 300, 140}, red));
    // Mode 3 writes over the right end of the header strip.
    list->SetEmptyMessage(3, nullptr, red, nullptr);
    Paint();
    EXPECT_GT(CountPixels(list->m_hWnd, RECT {250, 0, 400, header}, red), 20);
    EXPECT_EQ(0, CountPixels(list->m_hWnd, RECT {0, header, 400, 200}, red));
}

TEST_F(ColListTest, RowsShowTheirFieldsInTheirColumnsAndColours)
{
    const COLORREF green = RGB(0, 160, 0);
    Make(0);
    list->AddItem("first\t\tthird\thidden beyond the last column");
    list->SetItemColor(0, green);
    Paint();
    HWND box = list->ListBox();
    RECT row = {};
    SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    // Text in columns 0 (0-100) and 2 (150-230); none in the empty column 1 or past 230.
    EXPECT_GT(CountPixels(box, RECT {0, row.top, 100, row.bottom}, green), 5);
    EXPECT_EQ(0, CountPixels(box, RECT {101, row.top, 150, row.bottom}, green));
    EXPECT_GT(CountPixels(box, RECT {150, row.top, 230, row.bottom}, green), 5);
    EXPECT_EQ(0, CountPixels(box, RECT {231, row.top, 390, row.bottom}, green));
}

// A bitmap of the screen's format filled with colours left and right of `split`.
HBITMAP TwoColours(int width, int height, int split, COLORREF left, COLORREF right)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (auto [from, to, colour] : {std::tuple {0, split, left}, std::tuple {split, width, right}}) {
        RECT part = {from, 0, to, height};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &part, brush);
        DeleteObject(brush);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST_F(ColListTest, ImagesAreDrawnThroughTheirMasks)
{
    const COLORREF red = RGB(255, 0, 0), white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    HBITMAP image = TwoColours(12, 12, 6, black, red);  // black where the mask lets the window show
    HBITMAP mask = TwoColours(12, 12, 6, white, black);  // left half transparent
    HBITMAP sideBySide = TwoColours(24, 12, 12, red, black);  // image, then a mask that shows all of it
    HBITMAP plain = TwoColours(12, 12, 12, red, red);
    HBITMAP checked = TwoColours(12, 12, 12, RGB(0, 0, 255), RGB(0, 0, 255));
    Make(ColListFlags::kImages | ColListFlags::kCheckColumn | ColListFlags::kChecks);
    list->SetCheckImages(checked, nullptr);
    list->AddItem("a\tb\tc");
    list->AddItem("d\te\tf");
    ASSERT_EQ(0, list->SetItemImage(0, 0, image, mask));
    ASSERT_EQ(0, list->SetItemImage(0, 1, sideBySide, nullptr));
    ASSERT_EQ(0, list->SetItemImage(0, 2, plain, nullptr));
    list->SetCheck(1, 1);
    Paint();
    HWND box = list->ListBox();
    RECT row = {};
    SendMessageA(box, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    // Cells start after the 20-pixel check column; images 2 pixels into the cell.
    RECT masked = {22, row.top, 34, row.bottom};
    EXPECT_EQ(0, CountPixels(box, RECT {22, row.top, 28, row.bottom}, red));
    EXPECT_GE(CountPixels(box, RECT {28, row.top, 34, row.bottom}, red), 6 * 12);
    EXPECT_EQ(6 * 12, CountPixels(box, masked, red));
    // Side by side: a 12-pixel image from a 24-pixel bitmap, all shown.
    EXPECT_EQ(12 * 12, CountPixels(box, RECT {120 + 2, row.top, 120 + 30, row.bottom}, red));
    EXPECT_EQ(12 * 12, CountPixels(box, RECT {170 + 2, row.top, 170 + 30, row.bottom}, red));
    // The check cell shows the attached image for checked rows only.
    RECT second = {};
    SendMessageA(box, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(0, CountPixels(box, RECT {0, row.top, 20, row.bottom}, RGB(0, 0, 255)));
    EXPECT_EQ(12 * 12, CountPixels(box, RECT {0, second.top, 20, second.bottom}, RGB(0, 0, 255)));
    list.reset();
    for (HBITMAP bitmap : {image, mask, sideBySide, plain, checked})
        DeleteObject(bitmap);
}

TEST_F(ColListTest, SystemColourChangesReachTheHeader)
{
    Make(0);
    int element = COLOR_BTNFACE;
    COLORREF before = GetSysColor(COLOR_BTNFACE);
    COLORREF changed = RGB(10, 200, 30);
    ASSERT_TRUE(SetSysColors(1, &element, &changed));
    SendMessageA(list->ListBox(), WM_SYSCOLORCHANGE, 0, 0);
    Paint();
    EXPECT_GT(CountPixels(list->m_hWnd, RECT {300, 2, 390, list->HeaderHeight() - 3}, changed), 50);
    SetSysColors(1, &element, &before);
    SendMessageA(list->ListBox(), WM_SYSCOLORCHANGE, 0, 0);
}

TEST_F(ColListTest, AFillDrawsOnceTheMessageLoopRuns)
{
    Make(0);
    for (int i = 0; i < 100; ++i)
        list->AddItem("row " + std::to_string(i));
    FlushQueue();
    Paint();
    // The list box draws again: its scroll bar now covers the hundred rows.
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(GetScrollInfo(list->ListBox(), SB_VERT, &info));
    EXPECT_EQ(99, info.nMax);
    EXPECT_TRUE(GetWindowLongA(list->ListBox(), GWL_STYLE) & WS_VSCROLL);
    RECT row = {};
    SendMessageA(list->ListBox(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    RECT text = {0, row.top, 60, row.bottom};
    int area = 60 * (row.bottom - row.top);
    EXPECT_GT(area - CountPixels(list->ListBox(), text, GetSysColor(COLOR_WINDOW)), 10);
}

TEST_F(ColListTest, FrameFlagDrawsASunkenFrameInTheOwner)
{
    HDC dc = GetDC(owner.m_hWnd);
    Make(0);
    // The control sits at (10, 10); the frame would take the two pixels outside it.
    COLORREF plain = GetPixel(dc, 8, 100);
    Make(ColListFlags::kFrame);
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), GetPixel(dc, 8, 100));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), GetPixel(dc, 411, 100));
    EXPECT_NE(GetSysColor(COLOR_BTNSHADOW), plain);
    ReleaseDC(owner.m_hWnd, dc);
}

TEST_F(ColListTest, DestroyingTheOwnerTakesTheControlAlong)
{
    Make(ColListFlags::kCheckColumn);
    list->AddItem("a");
    HWND window = list->m_hWnd;
    owner.DestroyWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, list->m_hWnd);
    EXPECT_EQ(0, list->ItemCount());
}

}  // namespace
