// The main frame as it comes up: placement, tab windows and their pages, bars and menu.
#include <gtest/gtest.h>

#include "activity_log_view.h"
#include "admin_fv.h"
#include "al_tab_wnd.h"
#include "framework.h"
#include "frame_fixture.h"
#include "resource.h"
#include "test_program.h"

TEST_F(FrameTest, ComesUpCentredAtLeast570By490AndLargeEnoughForEveryPage)
{
    CreateFrame();
    RECT window = {};
    GetWindowRect(frame->m_hWnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    EXPECT_GE(width, 570);
    EXPECT_GE(height, 490);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - width) / 2, window.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - height) / 2, window.top);
    for (int i : {CMainFrame::kStatisticsPage, CMainFrame::kEventPage}) {
        auto* page = dynamic_cast<CAdminFV*>(frame->LogPageWindow(i));
        ASSERT_NE(nullptr, page);
        // A page takes the tab window's page area when it is selected.
        const RECT area = frame->LogsTab().GetPageRect();
        EXPECT_GE(area.right - area.left, page->GetTotalSize().cx) << "log page " << i << " opens without scrolling";
        EXPECT_GE(area.bottom - area.top, page->GetTotalSize().cy) << "log page " << i << " opens without scrolling";
    }
}

TEST_F(FrameTest, ComesUpWithTheLogsInFrontOnTheStatisticsMenu)
{
    CreateFrame();

    EXPECT_FALSE(frame->ConfigurationShown());
    EXPECT_TRUE(IsWindowVisible(frame->LogsTab().m_hWnd) || !IsWindowVisible(frame->m_hWnd));
    EXPECT_FALSE(GetWindowLongA(frame->ConfigTab().m_hWnd, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongA(frame->Selector(), GWL_STYLE) & WS_VISIBLE)
        << "the selector goes with the configuration";
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_STATISTICS), frame->CurrentMenuId());
    EXPECT_EQ(0, frame->LogsTab().GetCurSel());
    EXPECT_EQ(0, frame->ConfigTab().GetCurSel());
    EXPECT_EQ(frame.get(), TestProgram().frame);
}

TEST_F(FrameTest, TabsCarryTheirTitlesInTabOrderAndEachPageIsItsTabsWindow)
{
    CreateFrame();
    const char* logTitles[] = {"Alert Summary", "Event Log", "Activity Log"};
    ASSERT_EQ(3, frame->LogsTab().GetTabCount());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(logTitles[i], frame->LogsTab().GetCaption(i));
        EXPECT_EQ(frame->LogPageWindow(i)->m_hWnd, frame->LogsTab().GetPage(i));
        EXPECT_EQ(frame->LogsTab().m_hWnd, GetParent(frame->LogsTab().GetPage(i)));
        EXPECT_EQ(i, GetDlgCtrlID(frame->LogsTab().GetPage(i))) << "the tab index is the page's id";
    }
    const char* configTitles[] = {"Summary", "Broadcast", "Pager", "SNMP", "Trouble Ticket", "Email", "Event Log"};
    ASSERT_EQ(7, frame->ConfigTab().GetTabCount());
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(configTitles[i], frame->ConfigTab().GetCaption(i));
        EXPECT_EQ(frame->ConfigPage(i)->m_hWnd, frame->ConfigTab().GetPage(i));
    }
}

TEST_F(FrameTest, ToolbarHoldsTheButtonsInOrderAndTheSelectorAfterAGap)
{
    CreateFrame();
    auto* toolBar = dynamic_cast<CToolBar*>(frame->GetControlBar(AFX_IDW_TOOLBAR));
    ASSERT_NE(nullptr, toolBar);
    const UINT expected[] = {ID_SHOW_LOGS, ID_SHOW_CONFIGURATION, ID_SEPARATOR, ID_SEPARATOR, ID_SELECT_SERVER,
        ID_SERVICE_START, ID_SERVICE_STOP, ID_SERVICE_PAUSE};
    ASSERT_GE(toolBar->GetButtonCount(), 10);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(expected[i], toolBar->GetItemID(i)) << "button " << i;
    EXPECT_EQ(40, toolBar->CalcHeight());
    EXPECT_EQ(IDC_APPLICATION_SELECTOR, GetDlgCtrlID(frame->Selector()));
    EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(frame->Selector(), GWL_STYLE) & 3);
    const RECT gap = toolBar->GetItemRect(8);
    EXPECT_EQ(24, gap.right - gap.left);
}

TEST_F(FrameTest, ServiceStatusBarShowsStateDateAndTimeAndIsWideEnoughForEveryState)
{
    CreateFrame();
    auto* bar = dynamic_cast<CStatusBar*>(frame->GetControlBar(AFX_IDW_STATUS_BAR + 16));
    ASSERT_NE(nullptr, bar);
    ASSERT_EQ(4, bar->GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_SERVICE), bar->GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_DATE), bar->GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_TIME), bar->GetItemID(3));
    for (const char* text : {"Service : Stopped", "Service : Paused", "Service : Started", "Service : Stopping"})
        EXPECT_GE(bar->GetPaneWidth(1), bar->MeasureText(text)) << text;

    const struct {
        int state;
        const char* text;
    } cases[] = {{kServiceStopped, "Service : Stopped"}, {kServicePaused, "Service : Paused"},
        {kServiceRunning, "Service : Started"}, {kServiceStopping, "Service : Stopping"}, {7, "Service : Started"}};
    for (const auto& c : cases) {
        TestProgram().serviceState = c.state;
        UpdateCommands();
        EXPECT_EQ(c.text, bar->GetPaneText(1)) << "state " << c.state;
    }

    SYSTEMTIME now = {};
    GetLocalTime(&now);
    char hour[8] = {};
    wsprintfA(hour, "%02d:", now.wHour % 12 == 0 ? 12 : now.wHour % 12);
    EXPECT_EQ(0u, bar->GetPaneText(3).find(hour)) << bar->GetPaneText(3);
    EXPECT_EQ(now.wHour < 12 ? "AM" : "PM", bar->GetPaneText(3).substr(6));
    char year[8] = {};
    wsprintfA(year, "/%02d", now.wYear % 100);
    EXPECT_NE(std::string::npos, bar->GetPaneText(2).find(year)) << bar->GetPaneText(2);

    auto* keys = dynamic_cast<CStatusBar*>(frame->GetControlBar(AFX_IDW_STATUS_BAR));
    ASSERT_NE(nullptr, keys);
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_CAPS), keys->GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_INDICATOR_SCRL), keys->GetItemID(3));
}

TEST_F(FrameTest, TheViewMenuTogglesTheToolbarAndTheSecondStatusBarAndTheTabWindowTakesTheRoom)
{
    CreateFrame();
    RECT before = {};
    GetWindowRect(frame->LogsTab().m_hWnd, &before);
    frame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    frame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR, 0);
    EXPECT_FALSE(frame->GetControlBar(AFX_IDW_TOOLBAR)->IsShown());
    EXPECT_FALSE(frame->GetControlBar(AFX_IDW_STATUS_BAR)->IsShown());
    EXPECT_TRUE(frame->GetControlBar(AFX_IDW_STATUS_BAR + 16)->IsShown());
    RECT after = {};
    GetWindowRect(frame->LogsTab().m_hWnd, &after);
    EXPECT_LT(after.top, before.top);
    EXPECT_GT(after.bottom, before.bottom);
}

TEST_F(FrameTest, EveryPageIsDestroyedWithTheFrame)
{
    CreateFrame();
    HWND page = frame->ConfigTab().GetPage(3);
    HWND view = frame->LogsTab().GetPage(2);
    frame->DestroyWindow();
    EXPECT_FALSE(IsWindow(page));
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(nullptr, TestProgram().frame);
}

TEST_F(FrameTest, TheMenuOnTheBarIsDestroyedOnceWithTheFrameObjectNotWithItsWindow)
{
    CreateFrame();
    HMENU onBar = GetMenu(frame->m_hWnd);
    ASSERT_TRUE(IsMenu(onBar));
    frame->DestroyWindow();
    // The window leaves the page's menu alone; the frame destroys each of its menus once.
    EXPECT_TRUE(IsMenu(onBar));
    frame.reset();
    EXPECT_FALSE(IsMenu(onBar));
}
