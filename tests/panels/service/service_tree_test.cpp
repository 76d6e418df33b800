// The domain and server tree over recording server objects: the two-call listings, the
// children's objects, the right pane for each kind of node, the refresh and the statistics.
#include <gtest/gtest.h>

#include <windows.h>

#include "fake_server_object.h"
#include "fake_site_core.h"
#include "service_panel_fixture.h"
#include "plugin_protocol.h"
#include "scan_statistics_dlg.h"
#include "scripted_prompter.h"
#include "service_fakes.h"
#include "service_frame_wnd.h"
#include "service_plugin.h"
#include "service_tree_ids.h"
#include "test_panel_host.h"
#include "ui_actions.h"

using namespace panel_protocol;

CExtensionApp g_app("SERVICE");

namespace {

TEST(ChildListing, AskingForTheCountThenReadingWithThatRoom)
{
    FakeServerObject network("", kVexomarKindNetwork);
    network.entries = {MakeEntry("SALES", "SALES", "", 2), MakeEntry("RESEARCH", "RESEARCH", "", 2)};
    const auto entries = ListEntries(*network.AsServer(), ChildListing::Domains);
    ASSERT_EQ(2u, entries.size());
    EXPECT_STREQ("RESEARCH", entries[1].name);
    EXPECT_EQ((std::vector<std::string> {"13(null,0)", "13(buffer,2)"}), network.calls);
}

TEST(ChildListing, ANoughtSizingAnswerIsTakenLikeTooSmall)
{
    FakeServerObject domain("SALES", kVexomarKindDomain);
    domain.entries = {MakeEntry("ALPHA", "SALES", "ALPHA", 3)};
    domain.sizingAnswer = 0;
    EXPECT_EQ(1u, ListEntries(*domain.AsServer(), ChildListing::Servers).size());
    EXPECT_EQ(
        (std::vector<std::string> {"21 texts '' ''", "21(null,0)", "21 texts '' ''", "21(buffer,1)"}), domain.calls);
}

TEST(ChildListing, AnyOtherAnswerOrNoCountListsNothing)
{
    FakeServerObject object("", kVexomarKindNetwork);
    EXPECT_TRUE(ListEntries(*object.AsServer(), ChildListing::Domains).empty()) << "nothing there";
    EXPECT_EQ(1u, object.calls.size());

    object.calls.clear();
    object.entries = {MakeEntry("SALES", "SALES", "", 2)};
    object.sizingAnswer = ERROR_ACCESS_DENIED;
    EXPECT_TRUE(ListEntries(*object.AsServer(), ChildListing::Domains).empty());
    EXPECT_EQ(1u, object.calls.size()) << "no second call after a refusal";

    object.calls.clear();
    object.sizingAnswer = ERROR_INSUFFICIENT_BUFFER;
    object.readingAnswer = ERROR_INSUFFICIENT_BUFFER;
    EXPECT_TRUE(ListEntries(*object.AsServer(), ChildListing::Domains).empty()) << "the list grew in between";
    EXPECT_EQ(2u, object.calls.size());
}

TEST(ChildListing, ChildrenTakeTheirObjectsByTheEntrysKey)
{
    FakeServerObject network("", kVexomarKindNetwork), sales("SALES", kVexomarKindDomain), alpha("ALPHA");
    network.children["SALES-KEY"] = &sales;
    sales.children["ALPHA-KEY"] = &alpha;
    const VexomarServerEntry domain = MakeEntry("Sales", "SALES-KEY", "unused", 2);
    const VexomarServerEntry server = MakeEntry("Alpha", "unused", "ALPHA-KEY", 3);
    EXPECT_EQ(sales.AsServer(), ChildObject(*network.AsServer(), ChildListing::Domains, domain));
    EXPECT_EQ(alpha.AsServer(), ChildObject(*sales.AsServer(), ChildListing::Servers, server));
    EXPECT_EQ(network.AsServer(), ChildObject(*network.AsServer(), ChildListing::Self, server)) << "shared";
    EXPECT_EQ((std::vector<std::string> {"3(SALES-KEY)"}), network.calls);
    EXPECT_EQ((std::vector<std::string> {"3(ALPHA-KEY)"}), sales.calls);
}

class PanelTest : public ServicePanelFixture {
protected:
    std::vector<std::string> Rows(CColList& list)
    {
        std::vector<std::string> rows;
        for (int position = 0; position < list.ItemCount(); ++position)
            rows.push_back(list.GetItemText(position));
        return rows;
    }
};

TEST_F(PanelTest, TheFrameHoldsToolbarSplitAtTwoFifthsAndBothPanes)
{
    EXPECT_EQ(7, frame->ToolBar().GetButtonCount());
    EXPECT_EQ(static_cast<UINT>(ID_NODE_CONFIGURE_SERVICE), frame->ToolBar().GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_NODE_START_SERVICE), frame->ToolBar().GetItemID(5));
    EXPECT_EQ(static_cast<UINT>(ID_NODE_STOP_SERVICE), frame->ToolBar().GetItemID(6));
    EXPECT_EQ(0xE800, GetDlgCtrlID(frame->ToolBar().m_hWnd));
    int current = 0, minimum = 0;
    frame->Splitter().GetColumnInfo(0, current, minimum);
    const RECT client = frame->GetClientRect();
    EXPECT_EQ((client.right - client.left) * 2 / 5, current);
    EXPECT_EQ("Domains/Servers:", tree->CaptionText());
    LOGFONTA font = {};
    GetObjectA(frame->PanelFont(), sizeof font, &font);
    EXPECT_STREQ("MS Sans Serif", font.lfFaceName);
    EXPECT_EQ(600, font.lfWeight);
}

TEST_F(PanelTest, TwoBranchesInOrderWithTheirChildren)
{
    CTreeCtrl& view = tree->Tree();
    HTREEITEM first = view.GetRootItem();
    EXPECT_EQ("Point To Point", view.GetItemText(first));
    EXPECT_EQ("Microsoft Networks", view.GetItemText(view.GetNextSiblingItem(first)));
    ASSERT_TRUE(Find(first, "HOME"));
    EXPECT_FALSE(Find(first, "")) << "a nameless entry of this computer's listing is skipped";
    HTREEITEM sales = Find(Find(nullptr, "Microsoft Networks"), "SALES");
    ASSERT_TRUE(sales);
    EXPECT_EQ(nullptr, view.GetChildItem(sales)) << "a domain's servers are read when it is opened";
    view.Expand(sales);
    EXPECT_TRUE(Find(sales, "ALPHA"));
    EXPECT_TRUE(Find(sales, "BETA"));
}

TEST_F(PanelTest, ADomainShowsItsServersRowByRow)
{
    Select(Find(Find(nullptr, "Microsoft Networks"), "SALES"));
    EXPECT_EQ((std::vector<std::string> {
                  "ALPHA\tActive  \tActive  \tScanning   \tv1.00\tv19.03\tv4.10\tNT v5.01",
                  "BETA\tInactive\tNA      \tNA         \tv1.00\tv19.03\tv4.10\tNT v5.01",
              }),
        Rows(details->ServerList()));
    EXPECT_TRUE(IsWindowVisible(details->ServerList().m_hWnd));
    EXPECT_FALSE(IsWindowVisible(details->PropertyList().m_hWnd));
}

TEST_F(PanelTest, ABranchShowsTheNoDataMessageAndAServerItsProperties)
{
    HTREEITEM network = Find(nullptr, "Microsoft Networks");
    Select(Find(network, "SALES"));
    Select(network);
    EXPECT_EQ(0, details->ServerList().ItemCount());
    EXPECT_EQ("No data available for the entire network", details->CaptionText());
    EXPECT_FALSE(IsWindowVisible(details->PropertyList().m_hWnd));

    core.alpha.statistics.filesScanned = 12;
    core.alpha.statistics.filesInfected = 1;
    HTREEITEM sales = Find(network, "SALES");
    tree->Tree().Expand(sales);
    Select(Find(sales, "ALPHA"));
    EXPECT_TRUE(IsWindowVisible(details->PropertyList().m_hWnd));
    const auto rows = Rows(details->PropertyList());
    ASSERT_EQ(17u, rows.size());
    EXPECT_EQ("Server Information  \t \t01", rows[0]);
    EXPECT_EQ("Machine Name:       \tALPHA\t02", rows[1]);
    EXPECT_EQ("Vexomar Version:    \tv1.00\t05", rows[4]);
    EXPECT_EQ("OS Version:         \tNT v5.01\t08", rows[7]);
    EXPECT_EQ("Job Information     \t \t12", rows[9]);
    EXPECT_EQ("Job Status:         \tScanning\t13", rows[10]);
    EXPECT_EQ("Last Scan Date:     \t00-00-00\t14", rows[11]) << "no job ended yet";
    EXPECT_EQ("Last Scan Time:     \t00:00\t15", rows[12]);
    EXPECT_EQ("Files Scanned:      \t12\t16", rows[13]);
    EXPECT_EQ("Realtime Information\t \t18", rows[15]);
    EXPECT_EQ("Real-time Scanner:  \tActive\t19", rows[16]);
}

TEST_F(PanelTest, TheRefreshWaitsSevenSecondsThenDropsWhatIsGone)
{
    HTREEITEM sales = Find(Find(nullptr, "Microsoft Networks"), "SALES");
    Select(sales);
    ASSERT_EQ(2, details->ServerList().ItemCount());
    core.sales.entries.pop_back();
    core.alpha.stateWord = 0x0801;
    now += 6999;
    frame->SendMessage(WM_TIMER, CServiceFrameWnd::kHostTimer, 0);
    EXPECT_EQ(2, details->ServerList().ItemCount()) << "too soon";
    now += 1;
    frame->SendMessage(WM_TIMER, CServiceFrameWnd::kHostTimer, 0);
    EXPECT_EQ(nullptr, Find(sales, "BETA"));
    ASSERT_EQ(1, details->ServerList().ItemCount());
    EXPECT_EQ("InActive", details->ServerList().GetItemColumnText(0, 2).substr(0, 8));
    EXPECT_EQ("Done       ", details->ServerList().GetItemColumnText(0, 3));
}

TEST_F(PanelTest, EveryTenthTickOfTheTreesTimerAsksForAQuery)
{
    core.calls.clear();
    for (int tick = 0; tick < 9; ++tick)
        tree->SendMessage(WM_TIMER, CListWnd::kRefreshTimer, 0);
    EXPECT_TRUE(core.calls.empty());
    tree->SendMessage(WM_TIMER, CListWnd::kRefreshTimer, 0);
    EXPECT_EQ((std::vector<std::string> {"startQuery"}), core.calls);
}

TEST_F(PanelTest, TheStatisticsDialogReadsAgainUntilAReadFails)
{
    core.alpha.statistics.progress = 40;
    core.alpha.statistics.targetName = "ALPHA";
    core.alpha.statistics.targetFolder = "C:\\Sites\\ALPHA";
    core.alpha.statistics.currentFile = "C:\\Sites\\ALPHA\\shared\\invoice.com";
    core.alpha.statistics.filesScanned = 7;
    core.alpha.statistics.filesToScan = 9;
    ServerStateTexts texts;
    CScanStatisticsDlg dialog(*core.alpha.AsServer(), texts, frame);
    ASSERT_TRUE(dialog.Create(frame));
    EXPECT_EQ("ALPHA, C:\\Sites\\ALPHA", dialog.GetDlgItemText(IDC_STAT_TARGET));
    EXPECT_EQ("C:\\Sites\\ALPHA\\shared\\invoice.com", dialog.GetDlgItemText(IDC_STAT_FILE));
    EXPECT_EQ("Scanning", dialog.GetDlgItemText(IDC_STAT_STATUS));
    EXPECT_EQ("7", dialog.GetDlgItemText(IDC_STAT_FILES));
    EXPECT_EQ("9", dialog.GetDlgItemText(IDC_STAT_TO_SCAN));
    EXPECT_TRUE(dialog.TimerRunning());

    core.alpha.statistics.progress = 100;
    dialog.OnTimer(CScanStatisticsDlg::kReadTimer);
    EXPECT_EQ("Done", dialog.GetDlgItemText(IDC_STAT_STATUS));

    core.alpha.statisticsAnswer = 2;
    {
        ScriptedPrompter prompter;
        prompter.Expect("Could not retrieve Scanning Statistics.");
        dialog.OnTimer(CScanStatisticsDlg::kReadTimer);
    }
    EXPECT_FALSE(dialog.TimerRunning());
    const int reads = core.alpha.statisticsReads;
    dialog.OnTimer(CScanStatisticsDlg::kReadTimer);
    EXPECT_EQ(reads, core.alpha.statisticsReads) << "the timer stays stopped";
    EXPECT_EQ((std::vector<std::string> {"29(1024)", "29(1024)", "29(1024)"}), core.alpha.calls);
    dialog.DestroyWindow();
}

}  // namespace
