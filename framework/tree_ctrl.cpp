// CTreeCtrl: the tree view messages the panels use.
#include "tree_ctrl.h"

#include <cstring>

HTREEITEM CTreeCtrl::InsertItem(
    const std::string& text, HTREEITEM parent, HTREEITEM after, LPARAM data, int image, int selectedImage) const
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.lParam = data;
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    return reinterpret_cast<HTREEITEM>(SendMessageA(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool CTreeCtrl::DeleteItem(HTREEITEM item) const
{
    return SendMessageA(m_hWnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)) != FALSE;
}

bool CTreeCtrl::DeleteAllItems() const
{
    return DeleteItem(TVI_ROOT);
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM item) const
{
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(m_hWnd, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool CTreeCtrl::SelectItem(HTREEITEM item) const
{
    return SendMessageA(m_hWnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != FALSE;
}

bool CTreeCtrl::Expand(HTREEITEM item, UINT code) const
{
    return SendMessageA(m_hWnd, TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)) != FALSE;
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const
{
    char text[260] = {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    if (!SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)))
        return std::string();
    return std::string(text, strnlen(text, sizeof text));
}

bool CTreeCtrl::SetItemText(HTREEITEM item, const std::string& text) const
{
    TVITEMA change = {};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = const_cast<char*>(text.c_str());
    return SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != FALSE;
}

LPARAM CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA query = {};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    return SendMessageA(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query)) ? query.lParam : 0;
}

bool CTreeCtrl::SetItemData(HTREEITEM item, LPARAM data) const
{
    TVITEMA change = {};
    change.mask = TVIF_PARAM;
    change.hItem = item;
    change.lParam = data;
    return SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != FALSE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM item, UINT mask) const
{
    return static_cast<UINT>(SendMessageA(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask)) & mask;
}

bool CTreeCtrl::SetItemState(HTREEITEM item, UINT state, UINT mask) const
{
    TVITEMA change = {};
    change.mask = TVIF_STATE;
    change.hItem = item;
    change.state = state;
    change.stateMask = mask;
    return SendMessageA(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)) != FALSE;
}

int CTreeCtrl::GetCount() const
{
    return static_cast<int>(SendMessageA(m_hWnd, TVM_GETCOUNT, 0, 0));
}
