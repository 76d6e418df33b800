// CListWnd: the node commands on the selected node and the states of their menu items and buttons.
#include <optional>

#include "broadcast_sheet.h"
#include "cmd_ui.h"
#include "conf_props.h"
#include "node_target.h"
#include "reachability.h"
#include "server_tree_pane.h"
#include "service_control.h"
#include "sync_broadcast_dlg.h"

std::optional<NodeTarget> CListWnd::SelectedTarget() const
{
    ServerNode* node = SelectedNode();
    return node ? TargetOfNode(*node) : std::nullopt;
}

std::optional<NodeTarget> CListWnd::ReachableTarget(ReachMode mode)
{
    std::optional<NodeTarget> target = SelectedTarget();
    if (!target || !CheckReachable(&*target, mode, this))
        return std::nullopt;
    return target;
}

void CListWnd::FocusTree()
{
    if (m_tree.m_hWnd)
        ::SetFocus(m_tree.m_hWnd);
}

void CListWnd::OnConfigureService()
{
    if (std::optional<NodeTarget> target = ReachableTarget(ReachMode::kNormal)) {
        CConfProps sheet(m_core.ConfigCalls(), target->config, this);
        sheet.DoModal();
    }
    FocusTree();
}

void CListWnd::OnConfigureBroadcasts()
{
    if (std::optional<NodeTarget> target = ReachableTarget(ReachMode::kNormal)) {
        CBroadcastSheet sheet(m_core.ConfigCalls(), m_core.TableCalls(), target->config, this);
        sheet.DoModal();
    }
    FocusTree();
}

void CListWnd::OnStartService()
{
    // The service is not running yet, so the check cannot ask for it to be.
    if (std::optional<NodeTarget> target = ReachableTarget(ReachMode::kAlways)) {
        if (ServiceControl(m_core, m_host).Start(*target, this))
            RefreshAfterCommand();
    }
    FocusTree();
}

void CListWnd::OnStopService()
{
    if (std::optional<NodeTarget> target = ReachableTarget(ReachMode::kAlways)) {
        if (ServiceControl(m_core, m_host).Stop(*target, this))
            RefreshAfterCommand();
    }
    FocusTree();
}

void CListWnd::OnSynchronize()
{
    if (std::optional<NodeTarget> target = ReachableTarget(ReachMode::kAlways)) {
        CSyncBroadcastDlg dialog(m_core.ConfigCalls(), target->config.nodeName, target->config.server, this);
        dialog.DoModal();
    }
    FocusTree();
}

void CListWnd::RefreshAfterCommand()
{
    RefreshTree();
    m_lastRefresh = m_clock();
    if (m_afterRefresh)
        m_afterRefresh();
}

void CListWnd::EnableFor(CCmdUI& ui, bool (*offered)(const NodeTarget& target)) const
{
    std::optional<NodeTarget> target = SelectedTarget();
    ui.Enable(target && offered(*target));
}

void CListWnd::OnUpdateConfigure(CCmdUI& ui)
{
    EnableFor(ui, &CanConfigure);
}

void CListWnd::OnUpdateStartService(CCmdUI& ui)
{
    EnableFor(ui, &CanStart);
}

void CListWnd::OnUpdateStopService(CCmdUI& ui)
{
    EnableFor(ui, &CanStop);
}

void CListWnd::OnUpdateSynchronize(CCmdUI& ui)
{
    EnableFor(ui, &CanSynchronize);
}
