// CColList input: header presses, column drags, list box records, keys and commands.
#include "col_list.h"

#include <algorithm>

void CColList::OnSize(UINT, int cx, int cy)
{
    if (m_list.m_hWnd)
        ::MoveWindow(m_list.m_hWnd, 0, m_headerHeight, cx, cy > m_headerHeight ? cy - m_headerHeight : 0, TRUE);
    m_trackRect.bottom = cy;
    m_dragRightmost = cx;
    ApplyEmptyRule();
}

LRESULT CColList::OnDeleteItem(WPARAM, LPARAM)
{
    // The list box carries no data of its own: the records belong to the row array.
    return TRUE;
}

LRESULT CColList::OnVKeyToItem(WPARAM wParam, LPARAM lParam)
{
    if ((m_flags & ColListFlags::kKeysStayInList) || !m_owner)
        return -1;
    // Below -1 the owner has dealt with the key. Any other answer, including the 0 of an
    // owner that ignores the message, leaves the key to the list box: passing a 0 back
    // would move the caret to the first row.
    LRESULT answer = ::SendMessageA(m_owner, WM_VKEYTOITEM, wParam, lParam);
    return answer < -1 ? answer : -1;
}

bool CColList::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != m_list.m_hWnd || !m_list.m_hWnd)
        return CWnd::OnCommand(wParam, lParam);
    if ((m_flags & ColListFlags::kNotify) && m_owner)
        ::SendMessageA(m_owner, WM_COMMAND, MAKEWPARAM(m_id, HIWORD(wParam)), lParam);
    return true;
}

LRESULT CColList::OnSetCursor(WPARAM, LPARAM)
{
    // The mouse-move handler chooses the cursor.
    return TRUE;
}

void CColList::OnSetFocus(HWND)
{
    if (m_list.m_hWnd)
        ::SetFocus(m_list.m_hWnd);
}

void CColList::OnOtherButtonDown(UINT, POINT)
{
    OnSetFocus(nullptr);
}

void CColList::OnLButtonDown(UINT, POINT point)
{
    OnSetFocus(nullptr);
    if (point.y < 0 || point.y >= m_headerHeight || point.x < m_checkWidth)
        return;
    int boundary = m_columns.BoundaryAt(point.x, m_headerOffset);
    if (boundary >= 0) {
        int lineX = m_columns[boundary].rightEdge - m_headerOffset;
        m_dragColumn = boundary;
        m_dragging = true;
        m_dragGrip = point.x - lineX;
        m_dragLeftmost = m_columns.LeftEdge(boundary) - m_headerOffset + ColListColumns::kMinimumWidth;
        RECT client = GetClientRect();
        m_dragRightmost = client.right;
        m_trackRect = RECT {lineX, 0, lineX + 1, client.bottom};
        SetCapture(m_hWnd);
        InvertTrackingLine();
        return;
    }
    int button = m_columns.ButtonAt(point.x, m_headerOffset);
    if (button < 0 || (m_columns[button].cellFormat & ColListColumn::kNoPress))
        return;
    m_pressedColumn = button;
    m_pressCaptured = true;
    SetCapture(m_hWnd);
    InvalidateHeader();
    UpdateWindow();
}

void CColList::OnMouseMove(UINT, POINT point)
{
    if (m_dragging) {
        int x = point.x - m_dragGrip;
        x = std::max(m_dragLeftmost, std::min(x, m_dragRightmost));
        if (x != m_trackRect.left) {
            InvertTrackingLine();
            m_trackRect.left = x;
            m_trackRect.right = x + 1;
            InvertTrackingLine();
        }
        return;
    }
    if (m_pressCaptured) {
        bool inHeader = point.y >= 0 && point.y < m_headerHeight;
        if (m_pressedColumn >= 0 && (!inHeader || m_columns.ButtonAt(point.x, m_headerOffset) != m_pressedColumn)) {
            m_pressedColumn = -1;
            InvalidateHeader();
        }
        return;
    }
    bool overBoundary = point.y >= 0 && point.y < m_headerHeight && point.x >= m_checkWidth &&
        m_columns.BoundaryAt(point.x, m_headerOffset) >= 0;
    ::SetCursor(overBoundary ? m_gdi.resizeCursor : m_gdi.arrowCursor);
}

void CColList::OnLButtonUp(UINT, POINT point)
{
    if (m_dragging) {
        EndDrag(true);
        return;
    }
    if (!m_pressCaptured)
        return;
    m_pressCaptured = false;
    int column = m_pressedColumn;
    m_pressedColumn = -1;
    ReleaseCapture();
    InvalidateHeader();
    bool inHeader = point.y >= 0 && point.y < m_headerHeight;
    if (column < 0 || !inHeader || m_columns.ButtonAt(point.x, m_headerOffset) != column)
        return;
    if ((m_flags & ColListFlags::kNotify) && m_owner)
        ::SendMessageA(m_owner, WM_COLLIST_HEADERCLICK, m_id, column);
    if (m_flags & ColListFlags::kSortOnClick)
        SortByColumn(column, false, -1);
}

void CColList::EndDrag(bool apply)
{
    int column = m_dragColumn;
    m_dragging = false;
    m_dragColumn = -1;
    InvertTrackingLine();
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    if (!apply || !m_columns.Valid(column))
        return;
    m_columns.SetWidth(column, m_columns.DraggedWidth(column, m_trackRect.left, m_headerOffset));
    UpdateExtent();
    InvalidateHeader(m_columns.LeftEdge(column) - m_headerOffset);
    m_list.Invalidate(false);
}

LRESULT CColList::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    // Losing the mouse to another window ends a drag or press without applying it.
    if (reinterpret_cast<HWND>(lParam) == m_hWnd)
        return 0;
    if (m_dragging)
        EndDrag(false);
    if (m_pressCaptured) {
        m_pressCaptured = false;
        m_pressedColumn = -1;
        InvalidateHeader();
    }
    return 0;
}

void CColList::ToggleCheck(int position)
{
    ColListItem* item = Item(position);
    if (!item)
        return;
    item->check = item->check ? 0 : 1;
    RECT row = {};
    if (m_list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        RECT cell = CheckCell(row);
        InflateRect(&cell, -2, -2);
        InvalidateRect(m_list.m_hWnd, &cell, FALSE);
    }
    if ((m_flags & ColListFlags::kNotify) && m_owner)
        ::SendMessageA(m_owner, WM_COLLIST_CHECK, m_id, item->check);
}

void CColList::SendRightClick(POINT screen)
{
    if ((m_flags & ColListFlags::kNotify) && (m_flags & ColListFlags::kRightClick) && m_owner)
        ::SendMessageA(m_owner, WM_COLLIST_RBUTTON, m_id, MAKELPARAM(screen.x, screen.y));
}
