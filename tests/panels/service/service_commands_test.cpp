// The node commands over recording server objects and service core: the reachability check and
// the "Login" prompt, the questions and status lines of a start or a stop, every status code's
// text, the access-denied retry, the command states and the domain broadcast dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <optional>

#include "cmd_ui.h"
#include "fake_site_core.h"
#include "login_dlg.h"
#include "modal_script.h"
#include "plugin_protocol.h"
#include "property_sheet.h"
#include "reachability.h"
#include "scripted_prompter.h"
#include "service_control.h"
#include "service_control_ids.h"
#include "service_status_messages.h"
#include "service_frame_wnd.h"
#include "service_panel_fixture.h"
#include "service_plugin.h"
#include "service_tree_ids.h"
#include "sync_broadcast_dlg.h"
#include "test_panel_host.h"
#include "ui_actions.h"

using namespace panel_protocol;

CExtensionApp g_app("SERVICE");

namespace {

// What the system says for the two refusals of a logon, under Wine.
const char* const kWrongPasswordText = "Invalid password.";
const char* const kNoSuchServerText = "RPC server unavailable.";

NodeTarget Server(FakeServerObject& object, const char* name, TargetKind kind, bool active)
{
    NodeTarget target;
    target.config = {kind, name, name};
    target.object = object.AsServer();
    target.active = active;
    return target;
}

// The "Login" dialog as it stood, and the answer a step gave it.
struct LoginSeen {
    std::string error, server, text, user;
};

ModalScript::Step AnswerLogin(LoginSeen& seen, const std::string& user, const std::string& password, int button = IDOK)
{
    return [&seen, user, password, button](CWnd& modal) {
        seen.error = modal.GetDlgItemText(IDC_LOGIN_ERROR);
        seen.server = modal.GetDlgItemText(IDC_LOGIN_SERVER);
        seen.text = modal.GetDlgItemText(IDC_LOGIN_TEXT);
        seen.user = modal.GetDlgItemText(IDC_LOGIN_USER);
        EXPECT_EQ("Login", modal.GetWindowText());
        TypeText(modal.m_hWnd, IDC_LOGIN_USER, user);
        TypeText(modal.m_hWnd, IDC_LOGIN_PASSWORD, password);
        Click(modal.m_hWnd, button);
    };
}

class Reachability : public ::testing::Test {
protected:
    FakeServerObject gamma {"GAMMA"};
    ScriptedPrompter prompter;
    ModalScript script;
};

TEST_F(Reachability, WithoutAServerObjectOrInModeZeroWithoutAServiceItFails)
{
    EXPECT_FALSE(CheckReachable(nullptr, ReachMode::kAlways, nullptr));
    NodeTarget bare = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    bare.object = nullptr;
    EXPECT_FALSE(CheckReachable(&bare, ReachMode::kAlways, nullptr));
    const NodeTarget stopped = Server(gamma, "GAMMA", TargetKind::kMemberServer, false);
    EXPECT_FALSE(CheckReachable(&stopped, ReachMode::kNormal, nullptr));
    EXPECT_TRUE(gamma.calls.empty()) << "not even a connect";
    EXPECT_TRUE(CheckReachable(&stopped, ReachMode::kAlways, nullptr));
    EXPECT_EQ((std::vector<std::string> {"9(0)"}), gamma.calls);
}

TEST_F(Reachability, AFailedConnectShowsTheSystemsTextOfItsNumber)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    gamma.connectAnswers = {{kConnectFailed, 1722}};
    prompter.Expect(kNoSuchServerText);
    EXPECT_FALSE(CheckReachable(&target, ReachMode::kNormal, nullptr));
    gamma.connects = 0;
    gamma.connectAnswers = {{kConnectFailed, 0}};
    EXPECT_FALSE(CheckReachable(&target, ReachMode::kNormal, nullptr)) << "no number, no message";
    EXPECT_FALSE(CheckReachable(&target, ReachMode::kNormal, nullptr, false));
}

TEST_F(Reachability, CredentialsAskedForAreGivenAndCheckedOnceMore)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    gamma.connectAnswers = {{kConnectNeedsCredentials, 0}, {kConnectDone, 0}};
    LoginSeen seen;
    script.Then(AnswerLogin(seen, "admin", "vexomar"));
    EXPECT_TRUE(CheckReachable(&target, ReachMode::kNormal, nullptr));
    EXPECT_EQ("", seen.error) << "the first attempt gave no number";
    EXPECT_EQ("GAMMA", seen.server);
    EXPECT_EQ("Vexomar Service on this server", seen.text);
    EXPECT_EQ("operator", seen.user) << "the object's user name";
    EXPECT_EQ((std::vector<std::string> {"9(0)", "12(admin,vexomar)", "9(1)"}), gamma.calls);
}

TEST_F(Reachability, ARefusedPasswordAsksAgainWithTheReasonUntilItIsRight)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    gamma.connectAnswers = {{kConnectNeedsCredentials, 0}, {kConnectCredentialsRefused, 86}, {kConnectDone, 0}};
    LoginSeen first, second;
    script.Then(AnswerLogin(first, "admin", "guess")).Then(AnswerLogin(second, "admin", "vexomar"));
    EXPECT_TRUE(CheckReachable(&target, ReachMode::kNormal, nullptr));
    EXPECT_EQ("", first.error);
    EXPECT_EQ(std::string("Login failed due to the following error:\n") + kWrongPasswordText, second.error);
    EXPECT_EQ("admin", second.user) << "the name given last time";
    EXPECT_EQ((std::vector<std::string> {"9(0)", "12(admin,guess)", "9(1)", "12(admin,vexomar)", "9(1)"}), gamma.calls);
}

TEST_F(Reachability, CancellingThePromptFailsQuietlyAndAnyOtherAnswerFailsToo)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    gamma.connectAnswers = {{kConnectCredentialsRefused, 86}};
    LoginSeen seen;
    script.Then(AnswerLogin(seen, "admin", "x", IDCANCEL));
    EXPECT_FALSE(CheckReachable(&target, ReachMode::kNormal, nullptr));
    EXPECT_EQ((std::vector<std::string> {"9(0)"}), gamma.calls) << "nothing given after Cancel";

    gamma.calls.clear();
    gamma.connects = 0;
    gamma.connectAnswers = {{kConnectNeedsCredentials, 0}, {kConnectFailed, 1722}};
    script.Then(AnswerLogin(seen, "admin", "vexomar"));
    prompter.Expect(kNoSuchServerText);
    EXPECT_FALSE(CheckReachable(&target, ReachMode::kNormal, nullptr));
}

TEST_F(Reachability, AfterAnAccessDeniedAnswerThePromptComesFirst)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, false);
    LoginSeen seen;
    script.Then(AnswerLogin(seen, "admin", "vexomar"));
    EXPECT_TRUE(CheckReachable(&target, ReachMode::kAfterDenied, nullptr));
    EXPECT_EQ("", seen.error);
    EXPECT_EQ((std::vector<std::string> {"12(admin,vexomar)", "9(1)"}), gamma.calls);
}

TEST_F(Reachability, TheLoginsHelpSaysItIsNotAvailableAndKeepsThePromptOpen)
{
    const NodeTarget target = Server(gamma, "GAMMA", TargetKind::kMemberServer, true);
    gamma.connectAnswers = {{kConnectNeedsCredentials, 0}, {kConnectDone, 0}};
    bool openAfterHelp = false;
    script.Then([&](CWnd& modal) {
        Click(modal.m_hWnd, IDHELP);
        openAfterHelp = !static_cast<CDialog&>(modal).IsModalEnded();
        TypeText(modal.m_hWnd, IDC_LOGIN_PASSWORD, "vexomar");
        Click(modal.m_hWnd, IDOK);
    });
    prompter.Expect("Help is not available at this time !");
    EXPECT_TRUE(CheckReachable(&target, ReachMode::kNormal, nullptr));
    EXPECT_TRUE(openAfterHelp);
    EXPECT_EQ((std::vector<std::string> {"9(0)", "12(operator,vexomar)", "9(1)"}), gamma.calls);
}

// Start and stop straight through ServiceControl, with the host's status line recorded.
class ServiceControlTest : public ::testing::Test {
protected:
    // Runs `act` once for each status of `table`, the service core answering it to the first
    // call and again to the retry, and expects the question and then the status's text. An
    // access-denied answer goes through the prompt, which lets the retry through.
    void ExpectEachText(const std::vector<std::pair<DWORD, std::string>>& table, std::vector<DWORD>& answers,
        const std::string& question, const std::function<void()>& act)
    {
        for (const auto& [status, text] : table) {
            answers = {status, status};
            prompter.Expect(question).Expect(text);
            LoginSeen seen;
            if (status == kStatusAccessDenied)
                script.Then(AnswerLogin(seen, "admin", "vexomar"));
            act();
            EXPECT_TRUE(prompter.Done()) << status;
        }
    }

    TestPanelHost host;
    FakeSiteCore core;
    ServiceControl control {core, host.Window()};
    ScriptedPrompter prompter;
    ModalScript script;
};

TEST_F(ServiceControlTest, TheQuestionNamesTheNodeByItsKind)
{
    NodeTarget domain;
    domain.config = {TargetKind::kDomain, "SALES", "SALES"};
    domain.object = core.sales.AsServer();
    prompter.Expect("Activate Vexomar Service on all servers in Domain (SALES) ?", IDCANCEL)
        .Expect("Activate Vexomar Service on Single Server (HOME) ?", IDCANCEL)
        .Expect("Activate Vexomar Service on Server (BETA) ?", IDCANCEL)
        .Expect("Deactivate Vexomar Service on all servers in Domain (SALES) ?", IDCANCEL)
        .Expect("Deactivate Vexomar Service on Single Server (HOME) ?", IDCANCEL)
        .Expect("Deactivate Vexomar Service on Server (BETA) ?", IDCANCEL);
    const NodeTarget single = Server(core.self, "HOME", TargetKind::kSingleServer, false);
    const NodeTarget member = Server(core.beta, "BETA", TargetKind::kMemberServer, false);
    EXPECT_FALSE(control.Start(domain, nullptr));
    EXPECT_FALSE(control.Start(single, nullptr));
    EXPECT_FALSE(control.Start(member, nullptr));
    EXPECT_FALSE(control.Stop(domain, nullptr));
    EXPECT_FALSE(control.Stop(single, nullptr));
    EXPECT_FALSE(control.Stop(member, nullptr));
    EXPECT_TRUE(core.calls.empty()) << "Cancel calls nothing";
    EXPECT_TRUE(host.statusTexts.empty());
}

TEST_F(ServiceControlTest, TheStatusLineShowsDuringTheCallAndIsRestoredAfter)
{
    prompter.Expect("Activate Vexomar Service on Single Server (HOME) ?")
        .Expect("Deactivate Vexomar Service on Server (ALPHA) ?");
    EXPECT_TRUE(control.Start(Server(core.self, "HOME", TargetKind::kSingleServer, false), nullptr));
    EXPECT_TRUE(control.Stop(Server(core.alpha, "ALPHA", TargetKind::kMemberServer, true), nullptr));
    EXPECT_EQ((std::vector<std::string> {"Activating Vexomar Service on Single Server (HOME).", "<idle>",
                  "Deactivating Vexomar Service on Server (ALPHA).", "<idle>"}),
        host.statusTexts);
    EXPECT_EQ((std::vector<std::string> {"start(HOME)", "stop(ALPHA)"}), core.calls);
    EXPECT_EQ((std::vector<std::string> {"8"}), core.alpha.calls) << "the state is read again at once";
}

TEST_F(ServiceControlTest, EveryStartStatusHasItsText)
{
    const NodeTarget beta = Server(core.beta, "BETA", TargetKind::kMemberServer, false);
    ExpectEachText(
        {
            {5, "You are not authorized to perform the operation."},
            {1053, "The service did not respond to the start or control request in a timely\nfashion."},
            {1056, "Service is already Active and Running."},
            {1057, "Service operation is not Authorized."},
            {1058, "The service is disabled and cannot be started."},
            {1060, "Service does not Exist."},
            {1061, "The service cannot accept control messages at this time."},
            {2, "Could not Start Service."},
        },
        core.startAnswers, "Activate Vexomar Service on Server (BETA) ?", [&] { control.Start(beta, nullptr); });
}

TEST_F(ServiceControlTest, EveryStopStatusHasItsText)
{
    const NodeTarget alpha = Server(core.alpha, "ALPHA", TargetKind::kMemberServer, true);
    ExpectEachText(
        {
            {5, "You are not authorized to perform the operation."},
            {1051, "Can not stop Service because other running Services depend upon this one."},
            {1060, "Service does not Exist."},
            {1062, "Service is already Inactive."},
            {1061, "Could not Stop Service."},
        },
        core.stopAnswers, "Deactivate Vexomar Service on Server (ALPHA) ?", [&] { control.Stop(alpha, nullptr); });
    core.stopAnswers = {0};
    prompter.Expect("Deactivate Vexomar Service on Server (ALPHA) ?");
    control.Stop(alpha, nullptr);
    EXPECT_TRUE(prompter.Done()) << "a stop that worked says nothing";
}

TEST_F(ServiceControlTest, AnAccessDeniedStartLogsOnAndTriesOnceMore)
{
    core.startAnswers = {5, 0};
    prompter.Expect("Activate Vexomar Service on Server (BETA) ?");
    LoginSeen seen;
    script.Then(AnswerLogin(seen, "admin", "vexomar"));
    EXPECT_TRUE(control.Start(Server(core.beta, "BETA", TargetKind::kMemberServer, false), nullptr));
    EXPECT_EQ((std::vector<std::string> {"start(BETA)", "start(BETA)"}), core.calls);
    EXPECT_EQ((std::vector<std::string> {"12(admin,vexomar)", "9(1)", "8"}), core.beta.calls)
        << "no connect before the prompt";
    EXPECT_EQ((std::vector<std::string> {"Activating Vexomar Service on Server (BETA).", "<idle>"}), host.statusTexts);
}

TEST_F(ServiceControlTest, CancellingTheLogonAfterAnAccessDeniedStopEndsQuietly)
{
    core.stopAnswers = {5};
    prompter.Expect("Deactivate Vexomar Service on Server (ALPHA) ?");
    LoginSeen seen;
    script.Then(AnswerLogin(seen, "", "", IDCANCEL));
    control.Stop(Server(core.alpha, "ALPHA", TargetKind::kMemberServer, true), nullptr);
    EXPECT_EQ((std::vector<std::string> {"stop(ALPHA)"}), core.calls);
    EXPECT_EQ((std::vector<std::string> {"Deactivating Vexomar Service on Server (ALPHA).", "<idle>"}), host.statusTexts)
        << "restored all the same";
}

TEST_F(ServiceControlTest, ADomainIsStartedMemberByMemberWithAMessageForEachFailure)
{
    NodeTarget domain;
    domain.config = {TargetKind::kDomain, "SALES", "SALES"};
    domain.object = core.sales.AsServer();
    domain.members = {Server(core.alpha, "ALPHA", TargetKind::kMemberServer, false),
        Server(core.beta, "BETA", TargetKind::kMemberServer, false), Server(core.self, "HOME", TargetKind::kMemberServer, true)};
    core.startAnswers = {1058, 0};
    prompter.Expect("Activate Vexomar Service on all servers in Domain (SALES) ?")
        .Expect("The service is disabled and cannot be started.");
    EXPECT_TRUE(control.Start(domain, nullptr));
    EXPECT_EQ((std::vector<std::string> {"start(ALPHA)", "start(BETA)"}), core.calls) << "HOME runs already";
    EXPECT_EQ((std::vector<std::string> {"Activating Vexomar Service on Server (ALPHA).", "<idle>",
                  "Activating Vexomar Service on Server (BETA).", "<idle>"}),
        host.statusTexts);

    core.calls.clear();
    prompter.Expect("Deactivate Vexomar Service on all servers in Domain (SALES) ?");
    EXPECT_TRUE(control.Stop(domain, nullptr));
    EXPECT_EQ((std::vector<std::string> {"stop(HOME)"}), core.calls) << "only what runs is stopped";
}

// The commands from the panel: their states by node, and what each opens.
class NodeCommandTest : public ServicePanelFixture {
protected:
    void SetUp() override
    {
        ServicePanelFixture::SetUp();
        network = Find(nullptr, "Microsoft Networks");
        sales = Find(network, "SALES");
        tree->Tree().Expand(sales);
    }
    // The five commands' states for the node, in menu order: configure, broadcasts, start, stop, synchronize.
    std::string States(HTREEITEM item)
    {
        tree->Tree().SelectItem(item);
        std::string states;
        for (UINT id : {ID_NODE_CONFIGURE_SERVICE, ID_NODE_CONFIGURE_BROADCASTS, ID_NODE_START_SERVICE,
                 ID_NODE_STOP_SERVICE, ID_NODE_SYNCHRONIZE})
            states += IsCommandEnabled(*frame, id) ? '1' : '0';
        return states;
    }

    HTREEITEM network = nullptr, sales = nullptr;
    ScriptedPrompter prompter;
    ModalScript script;
};

TEST_F(NodeCommandTest, EachNodeKindAndStateEnablesItsCommands)
{
    EXPECT_EQ("00000", States(network)) << "a branch";
    EXPECT_EQ("00100", States(Find(Find(nullptr, "Point To Point"), "HOME"))) << "a stopped single server";
    EXPECT_EQ("11011", States(Find(sales, "ALPHA"))) << "a running member server";
    EXPECT_EQ("00101", States(Find(sales, "BETA"))) << "a stopped member server";
    EXPECT_EQ("11110", States(sales)) << "a domain with a running and a stopped server";
    core.alpha.stateWord = 0;
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_REFRESH_BROWSER));
    EXPECT_EQ("00100", States(sales)) << "nothing runs";
}

TEST_F(NodeCommandTest, ToolbarButtonsFollowTheSelectedNodeAtTheHostsRefresh)
{
    tree->Tree().SelectItem(Find(sales, "ALPHA"));
    frame->SendMessage(kPanelRefresh, 0, 0);
    CToolBar& bar = frame->ToolBar();
    auto enabled = [&](UINT id) {
        return (::SendMessageA(bar.m_hWnd, TB_GETSTATE, id, 0) & TBSTATE_ENABLED) != 0;
    };
    EXPECT_TRUE(enabled(ID_NODE_CONFIGURE_SERVICE));
    EXPECT_TRUE(enabled(ID_NODE_STOP_SERVICE));
    EXPECT_FALSE(enabled(ID_NODE_START_SERVICE));
    tree->Tree().SelectItem(Find(sales, "BETA"));
    frame->SendMessage(kPanelRefresh, 0, 0);
    EXPECT_FALSE(enabled(ID_NODE_CONFIGURE_BROADCASTS));
    EXPECT_TRUE(enabled(ID_NODE_START_SERVICE));
}

TEST_F(NodeCommandTest, AStartedServerShowsActiveAndOffersStopAfterwards)
{
    tree->Tree().SelectItem(Find(sales, "BETA"));
    prompter.Expect("Activate Vexomar Service on Server (BETA) ?");
    core.beta.stateWord = 0x0101;  // what the instance answers once it runs
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_START_SERVICE));
    std::vector<std::string> logonAndState;
    for (const std::string& call : core.beta.calls)
        if (call == "8" || call.rfind("9(", 0) == 0)
            logonAndState.push_back(call);
    EXPECT_EQ((std::vector<std::string> {"9(0)", "8"}), logonAndState) << "checked, then read again";
    EXPECT_EQ((std::vector<std::string> {"start(BETA)"}), core.calls);
    const CColList& properties = frame->DetailsPane()->PropertyList();
    ASSERT_LT(3, properties.ItemCount());
    EXPECT_EQ("Service:            \tActive\t04", properties.GetItemText(3));
    EXPECT_EQ("11011", States(Find(sales, "BETA")));
    EXPECT_EQ(tree->Tree().m_hWnd, GetFocus()) << "the focus is back in the tree";
}

TEST_F(NodeCommandTest, TheSheetsOpenForTheNodeOnlyWhenItsServerIsReachable)
{
    std::vector<std::string> titles;
    auto title = [&titles](CWnd& modal) {
        titles.push_back(modal.GetWindowText());
        static_cast<CPropertySheet&>(modal).PressButton(PSBTN_CANCEL);
    };
    script.Then(title).Then(title);
    tree->Tree().SelectItem(Find(sales, "ALPHA"));
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_CONFIGURE_SERVICE));
    tree->Tree().SelectItem(sales);
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_CONFIGURE_BROADCASTS));
    EXPECT_EQ((std::vector<std::string> {"Service Configuration for Server: ALPHA",
                  "Broadcast Configuration for Domain: SALES"}),
        titles);
    const std::vector<std::string> names = core.config.Names();
    ASSERT_LE(4u, names.size());
    EXPECT_EQ((std::vector<std::string> {"getservice", "getactivity", "getscan", "getbcast"}),
        std::vector<std::string>(names.begin(), names.begin() + 4));
    EXPECT_EQ("ALPHA", core.config.calls[0].server);
    EXPECT_EQ("SALES", core.config.calls[3].server);

    // A server that cannot be connected opens nothing and says why.
    core.config.calls.clear();
    core.alpha.connectAnswers = {{kConnectFailed, 1722}};
    prompter.Expect(kNoSuchServerText);
    tree->Tree().SelectItem(Find(sales, "ALPHA"));
    frame->RouteCommand(ID_NODE_CONFIGURE_SERVICE);
    EXPECT_TRUE(core.config.calls.empty());
}

class SyncDialogTest : public ::testing::Test {
protected:
    INT_PTR Run(std::function<void(CWnd&)> act)
    {
        script.Then([act](CWnd& modal) {
            act(modal);
            Click(modal.m_hWnd, IDOK);
            if (!static_cast<CDialog&>(modal).IsModalEnded())
                Click(modal.m_hWnd, IDCANCEL);
        });
        CSyncBroadcastDlg dialog(calls, "ALPHA", "ALPHA");
        return dialog.DoModal();
    }

    RecordingServiceCalls calls;
    ScriptedPrompter prompter;
    ModalScript script;
};

TEST_F(SyncDialogTest, NoBoxCheckedClosesWithoutACall)
{
    std::string source;
    EXPECT_EQ(IDOK, Run([&](CWnd& modal) { source = modal.GetDlgItemText(IDC_SYNC_SOURCE); }));
    EXPECT_EQ("ALPHA", source);
    EXPECT_TRUE(calls.calls.empty());
}

TEST_F(SyncDialogTest, TheRecordGoesToTheDomainThenTheCheckedTablesAreSynchronised)
{
    calls.bcast.assign(32, 0x5A);
    EXPECT_EQ(IDOK, Run([](CWnd& modal) {
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_BROADCAST, BST_CHECKED);
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_NT_DOMAINS, BST_CHECKED);
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_IP_MASKS, BST_CHECKED);
    }));
    EXPECT_EQ((std::vector<std::string> {"getbcast", "setbcast", "sync"}), calls.Names());
    EXPECT_EQ(2u, calls.calls[1].domainWide) << "the record's mode: the domain";
    EXPECT_EQ(5u, calls.calls[2].table) << "NT domains and IP masks";
    EXPECT_EQ(1u, calls.calls[2].domainWide) << "the sync's mode";
    EXPECT_EQ(std::vector<BYTE>(32, 0x5A), calls.bcast) << "written back as read";
}

TEST_F(SyncDialogTest, ARecordThatCannotBeReadKeepsTheDialogOpen)
{
    calls.failing["getbcast"] = 1392;
    prompter.Expect("Error Get Broadcast Information");
    EXPECT_EQ(IDCANCEL, Run([](CWnd& modal) {
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_BROADCAST, BST_CHECKED);
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_IP_NETS, BST_CHECKED);
    }));
    EXPECT_EQ((std::vector<std::string> {"getbcast"}), calls.Names()) << "no table synchronised either";
}

TEST_F(SyncDialogTest, FailuresToWriteOrSynchroniseAreToldNotPassedOver)
{
    calls.failing["setbcast"] = 5;
    calls.failing["sync"] = 33;
    prompter.Expect("Error Saving Service Configuration.").Expect("Error Syncronizing Tables Across Domain.");
    EXPECT_EQ(IDOK, Run([](CWnd& modal) {
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_BROADCAST, BST_CHECKED);
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_IP_NETS, BST_CHECKED);
    }));
}

}  // namespace
