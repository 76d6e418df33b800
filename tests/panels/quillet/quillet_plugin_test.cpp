// The Local Scanner plug-in through its message procedure: engine start, failures, panel opening and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog_item_cmd_ui.h"
#include "framework_ids.h"
#include "message_recorder.h"
#include "plugin_protocol.h"
#include "quillet_fakes.h"
#include "quillet_plugin.h"
#include "quillet_resource.h"
#include "scripted_prompter.h"
#include "test_panel_host.h"

using namespace panel_protocol;

namespace {

CExtensionApp g_app("QUILLET");

class TestQuillet : public QuilletPlugin {
public:
    TestQuillet(FakeEngine& engine, FakeArchive& archive, FakeFilters& filters)
        : QuilletPlugin(g_app, QuilletServices {engine, archive, filters})
    {
    }
    bool refuseClass = false;

protected:
    std::string TemporaryDirectory() const override { return "C:\\TEMP\\VX"; }
    std::string ModuleDirectory() const override { return "C:\\"; }
    bool RegisterPanelClass() override { return !refuseClass && QuilletPlugin::RegisterPanelClass(); }
};

class QuilletTest : public ::testing::Test {
protected:
    ~QuilletTest() override { plugin.HandleMessage(host.Window(), kTerminate, 0, 0); }
    LRESULT Send(UINT message, LPARAM lParam = 0) { return plugin.HandleMessage(host.Window(), message, 0, lParam); }
    std::string Computer() const
    {
        char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
        DWORD size = sizeof name;
        GetComputerNameA(name, &size);
        return name;
    }

    TestPanelHost host;
    FakeEngine engine;
    FakeArchive archive;
    FakeFilters filters;
    TestQuillet plugin {engine, archive, filters};
};

TEST_F(QuilletTest, StartsTheEngineThenTheArchiveLibraryThenTellsTheFilters)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(0, Send(kInitialise));
    EXPECT_EQ((std::vector<std::string> {"bind", "2", "5(7,17)", "8(7)", "10"}), engine.calls);
    EXPECT_EQ((std::vector<std::string> {"init(0x4000)", "temp(3,C:\\TEMP\\VX)"}), archive.calls);
    EXPECT_EQ((std::vector<std::string> {"open", "scan 0x8153002c 0", "hold 0x12350018 4", "scan 0x81530040 1026"}),
        filters.events);
    EXPECT_EQ((std::vector<unsigned char> {5, 0, 0, 0}), filters.requests[1].input);
    // The exclusion: active, reserved, then the folder in UTF-16 with its NUL, the rest zero.
    const std::vector<unsigned char>& exclude = filters.requests[2].input;
    std::vector<unsigned char> expected(1026, 0);
    expected[0] = 1;
    const char folder[] = "C:\\TEMP\\VX";
    for (size_t i = 0; folder[i]; ++i)
        expected[2 + 2 * i] = static_cast<unsigned char>(folder[i]);
    EXPECT_EQ(expected, exclude);
    EXPECT_EQ(300u, plugin.Versions().engine);
    EXPECT_EQ(1, Send(kQueryAvailable));
    EXPECT_EQ(g_app.Host()->m_hWnd, host.Window());
}

TEST_F(QuilletTest, EndsFiltersArchiveAndEngineInThatOrderAtTerminate)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    engine.calls.clear();
    archive.calls.clear();
    filters.events.clear();
    filters.requests.clear();
    EXPECT_EQ(0, Send(kTerminate));
    EXPECT_EQ((std::vector<std::string> {"scan 0x81530030 0", "hold 0x1235001c 4", "scan 0x81530040 1026", "close"}),
        filters.events);
    EXPECT_EQ(0, filters.requests[2].input[0]);
    EXPECT_EQ('C', filters.requests[2].input[2]);
    EXPECT_EQ((std::vector<std::string> {"deinit(3)"}), archive.calls);
    EXPECT_EQ((std::vector<std::string> {"26(7)", "27(7)", "free"}), engine.calls);
    EXPECT_EQ(nullptr, g_app.Host());
}

struct EngineFailure {
    std::uint32_t status;
    std::vector<std::string> texts;
};

class QuilletEngineFailureTest : public QuilletTest, public ::testing::WithParamInterface<EngineFailure> { };

TEST_P(QuilletEngineFailureTest, ShowsTheLoadMessageThenTheEngineMessageAndLeavesThePanelUnusable)
{
    engine.loadAnswer = GetParam().status;
    ScriptedPrompter prompter;
    for (const std::string& text : GetParam().texts)
        prompter.Expect(text);
    prompter.Expect("Could Not Initialize Anti-Virus Engine !");
    Send(kInitialise);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(0, Send(kQueryAvailable));
    EXPECT_EQ("free", engine.calls.back());
    EXPECT_TRUE(archive.calls.empty());
    EXPECT_TRUE(filters.events.empty());
}

INSTANTIATE_TEST_SUITE_P(Statuses, QuilletEngineFailureTest,
    ::testing::Values(EngineFailure {10, {"Error allocating memory for data file"}},
        EngineFailure {11, {"Error opening data file"}}, EngineFailure {20, {"Invalid format of ", "VIRSIG.DAT"}},
        EngineFailure {3, {"Error loading data file"}}));

TEST_F(QuilletTest, AMissingEngineShowsOnlyTheEngineMessage)
{
    engine.binds = false;
    ScriptedPrompter prompter;
    prompter.Expect("Could Not Initialize Anti-Virus Engine !");
    Send(kInitialise);
    EXPECT_EQ(0, Send(kQueryAvailable));
    // Nothing to end at terminate: the engine never started.
    engine.calls.clear();
    Send(kTerminate);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_TRUE(filters.events.empty());
}

TEST_F(QuilletTest, RefusedOptionsFailTheStartWithoutALoad)
{
    engine.optionsAnswer = 1;
    ScriptedPrompter prompter;
    prompter.Expect("Could Not Initialize Anti-Virus Engine !");
    Send(kInitialise);
    EXPECT_EQ((std::vector<std::string> {"bind", "2", "5(7,17)", "free"}), engine.calls);
}

TEST_F(QuilletTest, ARefusedWindowClassIsToldAndNothingElseStarts)
{
    plugin.refuseClass = true;
    ScriptedPrompter prompter;
    prompter.Expect("QUILLET.DLL -  Failed to Register 'MDIFiller_Quillet' Class !");
    EXPECT_EQ("VEXOMAR.HLP", plugin.HelpFile());
    Send(kInitialise);
    EXPECT_TRUE(engine.calls.empty());
    EXPECT_EQ(0, Send(kQueryAvailable));
    // The help file follows the host's path even so.
    char hostPath[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, hostPath, MAX_PATH);
    EXPECT_EQ(HelpFileForHost(hostPath), plugin.HelpFile());
    EXPECT_EQ("HLP", plugin.HelpFile().substr(plugin.HelpFile().size() - 3));
}

TEST_F(QuilletTest, AnswersEveryMessageOfTheProtocol)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    unsigned char record[32];
    memset(record, 0xAB, sizeof record);
    EXPECT_EQ(1, Send(kDescribe, reinterpret_cast<LPARAM>(record)));
    std::array<unsigned char, 32> expected = {};
    expected.fill(0);
    expected[0] = expected[1] = expected[2] = expected[3] = 0xAB;
    expected[28] = 1;
    EXPECT_EQ(expected, Bytes32(record));
    EXPECT_EQ(1, Send(kReserved1544));
    EXPECT_EQ(1, Send(kStart));
    EXPECT_EQ(0, Send(kRefresh));
    EXPECT_EQ(0, Send(kTimer));
    EXPECT_EQ(0, Send(1600));
    prompter.Expect("Help is not available at this time !");
    EXPECT_EQ(1, Send(kHelp));
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), prompter.LastType() & MB_ICONMASK);
    MSG message = {host.Window(), WM_USER, 0, 0};
    EXPECT_EQ(0, Send(kPreTranslate, reinterpret_cast<LPARAM>(&message)));
    EXPECT_TRUE(host.requests.empty());
}

TEST_F(QuilletTest, OpensThePanelWithTheRequestRecordAndTheComputerInTheTitle)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    EXPECT_EQ(0, Send(kOpen));
    ASSERT_EQ(1u, host.requests.size());
    const auto& request = host.requests[0];
    EXPECT_EQ(32u, Word(request, 0));
    EXPECT_EQ(106u, Word(request, 4));
    EXPECT_NE(0u, Word(request, 8));
    EXPECT_EQ(112u, Word(request, 12));
    EXPECT_EQ("Local Scanner", host.titles[0]);
    EXPECT_EQ(0x06CF0000u, Word(request, 20));
    EXPECT_EQ(9u, Word(request, 24));
    EXPECT_EQ(0u, Word(request, 28));
    HWND panel = plugin.PanelWindow();
    ASSERT_NE(nullptr, panel);
    EXPECT_EQ("Local Scanner : [" + Computer() + "]", TextOf(panel));
    EXPECT_TRUE(IsWindowVisible(panel));
    HWND frame = GetWindow(panel, GW_CHILD);
    EXPECT_EQ("MDIFiller_Quillet", ClassOf(frame));
    // The tree and the file list are the splitter's panes.
    EXPECT_NE(nullptr, FindWindowExA(GetDlgItem(frame, AFX_IDW_PANE_FIRST), nullptr, "WndListClass", nullptr));
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(QuilletTest, ReopensAPanelTheUserClosedAndActivatesAnOpenOne)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    Send(kOpen);
    HWND first = plugin.PanelWindow();
    Send(kOpen);
    EXPECT_EQ(1u, host.requests.size());
    ShowWindow(first, SW_MINIMIZE);
    Send(kOpen);
    EXPECT_FALSE(IsIconic(first));
    EXPECT_EQ(1u, host.requests.size());
    SendMessageA(host.Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(first), 0);
    Send(kOpen);
    EXPECT_EQ(2u, host.requests.size());
    EXPECT_TRUE(IsWindow(plugin.PanelWindow()));
}

TEST_F(QuilletTest, TerminateClosesAPanelStillOpen)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    Send(kOpen);
    HWND panel = plugin.PanelWindow();
    ASSERT_TRUE(IsWindow(panel));
    Send(kTerminate);
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(nullptr, plugin.PanelWindow());
}

TEST_F(QuilletTest, ASecondOpenDuringAnOpenOnlyBeeps)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    prompter.ExpectBeep();
    host.duringRequest = [this] { Send(kOpen); };
    Send(kOpen);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(1u, host.requests.size());
}

TEST_F(QuilletTest, AChildRefusedForLackOfAResourceIsTold)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    host.answer = TestPanelHost::Answer::RefuseMissingResource;
    prompter.Expect("A necessary resource has failed. Please restart the application.");
    Send(kOpen);
    EXPECT_EQ(static_cast<UINT>(MB_ICONSTOP), prompter.LastType() & MB_ICONMASK);
    EXPECT_EQ(nullptr, plugin.PanelWindow());
    host.answer = TestPanelHost::Answer::RefuseQuietly;
    Send(kOpen);
    EXPECT_EQ(1u, prompter.Shown().size());
}

TEST_F(QuilletTest, RefreshReachesThePanelFrameAndItsToolbar)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    EXPECT_EQ(0, Send(kRefresh));
    Send(kOpen);
    HWND frame = GetWindow(plugin.PanelWindow(), GW_CHILD);
    HWND toolbar = FindWindowExA(frame, nullptr, "ToolbarWindow32", nullptr);
    ASSERT_NE(nullptr, toolbar);
    MessageRecorder recorder({kPanelRefresh, kIdleUpdateCmdUI});
    Send(kRefresh);
    std::vector<std::string> seen;
    for (const RecordedMessage& message : recorder.Messages()) {
        if (message.message == kPanelRefresh && message.window == frame)
            seen.push_back("1280 to frame");
        else if (message.message == kIdleUpdateCmdUI && message.window == toolbar && message.wParam == 1)
            seen.push_back("idle update to toolbar");
    }
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ("1280 to frame", seen[seen.size() - 2]);
    EXPECT_EQ("idle update to toolbar", seen.back());
}

TEST(QuilletHelpFile, ComesFromTheHostsPath)
{
    EXPECT_EQ("C:\\VEXOMAR\\VXMGR.HLP", HelpFileForHost("C:\\VEXOMAR\\VXMGR.EXE"));
    EXPECT_EQ("VEXOMAR.HLP", HelpFileForHost("AB"));
}

}  // namespace
