// CNetTree: the tree control over WNetOpenEnumA / WNetEnumResourceA, one entry per call.
#include "net_tree.h"

#include <cstdio>

#include "module.h"
#include "network_pages_ids.h"
#include "prompter.h"

namespace {

constexpr COLORREF kMaskColour = RGB(128, 0, 128);

}  // namespace

CNetTree::CNetTree(NetworkProvider& network) : m_network(network)
{
}

CNetTree::~CNetTree()
{
    Destroy();
}

bool CNetTree::Create(HWND parent, const RECT& place, UINT id, HFONT font)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES |
        TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    m_tree.m_hWnd = CreateWindowExA(0, WC_TREEVIEWA, "", style, place.left, place.top, place.right - place.left,
        place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ModuleInstance(),
        nullptr);
    if (!m_tree.m_hWnd)
        return false;
    if (font)
        SendMessageA(m_tree.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (HBITMAP strip = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(IDB_NETWORK_STRIP))) {
        m_images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 16, 0);
        if (m_images)
            ImageList_AddMasked(m_images, strip, kMaskColour);
        DeleteObject(strip);
        SendMessageA(m_tree.m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_images));
    }
    return true;
}

void CNetTree::Destroy()
{
    if (m_tree.m_hWnd) {
        // Deleting the items frees their data through TVN_DELETEITEM while the parent still
        // listens; a tree destroyed with its parent frees them the same way.
        m_tree.DeleteAllItems();
        DestroyWindow(m_tree.m_hWnd);
        m_tree.m_hWnd = nullptr;
    }
    if (m_images) {
        ImageList_Destroy(m_images);
        m_images = nullptr;
    }
}

void CNetTree::Fill()
{
    Enumerate(TVI_ROOT, nullptr);
}

void CNetTree::AddPlaceholder(HTREEITEM parent, const char* text)
{
    m_tree.InsertItem(text, parent, TVI_LAST, 0, kPlaceholderImage, kPlaceholderImage);
}

void CNetTree::Enumerate(HTREEITEM parent, NetTreeItem* container)
{
    NetworkListing listing(m_network, RESOURCETYPE_ANY, container ? &container->resource : nullptr);
    const bool childrenUnderMicrosoft = container && IsMicrosoftNetworkName(container->resource.remoteName);
    std::vector<NetResourceCopy> entries;
    for (;;) {
        const DWORD result = listing.Next(entries, 1);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != NO_ERROR) {
            char text[256];
            std::snprintf(
                text, sizeof text, LoadResString(IDS_ENUM_FAILED).c_str(), static_cast<unsigned long>(result));
            Prompter::Current().Show(GetParent(m_tree.m_hWnd), text, "WNetEnumResource", MB_OK | MB_ICONSTOP);
            break;
        }
        for (NetResourceCopy& entry : entries) {
            int image = -1;
            bool expandable = false;
            if (!container) {
                if (!IsMicrosoftNetworkName(entry.remoteName))
                    continue;
                image = kNetworkImage;
                expandable = true;
            } else {
                switch (entry.displayType) {
                case RESOURCEDISPLAYTYPE_DOMAIN: image = kDomainImage; break;
                case RESOURCEDISPLAYTYPE_SERVER:
                case RESOURCEDISPLAYTYPE_GENERIC: image = kServerImage; break;
                case RESOURCEDISPLAYTYPE_NETWORK: image = kNetworkImage; break;
                default: break;
                }
                if (image < 0)
                    continue;
                expandable = childrenUnderMicrosoft;
            }
            auto* data = new NetTreeItem {entry.remoteName, container ? childrenUnderMicrosoft : false, entry};
            HTREEITEM item =
                m_tree.InsertItem(data->name, parent, TVI_LAST, reinterpret_cast<LPARAM>(data), image, image);
            if (!item) {
                delete data;
                continue;
            }
            if (expandable)
                AddPlaceholder(item, container ? "Bogus Child" : "Bogus Parent");
        }
    }
}

void CNetTree::DeleteChildren(HTREEITEM item)
{
    for (HTREEITEM child = m_tree.GetChildItem(item); child;) {
        HTREEITEM next = m_tree.GetNextSiblingItem(child);
        m_tree.DeleteItem(child);
        child = next;
    }
}

LRESULT CNetTree::OnNotify(NMHDR& header)
{
    if (header.hwndFrom != m_tree.m_hWnd)
        return 0;
    auto& view = reinterpret_cast<NMTREEVIEWA&>(header);
    if (header.code == TVN_DELETEITEMA) {
        delete reinterpret_cast<NetTreeItem*>(view.itemOld.lParam);
        return 0;
    }
    if (header.code != TVN_ITEMEXPANDINGA)
        return 0;
    HTREEITEM item = view.itemNew.hItem;
    auto* data = reinterpret_cast<NetTreeItem*>(m_tree.GetItemData(item));
    if (view.action & TVE_EXPAND) {
        DeleteChildren(item);
        if (data) {
            HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
            Enumerate(item, data);
            SetCursor(previous);
        }
    } else if (view.action & TVE_COLLAPSE) {
        DeleteChildren(item);
        AddPlaceholder(item, "Bogus Child");
    }
    return 0;
}

const NetTreeItem* CNetTree::ItemData(HTREEITEM item) const
{
    return item ? reinterpret_cast<const NetTreeItem*>(m_tree.GetItemData(item)) : nullptr;
}

const NetTreeItem* CNetTree::SelectedData() const
{
    return ItemData(m_tree.GetSelectedItem());
}
