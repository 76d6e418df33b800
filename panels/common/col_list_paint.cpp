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
    if (flags_ & ColListFlags::kFrame)
        PaintFrame();
    if (ItemCount() == 0)
        headerOffset_ = -checkWidth_;
    RECT client = GetClientRect();
    PaintHeader(dc, client.right);
    ApplyEmptyRule();
    if (emptyMode_ != 0 && ItemCount() == 0)
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
    RECT strip = {0, 0, width, headerHeight_};
    FillRect(dc, &strip, gdi_.faceBrush);
    HGDIOBJ oldPen = SelectObject(dc, gdi_.blackPen);
    MoveToEx(dc, 0, headerHeight_ - 1, nullptr);
    LineTo(dc, width, headerHeight_ - 1);
    SelectObject(dc, oldPen);
    if (checkWidth_ > 0) {
        DrawRaisedButton(dc, gdi_, 0, 0, checkWidth_ - 1, headerHeight_ - 2, true);
        ExcludeClipRect(dc, 0, 0, checkWidth_, headerHeight_);
    }
    SelectObject(dc, headerFont_);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);

    int previousRight = -headerOffset_;
    bool allFit = true;
    for (int i = 0; i < columns_.Count(); ++i) {
        int left = previousRight + 1;
        int right = previousRight + columns_[i].width;
        if (right >= width) {
            PaintButton(dc, i, left, width);
            allFit = false;
            break;
        }
        PaintButton(dc, i, left, right);
        previousRight = right;
    }
    if (allFit && previousRight + 1 <= width - 1)
        DrawRaisedButton(dc, gdi_, previousRight + 1, 0, width - 1, headerHeight_ - 2, false);
    RestoreDC(dc, saved);
}

void CColList::PaintButton(HDC dc, int column, int left, int right)
{
    if (right < left)
        return;
    int bottom = headerHeight_ - 2;
    bool pressed = column == pressedColumn_;
    RECT caption = {left, 0, right, headerHeight_ - 1};
    if (pressed) {
        DrawPressedButton(dc, gdi_, left, 0, right, bottom);
        caption.left += 5;
        caption.top += 3;
        caption.right -= 4;
    } else {
        DrawRaisedButton(dc, gdi_, left, 0, right, bottom, true);
        caption.left += 4;
        caption.top += 2;
        caption.right -= 5;
        caption.bottom -= 1;
    }
    const std::string& title = columns_[column].title;
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &caption,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment(columns_[column].headerFormat));
}

void CColList::PaintEmptyMessage(HDC dc)
{
    int saved = SaveDC(dc);
    SelectObject(dc, emptyFont_ ? emptyFont_ : headerFont_);
    SetBkMode(dc, TRANSPARENT);
    if (emptyColour_ != 0)
        SetTextColor(dc, emptyColour_);
    RECT client = GetClientRect();
    RECT area = {};
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    if (emptyMode_ == 1) {
        RECT listClient = list_.GetClientRect();
        area = RECT{0, 0, listClient.right, listClient.bottom};
        format |= DT_CENTER | DT_VCENTER;
    } else if (emptyMode_ == 3) {
        area = RECT{0, 0, client.right, headerHeight_};
        format |= DT_RIGHT | DT_BOTTOM;
    } else {
        area = RECT{1, headerHeight_, client.right, client.bottom};
        format |= DT_LEFT | DT_TOP;
    }
    DrawTextA(dc, emptyText_.c_str(), static_cast<int>(emptyText_.size()), &area, format);
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
    if (draw.hwndItem != list_.m_hWnd || draw.itemID == static_cast<UINT>(-1))
        return;
    ColListItem* item = Item(static_cast<int>(draw.itemID));
    if (!item)
        return;
    if (draw.itemAction == ODA_DRAWENTIRE && draw.rcItem.right != lastRowRight_) {
        lastRowRight_ = draw.rcItem.right;
        RECT listClient = list_.GetClientRect();
        int offset = draw.rcItem.right - listClient.right - checkWidth_;
        if (offset != headerOffset_) {
            headerOffset_ = offset;
            InvalidateHeader();
        }
    }
    PaintRow(draw, *item);
}

RECT CColList::CheckCell(const RECT& row) const
{
    int left = std::max(0, static_cast<int>(row.left));
    return RECT{left, row.top, left + checkWidth_, row.bottom};
}

void CColList::PaintRow(DRAWITEMSTRUCT& draw, ColListItem& item)
{
    HDC dc = draw.hDC;
    int saved = SaveDC(dc);
    bool selected = (draw.itemState & ODS_SELECTED) != 0;
    bool focused = (draw.itemState & ODS_FOCUS) != 0;
    bool marksShowSelection = (flags_ & ColListFlags::kCheckColumn) && MultiSelect();
    bool highlighted = selected && focused && !(flags_ & ColListFlags::kNoSelection) && !marksShowSelection;
    RECT row = draw.rcItem;

    if (checkWidth_ > 0) {
        if (MultiSelect())
            item.check = selected ? 1 : 0;
        RECT cell = CheckCell(row);
        FillRect(dc, &cell, gdi_.faceBrush);
        DrawRaisedButton(dc, gdi_, cell.left, cell.top, cell.right - 1, cell.bottom - 1, true);
        if (HBITMAP image = item.check ? checkedImage_ : uncheckedImage_)
            PaintImage(dc, image, nullptr, cell.left + 2, cell, checkWidth_ - 2);
        ExcludeClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    }

    FillRect(dc, &row, highlighted ? gdi_.selectionBrush : gdi_.windowBrush);
    SetTextColor(dc, highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT) : item.textColour);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, listFont_);

    // Fields go to their columns; fields beyond the last column are not shown.
    const std::string& text = item.text;
    size_t next = 0;
    for (int i = 0; i < columns_.Count(); ++i) {
        // A missing field is an empty cell; its image still shows.
        size_t fieldStart = next == std::string::npos ? text.size() : next;
        size_t tab = next == std::string::npos ? std::string::npos : text.find('\t', fieldStart);
        size_t length = (tab == std::string::npos ? text.size() : tab) - fieldStart;
        next = tab == std::string::npos ? std::string::npos : tab + 1;
        int cellLeft = row.left + checkWidth_ + columns_.LeftEdge(i);
        int cellRight = row.left + checkWidth_ + columns_[i].rightEdge;
        if (cellRight < 0)
            continue;  // scrolled out to the left
        RECT cell = {cellLeft, row.top, cellRight, row.bottom};
        InflateRect(&cell, -1, -1);
        cell.left += 3;
        cell.right -= 4;
        if (i < item.ColumnCount() && item.images[static_cast<size_t>(i)]) {
            int drawn = PaintImage(dc, static_cast<HBITMAP>(item.images[static_cast<size_t>(i)]),
                                   static_cast<HBITMAP>(item.masks[static_cast<size_t>(i)]), cellLeft + 2, row,
                                   columns_[i].width);
            cell.left = cellLeft + 2 + drawn + 4;
        }
        if (length > 0 && cell.right > cell.left)
            DrawTextA(dc, text.data() + fieldStart, static_cast<int>(length), &cell,
                      DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | Alignment(columns_[i].cellFormat));
    }
    RestoreDC(dc, saved);
    if ((selected || focused) && !(flags_ & ColListFlags::kNoSelection))
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
    PatBlt(dc, trackRect_.left, trackRect_.top, trackRect_.right - trackRect_.left, trackRect_.bottom - trackRect_.top,
           DSTINVERT);
    ReleaseDC(m_hWnd, dc);
}
