// CColList painting: the header strip, the empty-list message and the owner-drawn rows.
#include "col_list.h"

#include <algorithm>

#include "column_text.h"

namespace {

UINT Alignment(int format)
{
    if (format & ColListColumn::kCentre)
        return DT_CENTER;
    if (format & ColListColumn::kRight)
        return DT_RIGHT;
    return DT_LEFT;
}

}  // namespace

void CColList::OnPaint()
{
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (m_flags & ColListFlags::kFrame)
        PaintFrame();
    if (ItemCount() == 0)
        m_headerOffset = -m_checkWidth;
    RECT client = GetClientRect();
    PaintHeader(dc, client.right);
    ApplyEmptyRule();
    if (m_emptyMode != 0 && ItemCount() == 0)
        PaintEmptyMessage(dc);
    EndPaint(m_hWnd, &paint);
}

void CColList::PaintFrame()
{
    HWND owner = ::GetParent(m_hWnd);
    if (!owner)
        return;
    RECT frame = GetWindowRect();
    MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&frame), 2);
    InflateRect(&frame, 2, 2);
    HDC dc = GetDC(owner);
    DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT);
    ReleaseDC(owner, dc);
}

void CColList::PaintHeader(HDC dc, int width)
{
    int saved = SaveDC(dc);
    RECT strip = {0, 0, width, m_headerHeight};
    FillRect(dc, &strip, m_gdi.faceBrush);
    HGDIOBJ oldPen = SelectObject(dc, m_gdi.blackPen);
    MoveToEx(dc, 0, m_headerHeight - 1, nullptr);
    LineTo(dc, width, m_headerHeight - 1);
    SelectObject(dc, oldPen);
    if (m_checkWidth > 0) {
        DrawRaisedButton(dc, m_gdi, 0, 0, m_checkWidth - 1, m_headerHeight - 2, true);
        ExcludeClipRect(dc, 0, 0, m_checkWidth, m_headerHeight);
    }
    SelectObject(dc, m_headerFont);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);

    int previousRight = -m_headerOffset;
    bool allFit = true;
    for (int i = 0; i < m_columns.Count(); ++i) {
        int left = previousRight + 1;
        int right = previousRight + m_columns[i].width;
        if (right >= width) {
            PaintButton(dc, i, left, width);
            allFit = false;
            break;
        }
        PaintButton(dc, i, left, right);
        previousRight = right;
    }
    if (allFit && previousRight + 1 <= width - 1)
        DrawRaisedButton(dc, m_gdi, previousRight + 1, 0, width - 1, m_headerHeight - 2, false);
    RestoreDC(dc, saved);
}

void CColList::PaintButton(HDC dc, int column, int left, int right)
{
    if (right < left)
        return;
    int bottom = m_headerHeight - 2;
    bool pressed = column == m_pressedColumn;
    RECT caption = {left, 0, right, m_headerHeight - 1};
    if (pressed) {
        DrawPressedButton(dc, m_gdi, left, 0, right, bottom);
        caption.left += 5;
        caption.top += 3;
        caption.right -= 4;
    } else {
        DrawRaisedButton(dc, m_gdi, left, 0, right, bottom, true);
        caption.left += 4;
        caption.top += 2;
        caption.right -= 5;
        caption.bottom -= 1;
    }
    const std::string& title = m_columns[column].title;
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &caption,
        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment(m_columns[column].headerFormat));
}

void CColList::PaintEmptyMessage(HDC dc)
{
    int saved = SaveDC(dc);
    SelectObject(dc, m_emptyFont ? m_emptyFont : m_headerFont);
    SetBkMode(dc, TRANSPARENT);
    if (m_emptyColour != 0)
        SetTextColor(dc, m_emptyColour);
    RECT client = GetClientRect();
    RECT area = {};
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    if (m_emptyMode == 1) {
        RECT listClient = m_list.GetClientRect();
        area = RECT {0, 0, listClient.right, listClient.bottom};
        format |= DT_CENTER | DT_VCENTER;
    } else if (m_emptyMode == 3) {
        area = RECT {0, 0, client.right, m_headerHeight};
        format |= DT_RIGHT | DT_BOTTOM;
    } else {
        area = RECT {1, m_headerHeight, client.right, client.bottom};
        format |= DT_LEFT | DT_TOP;
    }
    DrawTextA(dc, m_emptyText.c_str(), static_cast<int>(m_emptyText.size()), &area, format);
    RestoreDC(dc, saved);
}

LRESULT CColList::OnMeasureItem(WPARAM, LPARAM lParam)
{
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    HWND list = ::GetDlgItem(m_hWnd, kListId);
    HWND source = list ? list : m_hWnd;
    HDC dc = GetDC(source);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(source, dc);
    measure->itemHeight = static_cast<UINT>(metrics.tmHeight + 1);
    return TRUE;
}

void CColList::OnDrawItem(UINT, DRAWITEMSTRUCT& draw)
{
    if (draw.hwndItem != m_list.m_hWnd || draw.itemID == static_cast<UINT>(-1))
        return;
    ColListItem* item = Item(static_cast<int>(draw.itemID));
    if (!item)
        return;
    if (draw.itemAction == ODA_DRAWENTIRE && draw.rcItem.right != m_lastRowRight) {
        m_lastRowRight = draw.rcItem.right;
        RECT listClient = m_list.GetClientRect();
        int offset = draw.rcItem.right - listClient.right - m_checkWidth;
        if (offset != m_headerOffset) {
            m_headerOffset = offset;
            InvalidateHeader();
        }
    }
    PaintRow(draw, *item);
}

RECT CColList::CheckCell(const RECT& row) const
{
    int left = std::max(0, static_cast<int>(row.left));
    return RECT {left, row.top, left + m_checkWidth, row.bottom};
}

void CColList::PaintRow(DRAWITEMSTRUCT& draw, ColListItem& item)
{
    HDC dc = draw.hDC;
    int saved = SaveDC(dc);
    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    bool focused = (draw.itemState & ODS_FOCUS) != 0;
    bool marksShowSelection = (m_flags & ColListFlags::kCheckColumn) && MultiSelect();
    bool highlighted = selected && focused && !(m_flags & ColListFlags::kNoSelection) && !marksShowSelection;
    RECT row = draw.rcItem;

    if (m_checkWidth > 0) {
        if (MultiSelect())
            item.check = selected ? 1 : 0;
        RECT cell = CheckCell(row);
        FillRect(dc, &cell, m_gdi.faceBrush);
        DrawRaisedButton(dc, m_gdi, cell.left, cell.top, cell.right - 1, cell.bottom - 1, true);
        if (HBITMAP image = item.check ? m_checkedImage : m_uncheckedImage)
            PaintImage(dc, image, nullptr, cell.left + 2, cell, m_checkWidth - 2);
        ExcludeClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    }

    FillRect(dc, &row, highlighted ? m_gdi.selectionBrush : m_gdi.windowBrush);
    SetTextColor(dc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : item.textColour);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, m_listFont);

    // Fields go to their columns; fields beyond the last column are not shown.
    const std::string& text = item.text;
    size_t next = 0;
    for (int i = 0; i < m_columns.Count(); ++i) {
        // A missing field is an empty cell; its image still shows.
        size_t fieldStart = next == std::string::npos ? text.size() : next;
        size_t tab = next == std::string::npos ? std::string::npos : text.find('\t', fieldStart);
        size_t length = (tab == std::string::npos ? text.size() : tab) - fieldStart;
        next = tab == std::string::npos ? std::string::npos : tab + 1;
        int cellLeft = row.left + m_checkWidth + m_columns.LeftEdge(i);
        int cellRight = row.left + m_checkWidth + m_columns[i].rightEdge;
        if (cellRight < 0)
            continue;  // scrolled out to the left
        RECT cell = {cellLeft, row.top, cellRight, row.bottom};
        InflateRect(&cell, -1, -1);
        cell.left += 3;
        cell.right -= 4;
        if (i < item.ColumnCount() && item.images[static_cast<size_t>(i)]) {
            int drawn = PaintImage(dc, static_cast<HBITMAP>(item.images[static_cast<size_t>(i)]),
                static_cast<HBITMAP>(item.masks[static_cast<size_t>(i)]), cellLeft + 2, row, m_columns[i].width);
            cell.left = cellLeft + 2 + drawn + 4;
        }
        if (length > 0 && cell.right > cell.left)
            DrawTextA(dc, text.data() + fieldStart, static_cast<int>(length), &cell,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment(m_columns[i].cellFormat));
    }
    RestoreDC(dc, saved);
    if ((selected || focused) && !(m_flags & ColListFlags::kNoSelection))
        DrawFocusRect(dc, &row);
}

int CColList::PaintImage(HDC dc, HBITMAP image, HBITMAP mask, int left, const RECT& row, int columnWidth)
{
    BITMAP info = {};
    if (!GetObjectA(image, sizeof(info), &info))
        return 0;
    int height = info.bmHeight;
    // An image without a mask that is wider than high carries its mask beside it.
    bool sideBySide = !mask && info.bmWidth > info.bmHeight;
    int width = sideBySide ? info.bmHeight : info.bmWidth;
    width = std::min(width, std::max(0, columnWidth));
    int rowHeight = row.bottom - row.top;
    int top = height < rowHeight ? row.top + (rowHeight - height) / 2 : row.top;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, image);
    if (mask || sideBySide) {
        int maskX = sideBySide ? info.bmHeight : 0;
        HDC maskSource = mask ? CreateCompatibleDC(dc) : source;
        HGDIOBJ oldMask = mask ? SelectObject(maskSource, mask) : nullptr;
        BitBlt(dc, left, top, width, height, source, 0, 0, SRCINVERT);
        BitBlt(dc, left, top, width, height, maskSource, maskX, 0, SRCAND);
        BitBlt(dc, left, top, width, height, source, 0, 0, SRCINVERT);
        if (mask) {
            SelectObject(maskSource, oldMask);
            DeleteDC(maskSource);
        }
    } else {
        BitBlt(dc, left, top, width, height, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    return width;
}

void CColList::InvertTrackingLine()
{
    HDC dc = GetDC(m_hWnd);
    PatBlt(dc, m_trackRect.left, m_trackRect.top, m_trackRect.right - m_trackRect.left,
        m_trackRect.bottom - m_trackRect.top, DSTINVERT);
    ReleaseDC(m_hWnd, dc);
}
