// CListWnd: the "Domains/Servers:" pane, the tree of networks, domains and servers.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "node_target.h"
#include "reachability.h"
#include "server_node.h"
#include "service_core.h"
#include "service_manager_panel_wnd.h"
#include "tree_ctrl.h"
#include "wnd_list.h"

class CListWnd : public CWndList {
public:
    static constexpr UINT kTreeId = 100;
    static constexpr UINT_PTR kRefreshTimer = 10;
    static constexpr UINT kRefreshInterval = 8000;
    static constexpr DWORD kRefreshSpacing = 7000;
    static constexpr int kTicksPerQuery = 10;

    // `clock` gives the milliseconds of the refresh spacing (GetTickCount unless a test says).
    CListWnd(ServiceCore& core, CServiceManagerPanelWnd& details, const ServerStateTexts& texts);

    bool CreatePane(CWnd* parent, UINT id);
    // The two branches, then the refresh timer.
    void InsertBranches();

    // The periodic refresh: at most one per 7000 ms, only while the host is enabled and the
    // tree is visible; every tenth tick of the timer also asks the library for a query round.
    void OnTimer(UINT_PTR id);
    void Tick();
    // Re-reads the subtree under `root` (the whole tree for null) and the right pane.
    void RefreshTree(ServerNode* root = nullptr);
    // Lists the node's children when it has not been yet (expansion, selection).
    void Fill(ServerNode& node);

    ServerNode* SelectedNode() const;
    // The server the node commands act on: the selected server, or the selected row's server.
    ServerNode* TargetServer() const;
    CTreeCtrl& Tree() { return m_tree; }
    const std::vector<std::unique_ptr<ServerNode>>& Branches() const { return m_branches; }
    void SetClock(std::function<DWORD()> clock) { m_clock = std::move(clock); }
    void SetTickCallback(std::function<void()> afterRefresh) { m_afterRefresh = std::move(afterRefresh); }
    // The host's frame, whose status line the service commands use.
    void SetHost(HWND host) { m_host = host; }
    // What the node commands know of the selected node; nothing for a branch or no selection.
    std::optional<NodeTarget> SelectedTarget() const;

    const MessageMap& GetMessageMap() const override;

protected:
    void OnRefreshBrowser();
    void OnScanStatistics();
    void OnUpdateScanStatistics(CCmdUI& ui);
    // The node commands (server_tree_commands.cpp); each gives the focus back to the tree.
    void OnConfigureService();
    void OnConfigureBroadcasts();
    void OnStartService();
    void OnStopService();
    void OnSynchronize();
    void OnUpdateConfigure(CCmdUI& ui);
    void OnUpdateStartService(CCmdUI& ui);
    void OnUpdateStopService(CCmdUI& ui);
    void OnUpdateSynchronize(CCmdUI& ui);
    LRESULT OnSelectionChanged(NMHDR& header);
    LRESULT OnItemExpanding(NMHDR& header);
    void OnDestroy();

private:
    ServerNode* AddBranch(const char* name, CVexomarServer* object, ChildListing listing);
    HTREEITEM InsertItem(ServerNode& node, HTREEITEM parent);
    // Lists the node's children: those still reported are marked, new ones added.
    void Update(ServerNode& node);
    // The server's state word as its object has it now.
    void ReadState(ServerNode& node);
    void Unmark(ServerNode& node);
    // Deletes the unmarked children and updates the filled ones, all the way down.
    void Sweep(ServerNode& node);
    void ShowSelected();
    // The selected node's target once its server is reachable in `mode`.
    std::optional<NodeTarget> ReachableTarget(ReachMode mode);
    // The states a start or a stop changed, shown at once; the host's buttons follow.
    void RefreshAfterCommand();
    void FocusTree();
    // A command's state: offered when the selected node is a target `offered` accepts.
    void EnableFor(CCmdUI& ui, bool (*offered)(const NodeTarget& target)) const;

    ServiceCore& m_core;
    CServiceManagerPanelWnd& m_details;
    const ServerStateTexts& m_texts;
    CTreeCtrl m_tree;
    std::vector<std::unique_ptr<ServerNode>> m_branches;
    std::function<DWORD()> m_clock;
    std::function<void()> m_afterRefresh;
    HWND m_host = nullptr;
    DWORD m_lastRefresh = 0;
    int m_ticks = 0;
    bool m_refreshing = false;
};
