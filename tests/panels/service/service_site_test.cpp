// The panel over a real site through YNNIS.DLL and DRUMEL.DLL: two domains, a running server,
// a stopped one and one that asks for a logon, each shown with the state its instance gives.
#include <gtest/gtest.h>

#include <windows.h>

#include "drumel.h"
#include "plugin_protocol.h"
#include "scratch_site.h"
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

}  // namespace
