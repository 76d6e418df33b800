// The panel over a real site through YNNIS.DLL and DRUMEL.DLL: two domains, a running server,
// a stopped one and one that asks for a logon, each shown with the state its instance gives.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "cmd_ui.h"
#include "drumel.h"
#include "login_dlg.h"
#include "modal_script.h"
#include "plugin_protocol.h"
#include "scratch_site.h"
#include "scripted_prompter.h"
#include "service_control_ids.h"
#include "service_tree_ids.h"
#include "sync_broadcast_dlg.h"
#include "service_fakes.h"
#include "service_frame_wnd.h"
#include "service_plugin.h"
#include "test_panel_host.h"
#include "ui_actions.h"
#include "ynnis.h"

using namespace panel_protocol;

namespace {

CExtensionApp g_app("SERVICE");

class SitePanel : public ::testing::Test {
protected:
    void TearDown() override
    {
        plugin.HandleMessage(host.Window(), kTerminate, 0, 0);
        VexomarStopService("ALPHA");
        VexomarStopService("BETA");
        site.UninstallAll();
    }

    HTREEITEM Find(CTreeCtrl& view, HTREEITEM parent, const std::string& text)
    {
        for (HTREEITEM item = parent ? view.GetChildItem(parent) : view.GetRootItem(); item;
             item = view.GetNextSiblingItem(item)) {
            if (view.GetItemText(item) == text)
                return item;
        }
        return nullptr;
    }

    // The panel opened over the site with the query running; the frame, or null.
    CServiceFrameWnd* Open()
    {
        if (core.StartQuery() != 0)
            return nullptr;
        plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
        plugin.HandleMessage(host.Window(), kOpen, 0, 0);
        FlushMessages();
        return dynamic_cast<CServiceFrameWnd*>(CWnd::FromHandlePermanent(GetWindow(plugin.PanelWindow(), GW_CHILD)));
    }
    // The node at `path` below Microsoft Networks ("SALES", "SALES/BETA"), its domain opened.
    HTREEITEM Node(CServiceFrameWnd& frame, const std::string& domain, const std::string& server = "")
    {
        CTreeCtrl& view = frame.TreePane()->Tree();
        HTREEITEM item = Find(view, Find(view, nullptr, "Microsoft Networks"), domain);
        if (!item || server.empty())
            return item;
        view.Expand(item);
        return Find(view, item, server);
    }
    // Whether the node's server reads as running now, as the tree shows it after a refresh.
    static bool ShownActive(CServiceFrameWnd& frame, HTREEITEM item)
    {
        frame.TreePane()->RefreshTree();
        auto* node = reinterpret_cast<ServerNode*>(frame.TreePane()->Tree().GetItemData(item));
        return node && node->stateWord != 0;
    }

    ScratchSite site;
    TestPanelHost host;
    FakeSecurityCalls security;
    LoadedServiceCore core;
    ServicePlugin plugin {g_app, security, core};
};

TEST_F(SitePanel, DomainsServersAndTheirRealStates)
{
    site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    ASSERT_EQ(0u, core.StartQuery());
    plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
    plugin.HandleMessage(host.Window(), kOpen, 0, 0);
    FlushMessages();
    auto* frame = dynamic_cast<CServiceFrameWnd*>(CWnd::FromHandlePermanent(GetWindow(plugin.PanelWindow(), GW_CHILD)));
    ASSERT_TRUE(frame);
    CTreeCtrl& view = frame->TreePane()->Tree();
    HTREEITEM network = Find(view, nullptr, "Microsoft Networks");
    ASSERT_TRUE(Find(view, nullptr, "Point To Point"));
    ASSERT_TRUE(network);
    HTREEITEM sales = Find(view, network, "SALES");
    HTREEITEM research = Find(view, network, "RESEARCH");
    ASSERT_TRUE(sales);
    ASSERT_TRUE(research);

    view.Expand(research);
    HTREEITEM gamma = Find(view, research, "GAMMA");
    ASSERT_TRUE(gamma);
    auto* gammaNode = reinterpret_cast<ServerNode*>(view.GetItemData(gamma));
    EXPECT_EQ(1u, gammaNode->entryFlags & 1) << "GAMMA asks for a logon";

    CColList& list = frame->DetailsPane()->ServerList();
    auto row = [&](const std::string& name) {
        for (int position = 0; position < list.ItemCount(); ++position) {
            if (list.GetItemColumnText(position, 0) == name)
                return list.GetItemText(position);
        }
        return std::string();
    };
    view.SelectItem(sales);
    ASSERT_EQ(2, list.ItemCount());
    ASSERT_TRUE(WaitFor([&] {
        frame->TreePane()->RefreshTree();
        return list.GetItemColumnText(0, 1) == "Active  ";
    })) << row("ALPHA");
    EXPECT_EQ(0u, row("ALPHA").find("ALPHA\tActive  \tInActive\t")) << row("ALPHA");
    EXPECT_NE(std::string::npos, row("ALPHA").find("\tv1.00\t")) << "the product version the instance gives";
    EXPECT_EQ("BETA\tInactive\tNA      \tNA         \tv0.00\tv0.00\tv0.00\tNT v0.00", row("BETA"))
        << "installed, never started";

    view.Expand(sales);
    view.SelectItem(Find(view, sales, "ALPHA"));
    CColList& properties = frame->DetailsPane()->PropertyList();
    ASSERT_EQ(17, properties.ItemCount());
    EXPECT_EQ("Machine Name:       \tALPHA\t02", properties.GetItemText(1));
    EXPECT_EQ("Domain:             \tSALES\t03", properties.GetItemText(2));
    EXPECT_EQ("Service:            \tActive\t04", properties.GetItemText(3));
}

TEST_F(SitePanel, AStoppedServerIsStartedFromTheTreeAndReadsActive)
{
    site.Install({"ALPHA", "BETA"});
    CServiceFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    HTREEITEM beta = Node(*frame, "SALES", "BETA");
    ASSERT_TRUE(beta);
    frame->TreePane()->Tree().SelectItem(beta);
    ASSERT_TRUE(IsCommandEnabled(*frame, ID_NODE_START_SERVICE));
    ScriptedPrompter prompter;
    prompter.Expect("Activate Vexomar Service on Server (BETA) ?");
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_START_SERVICE));
    DWORD status = 0;
    EXPECT_EQ(0u, VexomarGetServiceStatus("BETA", &status));
    EXPECT_EQ(DWORD(SERVICE_RUNNING), status);
    ASSERT_TRUE(WaitFor([&] { return ShownActive(*frame, beta); }));
    CColList& properties = frame->DetailsPane()->PropertyList();
    EXPECT_EQ("Service:            \tActive\t04", properties.GetItemText(3));
    EXPECT_TRUE(IsCommandEnabled(*frame, ID_NODE_STOP_SERVICE));
    EXPECT_FALSE(IsCommandEnabled(*frame, ID_NODE_START_SERVICE));
    EXPECT_EQ((std::vector<std::string> {"Activating Vexomar Service on Server (BETA).", "<idle>"}), host.statusTexts);
}

TEST_F(SitePanel, ADomainIsStoppedAndStartedAgain)
{
    site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("SALES", 0));
    CServiceFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    HTREEITEM sales = Node(*frame, "SALES");
    HTREEITEM alpha = Node(*frame, "SALES", "ALPHA");
    HTREEITEM beta = Node(*frame, "SALES", "BETA");
    ASSERT_TRUE(alpha && beta);
    ASSERT_TRUE(WaitFor([&] { return ShownActive(*frame, alpha) && ShownActive(*frame, beta); }));
    frame->TreePane()->Tree().SelectItem(sales);
    ScriptedPrompter prompter;
    prompter.Expect("Deactivate Vexomar Service on all servers in Domain (SALES) ?")
        .Expect("Activate Vexomar Service on all servers in Domain (SALES) ?");
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_STOP_SERVICE));
    DWORD status = 0;
    EXPECT_EQ(0u, VexomarGetServiceStatus("SALES", &status));
    EXPECT_EQ(DWORD(SERVICE_STOPPED), status) << "no server of the domain runs";
    ASSERT_TRUE(WaitFor([&] { return !ShownActive(*frame, alpha) && !ShownActive(*frame, beta); }));
    EXPECT_FALSE(IsCommandEnabled(*frame, ID_NODE_STOP_SERVICE));

    ASSERT_TRUE(frame->RouteCommand(ID_NODE_START_SERVICE));
    ASSERT_TRUE(WaitFor([&] { return ShownActive(*frame, alpha) && ShownActive(*frame, beta); }));
    EXPECT_EQ((std::vector<std::string> {"Deactivating Vexomar Service on Server (ALPHA).", "<idle>",
                  "Deactivating Vexomar Service on Server (BETA).", "<idle>",
                  "Activating Vexomar Service on Server (ALPHA).", "<idle>",
                  "Activating Vexomar Service on Server (BETA).", "<idle>"}),
        host.statusTexts);
}

TEST_F(SitePanel, TheServerThatAsksForALogonRefusesUntilTheRightPassword)
{
    site.Install({"GAMMA"});
    CServiceFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    HTREEITEM gamma = Node(*frame, "RESEARCH", "GAMMA");
    ASSERT_TRUE(gamma);
    frame->TreePane()->Tree().SelectItem(gamma);
    EXPECT_EQ(ERROR_ACCESS_DENIED, VexomarStartService("GAMMA", 0)) << "not logged on yet";
    std::vector<std::string> errors;
    auto login = [&errors](const char* password) {
        return [&errors, password](CWnd& modal) {
            errors.push_back(modal.GetDlgItemText(IDC_LOGIN_ERROR));
            TypeText(modal.m_hWnd, IDC_LOGIN_USER, "admin");
            TypeText(modal.m_hWnd, IDC_LOGIN_PASSWORD, password);
            Click(modal.m_hWnd, IDOK);
        };
    };
    ModalScript script;
    script.Then(login("vexomar")).Then(login("Secret"));
    ScriptedPrompter prompter;
    prompter.Expect("Activate Vexomar Service on Server (GAMMA) ?");
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_START_SERVICE));
    ASSERT_EQ(2u, errors.size());
    EXPECT_EQ("", errors[0]);
    EXPECT_EQ("Login failed due to the following error:\nInvalid password.", errors[1]);
    DWORD status = 0;
    EXPECT_EQ(0u, VexomarGetServiceStatus("GAMMA", &status));
    EXPECT_EQ(DWORD(SERVICE_RUNNING), status);
    EXPECT_TRUE(WaitFor([&] { return ShownActive(*frame, gamma); }));
    EXPECT_EQ(0u, VexomarStopService("GAMMA")) << "this process is logged on now";
}

TEST_F(SitePanel, AServersTableIsSynchronisedToEveryServerOfItsDomain)
{
    site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    BYTE entry[80] = {};
    std::memcpy(entry, "ENGINEERING", 11);
    entry[68] = 1;
    entry[69] = 1;
    DWORD stored = 0;
    ASSERT_EQ(0u, VexomarTableSave("ALPHA", 1, entry, sizeof entry, 1, 1, 0, &stored));
    ASSERT_EQ(1u, stored);
    CServiceFrameWnd* frame = Open();
    ASSERT_TRUE(frame);
    HTREEITEM alpha = Node(*frame, "SALES", "ALPHA");
    ASSERT_TRUE(alpha);
    frame->TreePane()->Tree().SelectItem(alpha);
    ModalScript script;
    script.Then([](CWnd& modal) {
        CheckDlgButton(modal.m_hWnd, IDC_SYNC_NT_DOMAINS, BST_CHECKED);
        Click(modal.m_hWnd, IDOK);
    });
    ASSERT_TRUE(frame->RouteCommand(ID_NODE_SYNCHRONIZE));
    BYTE read[80] = {};
    DWORD count = 0;
    ASSERT_EQ(0u, VexomarTableLoad("BETA", 1, read, sizeof read, 0, 1, &count));
    ASSERT_EQ(1u, count);
    EXPECT_EQ(0, std::memcmp(entry, read, sizeof entry));
}

}  // namespace
