// The tab window's selection by program, by mouse and by keyboard, and its notifications.
#include "tab_fixture.h"
#include "tab_test_resource.h"

namespace {

TabMessage Shown(HWND page, HWND hidden)
{
    return {page, kPageShownMessage, reinterpret_cast<WPARAM>(hidden), 0};
}
TabMessage Hidden(HWND page, HWND shown)
{
    return {page, kPageHiddenMessage, reinterpret_cast<WPARAM>(shown), 0};
}

// Records the context menus a tab window would pop up.
class MenuRecordingTab : public CASTabWnd {
public:
    struct Popup {
        UINT firstCommand;
        POINT at;
        HWND commandWindow;
    };
    std::vector<Popup> popups;

protected:
    void TrackContextMenu(HMENU popup, POINT screenPoint, HWND commandWindow) override
    {
        popups.push_back({GetMenuItemID(popup, 0), screenPoint, commandWindow});
    }
};

}  // namespace

TEST_F(TabWindowTest, SelectShowsThePageAndTellsBothPagesButNotTheOwner)
{
    EXPECT_EQ(-1, tab.Select(0));
    EXPECT_EQ(std::vector<TabMessage> {Shown(pages[0], nullptr)}, Take());
    EXPECT_TRUE(IsWindowVisible(pages[0]));

    EXPECT_EQ(0, tab.Select(3));
    EXPECT_EQ((std::vector<TabMessage> {Hidden(pages[0], pages[3]), Shown(pages[3], pages[0])}), Take());
    EXPECT_EQ(3, tab.GetCurSel());
    EXPECT_FALSE(IsWindowVisible(pages[0]));
    EXPECT_TRUE(IsWindowVisible(pages[3]));
    RECT expected = tab.GetPageRect();
    RECT actual = {};
    GetWindowRect(pages[3], &actual);
    MapWindowPoints(nullptr, tab.m_hWnd, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_TRUE(EqualRect(&expected, &actual));
}

TEST_F(TabWindowTest, SelectingTheSelectedTabAgainChangesNothing)
{
    tab.Select(1);
    Take();
    EXPECT_EQ(1, tab.Select(1));
    EXPECT_TRUE(Take().empty());
}

TEST_F(TabWindowTest, SelectRefusesDisabledAndOutOfRangeTabs)
{
    tab.Select(1);
    Take();
    EXPECT_EQ(-1, tab.Select(2));
    EXPECT_EQ(-1, tab.Select(4));
    EXPECT_EQ(-1, tab.Select(-1));
    EXPECT_EQ(1, tab.GetCurSel());
    EXPECT_TRUE(IsWindowVisible(pages[1]));
    EXPECT_FALSE(IsWindowVisible(pages[2]));
    EXPECT_TRUE(Take().empty());
}

TEST_F(TabWindowTest, ClickOnAnotherTabSelectsItAndNotifiesTheOwnerLast)
{
    tab.Select(0);
    Take();
    ClickAt(WM_LBUTTONDOWN, InTab(1));
    EXPECT_EQ(1, tab.GetCurSel());
    EXPECT_EQ((std::vector<TabMessage> {Hidden(pages[0], pages[1]), Shown(pages[1], pages[0]),
                  TabMessage {owner, kTabSelectedMessage, kTabId, 1}}),
        Take());
    EXPECT_EQ(tab.m_hWnd, GetFocus());
}

TEST_F(TabWindowTest, ClickOnTheSelectedTabDoesNotNotify)
{
    tab.Select(1);
    Take();
    ClickAt(WM_LBUTTONDOWN, InTab(1));
    ClickAt(WM_LBUTTONDBLCLK, InTab(1));
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(1, tab.GetCurSel());
}

TEST_F(TabWindowTest, ClickOnADisabledTabOrBesideTheTabsOnlyTakesTheFocus)
{
    tab.Select(1);
    Take();
    SetFocus(owner);
    ClickAt(WM_LBUTTONDOWN, InTab(2));
    EXPECT_EQ(tab.m_hWnd, GetFocus());
    ClickAt(WM_LBUTTONDOWN, POINT {tab.GetTabRect(3).right + 5, InTab(3).y});
    ClickAt(WM_LBUTTONDOWN, POINT {InTab(0).x, CASTabWnd::kMarginY + 1});
    EXPECT_EQ(1, tab.GetCurSel());
    EXPECT_TRUE(Take().empty());
}

TEST_F(TabWindowTest, MiddleClickTakesTheFocusWithoutSelecting)
{
    tab.Select(0);
    Take();
    SetFocus(owner);
    ClickAt(WM_MBUTTONDOWN, InTab(1));
    EXPECT_EQ(tab.m_hWnd, GetFocus());
    EXPECT_EQ(0, tab.GetCurSel());
    EXPECT_TRUE(Take().empty());
}

TEST_F(TabWindowTest, ArrowsMoveToTheNextEnabledTabWrappingAround)
{
    tab.Select(1);
    Take();
    Key(VK_RIGHT);  // tab 2 is disabled
    EXPECT_EQ(3, tab.GetCurSel());
    EXPECT_EQ((std::vector<TabMessage> {Hidden(pages[1], pages[3]), Shown(pages[3], pages[1]),
                  TabMessage {owner, kTabSelectedMessage, kTabId, 3}}),
        Take());
    Key(VK_DOWN);
    EXPECT_EQ(0, tab.GetCurSel());
    Key(VK_UP);
    EXPECT_EQ(3, tab.GetCurSel());
    Key(VK_LEFT);  // back over the disabled tab
    EXPECT_EQ(1, tab.GetCurSel());
    std::vector<TabMessage> rest = Take();
    ASSERT_EQ(9u, rest.size());
    EXPECT_EQ((TabMessage {owner, kTabSelectedMessage, kTabId, 0}), rest[2]);
    EXPECT_EQ((TabMessage {owner, kTabSelectedMessage, kTabId, 3}), rest[5]);
    EXPECT_EQ((TabMessage {owner, kTabSelectedMessage, kTabId, 1}), rest[8]);
}

TEST_F(TabWindowTest, ArrowsDoNotMoveWhenEveryOtherTabIsDisabled)
{
    tab.Select(1);
    tab.EnableTab(0, false);
    tab.EnableTab(3, false);
    Take();
    for (UINT key : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN})
        Key(key);
    EXPECT_EQ(1, tab.GetCurSel());
    EXPECT_TRUE(Take().empty());
}

TEST_F(TabWindowTest, ArrowsWithNothingSelectedStartAtTheEnds)
{
    Key(VK_RIGHT);
    EXPECT_EQ(0, tab.GetCurSel());
    tab.SetPageCount(4);
    for (int i = 0; i < 4; ++i)
        tab.SetTab(i, kWidths[i], "Tab", pages[i], true);
    Key(VK_LEFT);
    EXPECT_EQ(3, tab.GetCurSel());
}

TEST_F(TabWindowTest, TheTabWindowAsksForArrowsAndTab)
{
    LRESULT code = tab.SendMessage(WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(code & DLGC_WANTARROWS);
    EXPECT_TRUE(code & DLGC_WANTTAB);
}

TEST_F(TabWindowTest, TabKeyMovesTheFocusIntoTheSelectedPage)
{
    HWND button = CreateWindowExA(0, "BUTTON", "In", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 40, 20, pages[3],
        nullptr, GetModuleHandleA(nullptr), nullptr);
    tab.Select(3);
    tab.SetFocus();
    Key(VK_TAB);
    EXPECT_EQ(button, GetFocus());
}

TEST(TabContextMenu, RightClickOnTheSelectedTabPopsUpTheFirstSubmenuForTheCommandWindow)
{
    HWND owner = CreateRecorder(nullptr, RECT {50, 60, 450, 360});
    MenuRecordingTab tab;
    ASSERT_TRUE(tab.Create(owner, RECT {0, 0, 300, 200}, kTabId, 2));
    tab.SetTab(0, 40, "One", nullptr, true);
    tab.SetTab(1, 40, "Two", nullptr, true);
    tab.SetTabMenu(0, IDR_TAB_TEST_MENU, owner);
    tab.SetTabMenu(1, IDR_TAB_TEST_MENU, owner);
    tab.Select(0);

    RECT second = tab.GetTabRect(1);
    tab.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(second.left + 5, 6));
    EXPECT_TRUE(tab.popups.empty()) << "only the selected tab has its menu";
    EXPECT_EQ(0, tab.GetCurSel()) << "a right click selects nothing";

    tab.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 6));
    ASSERT_EQ(1u, tab.popups.size());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_MENU_FIRST), tab.popups[0].firstCommand);
    EXPECT_EQ(owner, tab.popups[0].commandWindow);
    POINT expected = {10, 6};
    ClientToScreen(tab.m_hWnd, &expected);
    EXPECT_EQ(expected.x, tab.popups[0].at.x);
    EXPECT_EQ(expected.y, tab.popups[0].at.y);
    EXPECT_EQ(tab.m_hWnd, GetFocus());

    // Without a command window, or with the tab disabled, nothing pops up.
    tab.SetTabMenu(0, IDR_TAB_TEST_MENU, nullptr);
    tab.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 6));
    tab.SetTabMenu(0, IDR_TAB_TEST_MENU, owner);
    tab.EnableTab(0, false);
    tab.SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 6));
    EXPECT_EQ(1u, tab.popups.size());
    tab.DestroyWindow();
    DestroyWindow(owner);
}
