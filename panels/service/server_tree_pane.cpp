// CListWnd: the tree's branches, the listing of children, the periodic refresh and the node commands.
#include "server_tree_pane.h"

#include "cmd_ui.h"
#include "module.h"
#include "scan_statistics_dlg.h"
#include "service_tree_ids.h"

namespace {

constexpr const char* kPointToPoint = "Point To Point";
constexpr const char* kMicrosoftNetworks = "Microsoft Networks";

ServerNode* NodeOf(LPARAM data)
{
    return reinterpret_cast<ServerNode*>(data);
}

}  // namespace

CListWnd::CListWnd(ServiceCore& core, CServiceManagerPanelWnd& details, const ServerStateTexts& texts)
    : m_core(core), m_details(details), m_texts(texts), m_clock([] { return GetTickCount(); })
{
}

bool CListWnd::CreatePane(CWnd* parent, UINT id)
{
    if (!Create(parent, RECT {0, 0, 0, 0}, id))
        return false;
    HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
            TVS_SHOWSELALWAYS,
        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTreeId)), ModuleInstance(), nullptr);
    if (!tree)
        return false;
    m_tree.m_hWnd = tree;
    SetContent(tree);
    SetCaption(true, LoadResString(IDS_DOMAINS_SERVERS).c_str());
    return true;
}

const MessageMap& CListWnd::GetMessageMap() const
{
    static const MessageMap map(CWndList::GetMessageMap(),
        {
            on::Timer(&CListWnd::OnTimer),
            on::Destroy(&CListWnd::OnDestroy),
            on::Notify(kTreeId, TVN_SELCHANGEDA, &CListWnd::OnSelectionChanged),
            on::Notify(kTreeId, TVN_ITEMEXPANDINGA, &CListWnd::OnItemExpanding),
            on::Command(ID_NODE_REFRESH_BROWSER, &CListWnd::OnRefreshBrowser),
            on::Command(ID_NODE_SCAN_STATISTICS, &CListWnd::OnScanStatistics),
            on::UpdateCommand(ID_NODE_SCAN_STATISTICS, &CListWnd::OnUpdateScanStatistics),
            on::Command(ID_NODE_CONFIGURE_SERVICE, &CListWnd::OnConfigureService),
            on::Command(ID_NODE_CONFIGURE_BROADCASTS, &CListWnd::OnConfigureBroadcasts),
            on::Command(ID_NODE_START_SERVICE, &CListWnd::OnStartService),
            on::Command(ID_NODE_STOP_SERVICE, &CListWnd::OnStopService),
            on::Command(ID_NODE_SYNCHRONIZE, &CListWnd::OnSynchronize),
            on::UpdateCommand(ID_NODE_CONFIGURE_SERVICE, &CListWnd::OnUpdateConfigure),
            on::UpdateCommand(ID_NODE_CONFIGURE_BROADCASTS, &CListWnd::OnUpdateConfigure),
            on::UpdateCommand(ID_NODE_START_SERVICE, &CListWnd::OnUpdateStartService),
            on::UpdateCommand(ID_NODE_STOP_SERVICE, &CListWnd::OnUpdateStopService),
            on::UpdateCommand(ID_NODE_SYNCHRONIZE, &CListWnd::OnUpdateSynchronize),
        });
    return map;
}

void CListWnd::InsertBranches()
{
    AddBranch(kPointToPoint, m_core.PointToPointServer(), ChildListing::Self);
    AddBranch(kMicrosoftNetworks, m_core.NetworkServer(), ChildListing::Domains);
    m_lastRefresh = m_clock();
    SetTimer(kRefreshTimer, kRefreshInterval);
}

ServerNode* CListWnd::AddBranch(const char* name, CVexomarServer* object, ChildListing listing)
{
    auto node = std::make_unique<ServerNode>();
    node->kind = kNodeBranch;
    node->name = name;
    node->object = object;
    node->listing = object ? listing : ChildListing::None;
    ServerNode* branch = node.get();
    m_branches.push_back(std::move(node));
    InsertItem(*branch, TVI_ROOT);
    Fill(*branch);
    return branch;
}

HTREEITEM CListWnd::InsertItem(ServerNode& node, HTREEITEM parent)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(node.name.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    // A node that lists children shows its button before they are read.
    insert.item.cChildren = node.listing == ChildListing::None ? 0 : 1;
    node.item = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(m_tree.m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    return node.item;
}

void CListWnd::Fill(ServerNode& node)
{
    if (node.filled || node.listing == ChildListing::None)
        return;
    Update(node);
}

void CListWnd::Update(ServerNode& node)
{
    node.marked = true;
    if (node.listing == ChildListing::None || !node.object)
        return;
    const std::vector<VexomarServerEntry> entries = ListEntries(*node.object, node.listing);
    for (const VexomarServerEntry& entry : entries) {
        const std::string name(entry.name, strnlen(entry.name, sizeof entry.name));
        if (node.listing == ChildListing::Self && name.empty())
            continue;
        if (ServerNode* known = node.FindChild(name)) {
            known->marked = true;
            known->entryFlags = entry.flags;
            ReadState(*known);
            continue;
        }
        CVexomarServer* object = ChildObject(*node.object, node.listing, entry);
        if (!object)
            continue;
        auto child = std::make_unique<ServerNode>();
        child->kind = entry.kind == kNodeDomain ? kNodeDomain : kNodeServer;
        child->name = name;
        child->level = node.level + 1;
        child->parent = &node;
        child->object = object;
        child->listing = child->kind == kNodeDomain ? ChildListing::Servers : ChildListing::None;
        child->entryFlags = entry.flags;
        child->marked = true;
        ReadState(*child);
        ServerNode* made = child.get();
        node.children.push_back(std::move(child));
        InsertItem(*made, node.item);
    }
    if (!node.filled && node.children.empty()) {
        TVITEMA item = {};
        item.mask = TVIF_CHILDREN;
        item.hItem = node.item;
        item.cChildren = 0;
        ::SendMessageA(m_tree.m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    node.filled = true;
}

void CListWnd::ReadState(ServerNode& node)
{
    // The commands' states follow what the tree last read; slot 1 answers from the library's
    // query and does not wait on the server.
    DWORD stateWord = 0;
    if (node.kind == kNodeServer && node.object && node.object->QueryStateWord(&stateWord) == 0)
        node.stateWord = stateWord;
    else
        node.stateWord = 0;
}

void CListWnd::Unmark(ServerNode& node)
{
    node.marked = false;
    for (const auto& child : node.children)
        Unmark(*child);
}

void CListWnd::Sweep(ServerNode& node)
{
    auto& children = node.children;
    for (auto it = children.begin(); it != children.end();) {
        ServerNode& child = **it;
        if (!child.marked) {
            m_tree.DeleteItem(child.item);
            it = children.erase(it);
            continue;
        }
        if (child.filled)
            Update(child);
        Sweep(child);
        ++it;
    }
}

void CListWnd::RefreshTree(ServerNode* root)
{
    m_refreshing = true;
    if (root) {
        Unmark(*root);
        Update(*root);
        Sweep(*root);
    } else {
        for (const auto& branch : m_branches) {
            Unmark(*branch);
            Update(*branch);
            Sweep(*branch);
        }
    }
    m_refreshing = false;
    ShowSelected();
}

void CListWnd::Tick()
{
    const DWORD now = m_clock();
    if (now - m_lastRefresh < kRefreshSpacing)
        return;
    HWND host = ::GetAncestor(m_hWnd, GA_ROOT);
    if ((host && !::IsWindowEnabled(host)) || !::IsWindowVisible(m_tree.m_hWnd))
        return;
    RefreshTree();
    if (m_afterRefresh)
        m_afterRefresh();
    m_lastRefresh = now;
}

void CListWnd::OnTimer(UINT_PTR id)
{
    if (id != kRefreshTimer)
        return;
    Tick();
    if (++m_ticks >= kTicksPerQuery) {
        m_core.StartQuery();
        m_ticks = 0;
    }
}

ServerNode* CListWnd::SelectedNode() const
{
    HTREEITEM item = m_tree.GetSelectedItem();
    return item ? NodeOf(m_tree.GetItemData(item)) : nullptr;
}

ServerNode* CListWnd::TargetServer() const
{
    ServerNode* node = SelectedNode();
    if (!node)
        return nullptr;
    if (node->kind == kNodeServer)
        return node;
    if (node->kind != kNodeDomain)
        return nullptr;
    const std::string row = m_details.SelectedServerName();
    return row.empty() ? nullptr : node->FindChild(row);
}

void CListWnd::ShowSelected()
{
    ServerNode* node = SelectedNode();
    if (!node)
        return;
    if (node->kind == kNodeBranch) {
        m_details.ShowNetwork();
    } else if (node->kind == kNodeDomain) {
        Fill(*node);
        m_details.ShowServers(*node);
    } else {
        m_details.ShowProperties(*node);
    }
}

LRESULT CListWnd::OnSelectionChanged(NMHDR&)
{
    // A refresh deleting the selected node moves the selection; the pane follows at its end.
    if (!m_refreshing)
        ShowSelected();
    return 0;
}

LRESULT CListWnd::OnItemExpanding(NMHDR& header)
{
    auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
    if (view.action == TVE_EXPAND && !m_refreshing) {
        if (ServerNode* node = NodeOf(view.itemNew.lParam))
            Fill(*node);
    }
    return 0;
}

void CListWnd::OnRefreshBrowser()
{
    RefreshTree();
    m_lastRefresh = m_clock();
}

void CListWnd::OnScanStatistics()
{
    ServerNode* server = TargetServer();
    if (!server || !server->object)
        return;
    CScanStatisticsDlg dialog(*server->object, m_texts, this);
    dialog.DoModal();
}

void CListWnd::OnUpdateScanStatistics(CCmdUI& ui)
{
    ServerNode* server = TargetServer();
    ui.Enable(server && server->object);
}

void CListWnd::OnDestroy()
{
    KillTimer(kRefreshTimer);
    // No pane follows the selection any more: the right pane may be gone already.
    m_refreshing = true;
    // The tree goes first: its items point at the nodes.
    m_tree.DeleteAllItems();
    m_branches.clear();
}
