// CNetTree: the browse tree of the Microsoft Windows network shared by the broadcast and
// event-log pages: providers, expanded on demand to domains and their servers.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "network_listing.h"
#include "tree_ctrl.h"

class NetworkProvider;

// The data of a tree item that stands for a network resource; placeholders carry none.
struct NetTreeItem {
    std::string name;
    bool underMicrosoft = false;
    NetResourceCopy resource;
};

class CNetTree {
public:
    // Positions in the picture strip.
    static constexpr int kPlaceholderImage = 0;
    static constexpr int kServerImage = 8;
    static constexpr int kNetworkImage = 10;
    static constexpr int kDomainImage = 15;

    explicit CNetTree(NetworkProvider& network);
    ~CNetTree();
    CNetTree(const CNetTree&) = delete;
    CNetTree& operator=(const CNetTree&) = delete;

    bool Create(HWND parent, const RECT& place, UINT id, HFONT font);
    void Destroy();
    HWND Window() const { return m_tree.m_hWnd; }
    CTreeCtrl& Tree() { return m_tree; }
    HIMAGELIST Images() const { return m_images; }

    // Lists the network's providers whose name holds "icrosoft", one entry per call.
    void Fill();
    // The parent's WM_NOTIFY from the tree: expanding, collapsing and deleting items.
    LRESULT OnNotify(NMHDR& header);

    // The item's data, or null for a placeholder (or no item).
    const NetTreeItem* ItemData(HTREEITEM item) const;
    const NetTreeItem* SelectedData() const;

private:
    // Enumerates `container` (null: the whole network) into children of `parent`.
    void Enumerate(HTREEITEM parent, NetTreeItem* container);
    void DeleteChildren(HTREEITEM item);
    void AddPlaceholder(HTREEITEM parent, const char* text);

    NetworkProvider& m_network;
    CTreeCtrl m_tree;
    HIMAGELIST m_images = nullptr;
};
