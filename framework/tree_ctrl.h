// CTreeCtrl: a thin, non-owning handle on a tree view control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

class CTreeCtrl {
public:
    explicit CTreeCtrl(HWND window = nullptr) : m_hWnd(window) { }

    HWND m_hWnd;

    // Adds an item under `parent` (TVI_ROOT for a top item) after `after`; null on failure.
    HTREEITEM InsertItem(const std::string& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST,
        LPARAM data = 0, int image = 0, int selectedImage = 0) const;
    bool DeleteItem(HTREEITEM item) const;
    bool DeleteAllItems() const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetParentItem(HTREEITEM item) const;
    HTREEITEM GetSelectedItem() const;
    bool SelectItem(HTREEITEM item) const;
    bool Expand(HTREEITEM item, UINT code = TVE_EXPAND) const;
    // The item's text (at most 259 characters, as the control keeps them); empty on failure.
    std::string GetItemText(HTREEITEM item) const;
    bool SetItemText(HTREEITEM item, const std::string& text) const;
    LPARAM GetItemData(HTREEITEM item) const;
    bool SetItemData(HTREEITEM item, LPARAM data) const;
    // The state bits of `mask` (TVIS_STATEIMAGEMASK for the check image, ...).
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    bool SetItemState(HTREEITEM item, UINT state, UINT mask) const;
    int GetCount() const;
};
