// CColList input: header presses, column drags, list box records, keys and commands.
#include "col_list.h"

#include <algorithm>

void CColList::OnSize(UINT, int cx, int cy)
{
    if (list_.m_hWnd)
        ::MoveWindow(list_.m_hWnd, 0, headerHeight_, cx, cy > headerHeight_ ? cy - headerHeight_ : 0, TRUE);
    trackRect_.bottom = cy;
    dragRightmost_ = cx;
    ApplyEmptyRule();
}

LRESULT CColList::OnDeleteItem(WPARAM, LPARAM)
{
    // The list box carries no data of its own: the records belong to the row array.
    return TRUE;
}

LRESULT CColList::OnVKeyToItem(WPARAM wParam, LPARAM lParam)
{
    if ((flags_ & ColListFlags::kKeysStayInList) || !owner_)
        return -1;
    // Below -1 the owner has dealt with the key. Any other answer, including the 0 of an
    // owner that ignores the message, leaves the key to the list box: passing a 0 back
    // would move the caret to the first row.
    LRESULT answer = ::SendMessageA(owner_, WM_VKEYTOITEM, wParam, lParam);
    return answer < -1 ? answer : -1;
}

bool CColList::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (reinterpret_cast<HWND>(lParam) != list_.m_hWnd || !list_.m_hWnd)
        return CWnd::OnCommand(wParam, lParam);
    if ((flags_ & ColListFlags::kNotify) && owner_)
        ::SendMessageA(owner_, WM_COMMAND, MAKEWPARAM(id_, HIWORD(wParam)), lParam);
    return true;
}

LRESULT CColList::OnSetCursor(WPARAM, LPARAM)
{
    // The mouse-move handler chooses the cursor.
    return TRUE;
}

void CColList::OnSetFocus(HWND)
{
    if (list_.m_hWnd)
        ::SetFocus(list_.m_hWnd);
}

void CColList::OnOtherButtonDown(UINT, POINT)
{
    OnSetFocus(nullptr);
}

void CColList::OnLButtonDown(UINT, POINT point)
{
    OnSetFocus(nullptr);
    if (point.y < 0 || point.y >= headerHeight_ || point.x < checkWidth_)
        return;
    int boundary = columns_.BoundaryAt(point.x, headerOffset_);
    if (boundary >= 0) {
        int lineX = columns_[boundary].rightEdge - headerOffset_;
        dragColumn_ = boundary;
        dragging_ = true;
        dragGrip_ = point.x - lineX;
        dragLeftmost_ = columns_.LeftEdge(boundary) - headerOffset_ + ColListColumns::kMinimumWidth;
        RECT client = GetClientRect();
        dragRightmost_ = client.right;
        trackRect_ = RECT{lineX, 0, lineX + 1, client.bottom};
        SetCapture(m_hWnd);
        InvertTrackingLine();
        return;
    }
    int button = columns_.ButtonAt(point.x, headerOffset_);
    if (button < 0 || (columns_[button].cellFormat & ColListColumn::kNoPress))
        return;
    pressedColumn_ = button;
    pressCaptured_ = true;
    SetCapture(m_hWnd);
    InvalidateHeader();
    UpdateWindow();
}

void CColList::OnMouseMove(UINT, POINT point)
{
    if (dragging_) {
        int x = point.x - dragGrip_;
        x = std::max(dragLeftmost_, std::min(x, dragRightmost_));
        if (x != trackRect_.left) {
            InvertTrackingLine();
            trackRect_.left = x;
            trackRect_.right = x + 1;
            InvertTrackingLine();
        }
        return;
    }
    if (pressCaptured_) {
        bool inHeader = point.y >= 0 && point.y < headerHeight_;
        if (pressedColumn_ >= 0 && (!inHeader || columns_.ButtonAt(point.x, headerOffset_) != pressedColumn_)) {
            pressedColumn_ = -1;
            InvalidateHeader();
        }
        return;
    }
    bool overBoundary = point.y >= 0 && point.y < headerHeight_ && point.x >= checkWidth_
                        && columns_.BoundaryAt(point.x, headerOffset_) >= 0;
    ::SetCursor(overBoundary ? gdi_.resizeCursor : gdi_.arrowCursor);
}

void CColList::OnLButtonUp(UINT, POINT point)
{
    if (dragging_) {
        EndDrag(true);
        return;
    }
    if (!pressCaptured_)
        return;
    pressCaptured_ = false;
    int column = pressedColumn_;
    pressedColumn_ = -1;
    ReleaseCapture();
    InvalidateHeader();
    bool inHeader = point.y >= 0 && point.y < headerHeight_;
    if (column < 0 || !inHeader || columns_.ButtonAt(point.x, headerOffset_) != column)
        return;
    if ((flags_ & ColListFlags::kNotify) && owner_)
        ::SendMessageA(owner_, WM_COLLIST_HEADERCLICK, id_, column);
    if (flags_ & ColListFlags::kSortOnClick)
        SortByColumn(column, false, -1);
}

void CColList::EndDrag(bool apply)
{
    int column = dragColumn_;
    dragging_ = false;
    dragColumn_ = -1;
    InvertTrackingLine();
    if (GetCapture() == m_hWnd)
        ReleaseCapture();
    if (!apply || !columns_.Valid(column))
        return;
    columns_.SetWidth(column, columns_.DraggedWidth(column, trackRect_.left, headerOffset_));
    UpdateExtent();
    InvalidateHeader(columns_.LeftEdge(column) - headerOffset_);
    list_.Invalidate(false);
}

LRESULT CColList::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    // Losing the mouse to another window ends a drag or press without applying it.
    if (reinterpret_cast<HWND>(lParam) == m_hWnd)
        return 0;
    if (dragging_)
        EndDrag(false);
    if (pressCaptured_) {
        pressCaptured_ = false;
        pressedColumn_ = -1;
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
    if (list_.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&row)) != LB_ERR) {
        RECT cell = CheckCell(row);
        InflateRect(&cell, -2, -2);
        InvalidateRect(list_.m_hWnd, &cell, FALSE);
    }
    if ((flags_ & ColListFlags::kNotify) && owner_)
        ::SendMessageA(owner_, WM_COLLIST_CHECK, id_, item->check);
}

void CColList::SendRightClick(POINT screen)
{
    if ((flags_ & ColListFlags::kNotify) && (flags_ & ColListFlags::kRightClick) && owner_)
        ::SendMessageA(owner_, WM_COLLIST_RBUTTON, id_, MAKELPARAM(screen.x, screen.y));
}
