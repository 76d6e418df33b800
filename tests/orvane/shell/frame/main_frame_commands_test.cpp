// The main frame's commands: the two tab windows, the service state's rules, menu swaps,
// forwarding to the pages, the bring-up request and the icon animation.
#include <gtest/gtest.h>

#include "activity_log_view.h"
#include "al_static_wnd.h"
#include "al_tab_wnd.h"
#include "framework.h"
#include "frame_fixture.h"
#include "instance_guard.h"
#include "resource.h"
#include "test_program.h"

namespace {

const char kStartServiceText[] = "Please start the Alert Service to review the Event Log or Activity Log";

}  // namespace

TEST_F(FrameTest, ConfigurationIsRefusedWhileTheServiceIsStoppedAndTheLogsStayInFront)
{
    CreateFrame();
    TestProgram().serviceState = kServiceStopped;
    frame->SendMessage(WM_COMMAND, ID_SHOW_CONFIGURATION, 0);
    EXPECT_FALSE(frame->ConfigurationShown());
    EXPECT_FALSE(Enabled(ID_SHOW_CONFIGURATION));
    EXPECT_FALSE(Enabled(ID_PAGER_PORT_SETUP));
    EXPECT_FALSE(Enabled(ID_EXCHANGE_MAIL_SETUP));

    TestProgram().serviceState = kServiceRunning;
    EXPECT_TRUE(Enabled(ID_SHOW_CONFIGURATION));
    EXPECT_TRUE(Enabled(ID_EXCHANGE_MAIL_SETUP));
    frame->SendMessage(WM_COMMAND, ID_SHOW_CONFIGURATION, 0);
    EXPECT_TRUE(frame->ConfigurationShown());
    EXPECT_TRUE(GetWindowLongA(frame->Selector(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_BROADCAST), frame->CurrentMenuId());
}

TEST_F(FrameTest, AServiceThatStopsWhileTheConfigurationIsShownSendsTheFrameBackToTheLogs)
{
    CreateFrame();
    frame->ShowConfiguration();
    TestProgram().serviceState = kServiceStopped;
    // The idle pass only computes states: it greys the command but swaps nothing.
    UpdateCommands();
    EXPECT_TRUE(frame->ConfigurationShown());
    EXPECT_FALSE(Enabled(ID_SHOW_CONFIGURATION));
    frame->SendMessage(WM_TIMER, 6, 0);
    EXPECT_FALSE(frame->ConfigurationShown());
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_STATISTICS), frame->CurrentMenuId());
}

TEST_F(FrameTest, TheLogPagesAreRefreshedWithTheStoppedFlagWhenTheStateChangesToStoppedAndBack)
{
    CreateFrame();
    auto* view = dynamic_cast<CActivityLogView*>(frame->LogPageWindow(CMainFrame::kActivityPage));
    ASSERT_NE(nullptr, view);
    frame->FollowServiceState();
    TestProgram().serviceState = kServiceStopped;
    frame->FollowServiceState();
    EXPECT_EQ(kStartServiceText, view->GetText());
    TestProgram().serviceState = kServiceRunning;
    frame->FollowServiceState();
    EXPECT_EQ("", view->GetText()) << "no ALERT.LOG in the scratch folder: an empty view";
}

TEST_F(FrameTest, CheckMarksFollowTheTabWindowInFront)
{
    CreateFrame();
    HMENU menu = GetMenu(frame->m_hWnd);
    UpdateMenuCommands(GetSubMenu(menu, 1), *frame);
    EXPECT_TRUE(GetMenuState(menu, ID_SHOW_LOGS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, ID_SHOW_STATISTICS, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, ID_SHOW_CONFIGURATION, MF_BYCOMMAND) & MF_CHECKED);
    frame->ShowConfiguration();
    menu = GetMenu(frame->m_hWnd);
    UpdateMenuCommands(GetSubMenu(menu, 2), *frame);
    EXPECT_TRUE(GetMenuState(menu, ID_SHOW_CONFIGURATION, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(menu, ID_SHOW_LOGS, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FrameTest, EachPageBringsItsOwnMenu)
{
    CreateFrame();
    const UINT logMenus[] = {IDR_MENU_STATISTICS, IDR_MENU_EVENTS, IDR_MENU_ACTIVITY};
    for (int i : {1, 2, 0}) {
        ClickTab(frame->LogsTab(), i);
        EXPECT_EQ(logMenus[i], frame->CurrentMenuId()) << "log page " << i;
    }
    frame->ShowConfiguration();
    const UINT configMenus[] = {IDR_MENU_BROADCAST, IDR_MENU_BROADCAST, IDR_MENU_PAGER, IDR_MENU_SNMP, IDR_MENU_TICKET,
        IDR_MENU_EMAIL, IDR_MENU_EVENT_LOG};
    for (int i : {1, 2, 3, 4, 5, 6, 0}) {
        ClickTab(frame->ConfigTab(), i);
        EXPECT_EQ(configMenus[i], frame->CurrentMenuId()) << "configuration page " << i;
        EXPECT_EQ(GetMenu(frame->m_hWnd), GetMenu(frame->m_hWnd));
    }
    frame->SendMessage(WM_COMMAND, ID_SHOW_STATISTICS, 0);
    EXPECT_FALSE(frame->ConfigurationShown());
    EXPECT_EQ(0, frame->LogsTab().GetCurSel());
    EXPECT_EQ(static_cast<UINT>(IDR_MENU_STATISTICS), frame->CurrentMenuId());
}

TEST_F(FrameTest, StopReachesTheStatisticsPageFromEitherTabWindowAndReloadsWithTheStoppedFlag)
{
    CreateFrame();
    auto* statistics = dynamic_cast<CAlStaticWnd*>(frame->LogPageWindow(CMainFrame::kStatisticsPage));
    ASSERT_NE(nullptr, statistics);
    statistics->m_wait = [](DWORD) {};
    frame->ShowConfiguration();
    core.calls.clear();
    core.Fail("AlertStopService", 0);
    frame->SendMessage(WM_COMMAND, ID_SERVICE_STOP, 0);
    ASSERT_EQ(1u, core.CallsOf("AlertStopService").size());
    EXPECT_EQ(kServiceStopping, TestProgram().serviceState);
    // The reload that follows asks for the application list first.
    EXPECT_EQ(1u, core.CallsOf("AlertGetApplicationALT").size());
    auto* view = dynamic_cast<CActivityLogView*>(frame->LogPageWindow(CMainFrame::kActivityPage));
    EXPECT_EQ(kStartServiceText, view->GetText());
}

TEST_F(FrameTest, TheBringUpRequestRestoresAMinimisedFrameAndAnswersOnlyItsOwnParameters)
{
    CreateFrame();
    frame->ShowWindow(SW_SHOWMINIMIZED);
    ASSERT_TRUE(IsIconic(frame->m_hWnd));
    EXPECT_EQ(0, frame->SendMessage(BringUpMessage(), 1, 2));
    EXPECT_TRUE(IsIconic(frame->m_hWnd));
    EXPECT_EQ(74354, frame->SendMessage(BringUpMessage(), 34984, 35168));
    EXPECT_FALSE(IsIconic(frame->m_hWnd));
}

TEST_F(FrameTest, WhileMinimisedEachClockTickShowsTheNextOfThreeIconsAndRestoringBringsBackTheProgramIcon)
{
    CreateFrame();
    HICON programIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SetClassLongPtrA(frame->m_hWnd, GCLP_HICON, reinterpret_cast<LONG_PTR>(programIcon));
    frame->SendMessage(WM_TIMER, 6, 0);
    EXPECT_EQ(
        reinterpret_cast<LONG_PTR>(programIcon), static_cast<LONG_PTR>(GetClassLongPtrA(frame->m_hWnd, GCLP_HICON)))
        << "no animation while the frame is not minimised";

    frame->ShowWindow(SW_SHOWMINIMIZED);
    std::vector<LONG_PTR> seen;
    for (int tick = 0; tick < 4; ++tick) {
        frame->SendMessage(WM_TIMER, 6, 0);
        seen.push_back(static_cast<LONG_PTR>(GetClassLongPtrA(frame->m_hWnd, GCLP_HICON)));
        EXPECT_NE(reinterpret_cast<LONG_PTR>(programIcon), seen.back());
    }
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_NE(seen[1], seen[2]);
    frame->ShowWindow(SW_RESTORE);
    EXPECT_NE(seen.back(), static_cast<LONG_PTR>(GetClassLongPtrA(frame->m_hWnd, GCLP_HICON)));
}

TEST_F(FrameTest, EachClockTickBringsTheServicePaneAndButtonsUpToDate)
{
    CreateFrame();
    auto* bar = dynamic_cast<CStatusBar*>(frame->GetControlBar(AFX_IDW_STATUS_BAR + 16));
    auto* toolBar = dynamic_cast<CToolBar*>(frame->GetControlBar(AFX_IDW_TOOLBAR));
    ASSERT_NE(nullptr, bar);
    ASSERT_NE(nullptr, toolBar);
    UpdateCommands();
    EXPECT_EQ("Service : Started", bar->GetPaneText(1));
    EXPECT_FALSE(toolBar->IsButtonEnabled(ID_SERVICE_START));

    // The statistics page's poll reads the new status; the clock tick then shows it.
    serviceControl.status = SERVICE_STOPPED;
    frame->LogPageWindow(CMainFrame::kStatisticsPage)->SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
    frame->SendMessage(WM_TIMER, 6, 0);
    EXPECT_EQ("Service : Stopped", bar->GetPaneText(1));
    EXPECT_TRUE(toolBar->IsButtonEnabled(ID_SERVICE_START));
    EXPECT_FALSE(toolBar->IsButtonEnabled(ID_SERVICE_STOP));
}
