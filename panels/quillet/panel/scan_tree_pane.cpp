// CScanTreePane: the roots, the listing of drives, folders, the network and the mailboxes, the
// selection states on the tree, and the drive watcher's refreshes.
#include "scan_tree_pane.h"

#include <cctype>

#include "drive_listing.h"
#include "network_children.h"
#include "module.h"
#include "prompter.h"
#include "quillet_panel_ids.h"
#include "selection_images.h"

namespace {

constexpr int ScreenX(DWORD position)
{
    return static_cast<short>(LOWORD(position));
}

constexpr int ScreenY(DWORD position)
{
    return static_cast<short>(HIWORD(position));
}

std::string LastPart(const std::string& remoteName)
{
    const size_t slash = remoteName.find_last_of('\\');
    return slash == std::string::npos ? remoteName : remoteName.substr(slash + 1);
}

// A server's or share's own name without its backslashes, a container's as it came.
std::string NetNodeName(const NetResourceCopy& entry)
{
    const std::string& remote = entry.remoteName.empty() ? entry.provider : entry.remoteName;
    if (entry.displayType == RESOURCEDISPLAYTYPE_SERVER || entry.displayType == RESOURCEDISPLAYTYPE_SHARE)
        return LastPart(remote);
    return remote;
}

// Keeps the tree from repainting while a listing inserts many items.
class RedrawPause {
public:
    explicit RedrawPause(HWND window) : m_window(window) { SendMessageA(m_window, WM_SETREDRAW, FALSE, 0); }
    ~RedrawPause()
    {
        SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_window, nullptr, TRUE);
    }

private:
    HWND m_window;
};

}  // namespace

CScanTreePane::CScanTreePane(NetworkProvider& network, const PanelMailHooks& mail) : m_network(network), m_mail(mail)
{
}

bool CScanTreePane::CreatePane(CWnd* parent, UINT id)
{
    if (!Create(parent, RECT {0, 0, 0, 0}, id))
        return false;
    HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
            TVS_LINESATROOT | TVS_SHOWSELALWAYS,
        0, 0, 0, 0, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kTreeId)), ModuleInstance(), nullptr);
    if (!tree)
        return false;
    m_tree.m_hWnd = tree;
    m_images = LoadPanelImages(IDB_QUILLET_TREE_IMAGES, kImageCount);
    m_stateImages = MakeSelectionImages(MarksFor::Tree);
    ::SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images));
    ::SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(m_stateImages));
    SetContent(tree);
    SetCaption(true, LoadResString(IDS_PANEL_TREE_CAPTION).c_str());
    if (m_credentials == nullptr)
        m_credentials = LoginDialogPrompt(this);
    m_watcher.Start(m_hWnd);
    return true;
}

const MessageMap& CScanTreePane::GetMessageMap() const
{
    static const MessageMap map(CWndList::GetMessageMap(),
        {
            on::Notify(kTreeId, TVN_ITEMEXPANDINGA, &CScanTreePane::OnItemExpanding),
            on::Notify(kTreeId, TVN_SELCHANGEDA, &CScanTreePane::OnSelectionChanged),
            on::Notify(kTreeId, NM_DBLCLK, &CScanTreePane::OnDoubleClick),
            on::Notify(kTreeId, NM_RCLICK, &CScanTreePane::OnRightClick),
            on::Notify(kTreeId, TVN_KEYDOWN, &CScanTreePane::OnKeyDown),
            on::Message(CDriveWatcher::kDriveChanged, &CScanTreePane::OnDriveChanged),
            on::Destroy(&CScanTreePane::OnDestroy),
        });
    return map;
}

ScanTreeNode* CScanTreePane::AddRoot(std::unique_ptr<ScanTreeNode>& slot, int kind, int image, UINT nameId)
{
    slot = std::make_unique<ScanTreeNode>();
    slot->kind = kind;
    slot->image = image;
    slot->name = LoadResString(nameId);
    InsertItem(*slot, TVI_LAST);
    return slot.get();
}

void CScanTreePane::InsertRoots(bool mailConnected)
{
    AddRoot(m_computer, kNodeRoot, kImageComputer, IDS_TREE_MY_COMPUTER);
    AddRoot(m_networkRoot, kNodeRoot, kImageNetwork, IDS_TREE_ENTIRE_NETWORK);
    if (mailConnected)
        AddRoot(m_mailRoot, kNodeMailRoot, kImageMailRoot, IDS_TREE_LOTUS_NOTES);
    Fill(*m_computer);
    m_tree.Expand(reinterpret_cast<HTREEITEM>(m_computer->item));
    m_tree.SelectItem(reinterpret_cast<HTREEITEM>(m_computer->item));
}

HTREEITEM CScanTreePane::InsertItem(ScanTreeNode& node, HTREEITEM after)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = node.parent ? reinterpret_cast<HTREEITEM>(node.parent->item) : TVI_ROOT;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    insert.item.pszText = const_cast<char*>(node.name.c_str());
    insert.item.lParam = reinterpret_cast<LPARAM>(&node);
    insert.item.iImage = insert.item.iSelectedImage = node.image;
    insert.item.cChildren = node.expandable ? 1 : 0;
    insert.item.stateMask = TVIS_STATEIMAGEMASK;
    insert.item.state = INDEXTOSTATEIMAGEMASK(SelectionImage(scan_tree::EffectiveState(node)));
    node.item = static_cast<std::uintptr_t>(
        ::SendMessageA(m_tree.m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    return reinterpret_cast<HTREEITEM>(node.item);
}

void CScanTreePane::InsertChildren(ScanTreeNode& node, const scan_tree::MergeResult& merged, bool sorted)
{
    for (std::uintptr_t item : merged.removedItems)
        if (item)
            m_tree.DeleteItem(reinterpret_cast<HTREEITEM>(item));
    // A first listing comes in order; later additions are put in their place.
    const bool first = merged.added.size() == node.children.size();
    for (ScanTreeNode* child : merged.added)
        InsertItem(*child, sorted && !first ? TVI_SORT : TVI_LAST);
    SetExpandable(node, !node.children.empty());
    ShowStates(node);
}

void CScanTreePane::SetExpandable(ScanTreeNode& node, bool expandable)
{
    node.expandable = expandable;
    TVITEMA item = {};
    item.mask = TVIF_CHILDREN;
    item.hItem = reinterpret_cast<HTREEITEM>(node.item);
    item.cChildren = expandable ? 1 : 0;
    ::SendMessageA(m_tree.m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CScanTreePane::Fill(ScanTreeNode& node, bool quiet)
{
    if (node.filled)
        return;
    RedrawPause pause(m_tree.m_hWnd);
    if (&node == m_computer.get())
        FillComputer();
    else if (&node == m_mailRoot.get())
        FillMail(node);
    else if (&node == m_networkRoot.get() || node.kind == kNodeProvider || node.kind == kNodeServer)
        FillNetwork(node, quiet);
    else if (node.kind == kNodeDrive || node.kind == kNodeDirectory || node.kind == kNodeShare)
        FillFolder(node);
}

void CScanTreePane::FillComputer()
{
    // The old watches go with the old drive list; the thread must not wait on them meanwhile.
    m_watcher.Pause();
    m_watcher.DropWatches();
    const std::vector<DriveEntry> drives = ListDrives();
    std::vector<std::string> names;
    for (const DriveEntry& drive : drives)
        names.push_back(drive.name);
    scan_tree::MergeResult merged = scan_tree::MergeChildren(*m_computer, names, kNodeDrive, kImageOtherDrive);
    m_driveTypes.clear();
    for (size_t i = 0; i < drives.size(); ++i) {
        const DriveEntry& drive = drives[i];
        ScanTreeNode& node = *m_computer->children[i];
        node.path = std::string {drive.letter, ':', '\\'};
        node.image = DriveImage(drive.type);
        m_driveTypes[drive.letter] = drive.type;
        for (ScanTreeNode* added : merged.added)
            if (added == &node && drive.type == DRIVE_FIXED)
                scan_tree::SetState(node, kSelected);
        // A drive without a medium simply has no watch.
        if (drive.type != DRIVE_REMOTE)
            m_watcher.Watch(drive.letter, node.path);
    }
    m_watcher.Resume();
    InsertChildren(*m_computer, merged, false);
}

void CScanTreePane::FillFolder(ScanTreeNode& node)
{
    const FolderListing listing = ListFolder(node.path, false);
    InsertChildren(node, scan_tree::MergeChildren(node, listing.folders, kNodeDirectory, kImageDirectory), true);
}

void CScanTreePane::FillNetwork(ScanTreeNode& node, bool quiet)
{
    NetResourceCopy* container = nullptr;
    if (&node != m_networkRoot.get()) {
        auto found = m_netEntries.find(&node);
        if (found == m_netEntries.end())
            return;
        container = &found->second;
    }
    std::vector<NetResourceCopy> entries;
    DWORD result = ListNetworkChildren(m_network, container, entries);
    // A server that refuses its shares may open to a logon; the listing is tried once more.
    if (node.kind == kNodeServer && IsLogonRefusal(result) && !quiet &&
        LogOnToServer(m_network, node.name, m_credentials) == NO_ERROR)
        result = ListNetworkChildren(m_network, container, entries);
    if (result != NO_ERROR) {
        if (!quiet)
            ShowNetworkError(result);
        // Left unlisted, so that opening the node again tries again.
        if (entries.empty())
            return;
    }
    std::vector<std::string> names;
    for (const NetResourceCopy& entry : entries)
        names.push_back(NetNodeName(entry));
    // The descriptions are made again for the children of this listing.
    for (const auto& child : node.children)
        m_netEntries.erase(child.get());
    scan_tree::MergeResult merged = scan_tree::MergeChildren(node, names, kNodeProvider, kImageProvider);
    for (size_t i = 0; i < entries.size() && i < node.children.size(); ++i) {
        ScanTreeNode& child = *node.children[i];
        const NetResourceCopy& entry = entries[i];
        m_netEntries[&child] = entry;
        if (entry.displayType == RESOURCEDISPLAYTYPE_SERVER) {
            child.kind = kNodeServer;
            child.image = kImageServer;
            child.path = entry.remoteName + "\\";
        } else if (entry.displayType == RESOURCEDISPLAYTYPE_SHARE) {
            child.kind = kNodeShare;
            child.image = kImageShare;
            child.path = entry.remoteName + "\\";
        } else {
            child.path.clear();
        }
    }
    InsertChildren(node, merged, false);
}

void CScanTreePane::FillMail(ScanTreeNode& node)
{
    std::vector<std::string> mailboxes;
    if (m_mail.mailboxes)
        mailboxes = m_mail.mailboxes();
    scan_tree::MergeResult merged = scan_tree::MergeChildren(node, mailboxes, kNodeMailbox, kImageMailbox);
    for (ScanTreeNode* added : merged.added) {
        added->expandable = false;
        added->path.clear();
    }
    InsertChildren(node, merged, false);
}

void CScanTreePane::ShowNetworkError(DWORD error) const
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text ? text : "";
    if (text)
        LocalFree(text);
    if (message.empty())
        message = "Network error " + std::to_string(error);
    Prompter::Current().Show(m_hWnd, message, LoadResString(20), MB_OK | MB_ICONSTOP);
}

void CScanTreePane::FillSelectedServers()
{
    if (!m_networkRoot || scan_tree::EffectiveState(*m_networkRoot) == kUnselected)
        return;
    std::vector<ScanTreeNode*> pending {m_networkRoot.get()};
    while (!pending.empty()) {
        ScanTreeNode* node = pending.back();
        pending.pop_back();
        if (scan_tree::EffectiveState(*node) == kUnselected || node->kind == kNodeShare)
            continue;
        Fill(*node, true);
        for (const auto& child : node->children)
            pending.push_back(child.get());
    }
}

void CScanTreePane::RefreshFilled(ScanTreeNode& node)
{
    if (!node.filled)
        return;
    const FolderListing listing = ListFolder(node.path, false);
    // A folder that cannot be searched now (a medium taken out) keeps what it showed.
    if (listing.listed)
        InsertChildren(node, scan_tree::MergeChildren(node, listing.folders, kNodeDirectory, kImageDirectory), true);
    for (const auto& child : node.children)
        RefreshFilled(*child);
}

void CScanTreePane::RefreshDrive(char letter)
{
    ScanTreeNode* drive = DriveNode(letter);
    if (!drive)
        return;
    m_refreshing = true;
    {
        RedrawPause pause(m_tree.m_hWnd);
        RefreshFilled(*drive);
    }
    m_refreshing = false;
    if (m_showNode)
        m_showNode(SelectedNode());
}

void CScanTreePane::RefreshDrives()
{
    if (!m_computer)
        return;
    m_refreshing = true;
    m_computer->filled = false;
    Fill(*m_computer);
    for (const auto& drive : m_computer->children)
        RefreshFilled(*drive);
    m_refreshing = false;
}

void CScanTreePane::Refresh()
{
    RefreshDrives();
    if (m_showNode)
        m_showNode(SelectedNode());
}

ScanTreeNode* CScanTreePane::DriveNode(char letter) const
{
    if (!m_computer)
        return nullptr;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    for (const auto& drive : m_computer->children)
        if (!drive->path.empty() && drive->path[0] == upper)
            return drive.get();
    return nullptr;
}

void CScanTreePane::Toggle(ScanTreeNode& node)
{
    scan_tree::ToggleNode(node);
    ShowStates(node);
    if (m_showNode)
        m_showNode(SelectedNode());
}

void CScanTreePane::ShowNodeState(const ScanTreeNode& node)
{
    if (node.item)
        m_tree.SetItemState(reinterpret_cast<HTREEITEM>(node.item),
            INDEXTOSTATEIMAGEMASK(SelectionImage(scan_tree::EffectiveState(node))), TVIS_STATEIMAGEMASK);
}

void CScanTreePane::ShowSubtree(ScanTreeNode& node)
{
    ShowNodeState(node);
    for (const auto& child : node.children)
        ShowSubtree(*child);
}

void CScanTreePane::ShowStates(ScanTreeNode& node)
{
    ShowSubtree(node);
    for (ScanTreeNode* above = node.parent; above; above = above->parent)
        ShowNodeState(*above);
}

ScanTreeNode* CScanTreePane::NodeOfItem(HTREEITEM item) const
{
    return item ? reinterpret_cast<ScanTreeNode*>(m_tree.GetItemData(item)) : nullptr;
}

ScanTreeNode* CScanTreePane::SelectedNode() const
{
    return NodeOfItem(m_tree.GetSelectedItem());
}

ScanTreeNode* CScanTreePane::NodeAt(POINT screen) const
{
    TVHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(m_tree.m_hWnd, &hit.pt);
    HTREEITEM item = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(m_tree.m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return item && (hit.flags & TVHT_ONITEM) ? NodeOfItem(item) : nullptr;
}

LRESULT CScanTreePane::OnItemExpanding(NMHDR& header)
{
    auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
    if (view.action == TVE_EXPAND && !m_refreshing)
        if (ScanTreeNode* node = NodeOfItem(view.itemNew.hItem))
            Fill(*node);
    return 0;
}

LRESULT CScanTreePane::OnSelectionChanged(NMHDR&)
{
    if (!m_refreshing && m_showNode)
        m_showNode(SelectedNode());
    return 0;
}

LRESULT CScanTreePane::OnDoubleClick(NMHDR&)
{
    // Where the double click was, not where the mouse is by now.
    const DWORD position = GetMessagePos();
    ScanTreeNode* node = NodeAt(POINT {ScreenX(position), ScreenY(position)});
    if (!node)
        return 0;
    Toggle(*node);
    // The double click selects; it does not also open or close the node.
    return 1;
}

LRESULT CScanTreePane::OnKeyDown(NMHDR& header)
{
    // The space bar selects and deselects as a double click does, for those at the keyboard.
    if (reinterpret_cast<NMTVKEYDOWN&>(header).wVKey != VK_SPACE)
        return 0;
    if (ScanTreeNode* node = SelectedNode())
        Toggle(*node);
    return 1;
}

LRESULT CScanTreePane::OnRightClick(NMHDR&)
{
    POINT cursor = {};
    GetCursorPos(&cursor);
    ScanTreeNode* node = NodeAt(cursor);
    if (!node)
        return 0;
    m_tree.SelectItem(reinterpret_cast<HTREEITEM>(node->item));
    HMENU menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(IDR_QUILLET_CONTEXT));
    if (!menu)
        return 1;
    const int popup = node->kind == kNodeMailRoot ? QUILLET_CONTEXT_MAIL_ROOT : QUILLET_CONTEXT_TREE_ITEM;
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, popup),
        TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0, m_hWnd, nullptr));
    DestroyMenu(menu);
    if (command && m_commandSink)
        m_commandSink(command);
    return 1;
}

LRESULT CScanTreePane::OnDriveChanged(WPARAM letter, LPARAM)
{
    RefreshDrive(static_cast<char>(letter));
    return 0;
}

void CScanTreePane::OnDestroy()
{
    m_watcher.Stop();
    m_watcher.DropWatches();
    m_refreshing = true;
    m_tree.DeleteAllItems();
    m_netEntries.clear();
    m_computer.reset();
    m_networkRoot.reset();
    m_mailRoot.reset();
    if (m_images)
        ImageList_Destroy(m_images);
    if (m_stateImages)
        ImageList_Destroy(m_stateImages);
    m_images = m_stateImages = nullptr;
}
