// The event log page over the real Alert Service: an alert raised through FENWIX.DLL appears, clears.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "as_tab_wnd.h"
#include "event_dlg.h"
#include "fenwix.h"
#include "halden.h"
#include "halden_alert_core.h"
#include "logs_ids.h"
#include "program_values.h"
#include "test_program.h"
#include "scripted_prompter.h"
#include "alert_service_suite.h"
#include "ui_actions.h"

namespace {

class EventServiceTest : public AlertServiceSuite {
protected:
    void SetUp() override
    {
        AlertServiceSuite::SetUp();
        m_savedCore = TestProgram().core;
        TestProgram().core = &core;
        std::memset(TestProgram().serverName, 0, sizeof TestProgram().serverName);
        std::strncpy(TestProgram().serverName, LocalComputerName(), sizeof TestProgram().serverName - 1);
        CAlertRecordTable::ForgetPaths();
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 700, 500}, nullptr, 0));
        ASSERT_TRUE(tab.Create(owner.m_hWnd, RECT {0, 0, 640, 420}, 5, 1));
        ASSERT_TRUE(page.CreateInTab(tab, 0));
        tab.SetTab(0, -1, "Event Log", page.m_hWnd, true);
        tab.Select(0);
    }
    void TearDown() override
    {
        page.DestroyWindow();
        tab.DestroyWindow();
        owner.DestroyWindow();
        CAlertRecordTable::ForgetPaths();
        TestProgram().core = m_savedCore;
        AlertServiceSuite::TearDown();
    }
    void Tick()
    {
        page.SendMessage(WM_TIMER, CEventDlg::kReloadTimer);
        FlushMessages();
    }
    std::string EventFile(const char* name) const { return m_home->File(std::string("EVENTLOG\\") + name); }

    HaldenAlertCore core;
    CWnd owner;
    CASTabWnd tab;
    CEventDlg page {TestProgram()};

private:
    AlertCore* m_savedCore = nullptr;
};

}  // namespace

TEST_F(EventServiceTest, AnAlertOfTheRunningServiceAppearsOnTheNextTickAndClearAllRemovesIt)
{
    ASSERT_EQ(0, AlertStartService("", 0));
    page.Load(1);
    FlushMessages();
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ("<No Event Log>", page.EmptyText());

    ASSERT_EQ(0, MakeAlert1("", 1, 1, "VEXOMAR", "Signature file is out of date", 0));
    Tick();
    ASSERT_EQ(1, page.List().ItemCount());
    EXPECT_EQ("Signature file is out of date", page.List().GetItemColumnText(0, 1));
    EXPECT_EQ("VEXOMAR", page.List().GetItemColumnText(0, 2));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(EventFile("AL000001.EVT").c_str()));

    ScriptedPrompter prompter;
    prompter.Expect("Are you sure to delete all events?", IDYES);
    page.SendMessage(WM_COMMAND, ID_EVENT_CLEAR_ALL);
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(EventFile("AL000001.EVT").c_str()));
    BYTE statistics[256] = {};
    ASSERT_EQ(1, AlertGetStatistics("", statistics));
    EXPECT_EQ(std::vector<BYTE>(12, 0), std::vector<BYTE>(statistics, statistics + 12));

    // The service reuses the freed slot: the length stays, the header's sum tells.
    ASSERT_EQ(0, MakeAlert1("", 0, 1, "VEXOMAR", "Scan finished", 0));
    Tick();
    ASSERT_EQ(1, page.List().ItemCount());
    EXPECT_EQ("Scan finished", page.List().GetItemColumnText(0, 1));

    ASSERT_EQ(0, AlertStopService("", 0));
    page.Refresh(1);
    EXPECT_EQ(0, page.List().ItemCount());
    EXPECT_EQ("Please start the Alert Service to review the Event Log or Activity Log", page.EmptyText());
}
