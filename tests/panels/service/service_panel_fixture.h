// ServicePanelFixture: the plug-in opened in a test host over the fake site, its tree read once.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_site_core.h"
#include "plugin_protocol.h"
#include "service_frame_wnd.h"
#include "service_plugin.h"
#include "service_tree_ids.h"
#include "test_panel_host.h"
#include "ui_actions.h"

// The test program's application object (one per module), defined beside its tests.
extern CExtensionApp g_app;

class ServicePanelFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        plugin.HandleMessage(host.Window(), panel_protocol::kInitialise, 0, 0);
        plugin.HandleMessage(host.Window(), panel_protocol::kOpen, 0, 0);
        FlushMessages();
        frame = dynamic_cast<CServiceFrameWnd*>(CWnd::FromHandlePermanent(GetWindow(plugin.PanelWindow(), GW_CHILD)));
        ASSERT_TRUE(frame);
        tree = frame->TreePane();
        details = frame->DetailsPane();
        tree->SetClock([this] { return now; });
        // Refresh Browser reads the tree now and starts the spacing from the test's clock.
        ASSERT_TRUE(frame->RouteCommand(ID_NODE_REFRESH_BROWSER));
    }
    void TearDown() override { plugin.HandleMessage(host.Window(), panel_protocol::kTerminate, 0, 0); }

    HTREEITEM Find(HTREEITEM parent, const std::string& text)
    {
        CTreeCtrl& view = tree->Tree();
        for (HTREEITEM item = parent ? view.GetChildItem(parent) : view.GetRootItem(); item;
             item = view.GetNextSiblingItem(item)) {
            if (view.GetItemText(item) == text)
                return item;
        }
        return nullptr;
    }
    void Select(HTREEITEM item) { tree->Tree().SelectItem(item); }

    TestPanelHost host;
    FakeSecurityCalls security;
    FakeSiteCore core;
    ServicePlugin plugin {g_app, security, core};
    CServiceFrameWnd* frame = nullptr;
    CListWnd* tree = nullptr;
    CServiceManagerPanelWnd* details = nullptr;
    DWORD now = 100000;
};
