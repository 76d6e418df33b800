// CColList: creation, class registration, column set-up, rows and sorting.
#include "col_list.h"

#include "column_text.h"
#include "module.h"

const char CColList::kClassName[] = "ColList";
void* const CColList::kInvalidData = reinterpret_cast<void*>(static_cast<INT_PTR>(-1));

namespace {

LeadByteTable CurrentLeadBytes()
{
    LeadByteTable table;
    for (int b = 0; b < 256; ++b)
        table[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
    return table;
}

}  // namespace

CColList::CColList()
    : m_list(*this), m_headerFont(static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT))), m_listFont(m_headerFont)
{
    m_order.leadBytes = CurrentLeadBytes();
}

CColList::~CColList()
{
    // The list box hands its records back through this object: destroy the window while
    // every member is still alive.
    if (m_hWnd)
        DestroyWindow();
}

const MessageMap& CColList::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Create(&CColList::OnCreate),
            on::Paint(&CColList::OnPaint),
            on::Size(&CColList::OnSize),
            on::Message(WM_MEASUREITEM, &CColList::OnMeasureItem),
            on::DrawItem(&CColList::OnDrawItem),
            on::Message(WM_DELETEITEM, &CColList::OnDeleteItem),
            on::Message(WM_VKEYTOITEM, &CColList::OnVKeyToItem),
            on::Message(WM_SETCURSOR, &CColList::OnSetCursor),
            on::Message(WM_CAPTURECHANGED, &CColList::OnCaptureChanged),
            on::Message(kEndFillMessage, &CColList::OnEndFill),
            on::SetFocus(&CColList::OnSetFocus),
            on::LButtonDown(&CColList::OnLButtonDown),
            // The class takes double clicks, so the second press of a fast pair comes as one.
            on::LButtonDblClk(&CColList::OnLButtonDown),
            on::LButtonUp(&CColList::OnLButtonUp),
            on::MouseMove(&CColList::OnMouseMove),
            on::RButtonDown(&CColList::OnOtherButtonDown),
            on::MButtonDown(&CColList::OnOtherButtonDown),
        });
    return map;
}

bool CColList::RegisterColListClass()
{
    if (m_flags & ColListFlags::kGlobalClass) {
        // One process-wide registration, remembered by its atom.
        static ATOM atom = 0;
        if (atom)
            return true;
        WNDCLASSA windowClass = {};
        windowClass.style = CS_GLOBALCLASS | CS_PARENTDC | CS_DBLCLKS;
        windowClass.lpfnWndProc = &CWnd::FrameworkWndProc;
        windowClass.hInstance = ModuleInstance();
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kClassName;
        atom = ::RegisterClassA(&windowClass);
        return atom != 0;
    }
    static bool registered = false;
    if (!registered)
        registered = RegisterWindowClass(kClassName, CS_DBLCLKS | CS_PARENTDC,
            LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    return registered;
}

bool CColList::Create(int columnCount, DWORD style, const RECT& rect, HWND owner, UINT id, DWORD flags)
{
    if (columnCount < 1 || m_hWnd)
        return false;
    m_flags = flags;
    m_id = id;
    m_owner = owner;
    m_columns = ColListColumns(columnCount);
    if (!RegisterColListClass())
        return false;
    return CreateEx(0, kClassName, "", style | WS_CHILD | WS_CLIPSIBLINGS, rect, owner, id);
}

int CColList::OnCreate(CREATESTRUCTA& create)
{
    HDC dc = GetDC(m_hWnd);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(m_hWnd, dc);
    m_headerHeight = metrics.tmHeight + 1;
    m_checkWidth = (m_flags & ColListFlags::kCheckColumn) ? kCheckWidth : 0;
    m_headerOffset = -m_checkWidth;

    DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT |
        LBS_OWNERDRAWFIXED | LBS_NODATA;
    if (m_flags & ColListFlags::kHorizontalScroll)
        style |= WS_HSCROLL;
    if (m_flags & ColListFlags::kNotify)
        style |= LBS_NOTIFY;
    if (m_flags & ColListFlags::kMultipleSelection)
        style |= LBS_MULTIPLESEL;
    if (m_flags & ColListFlags::kExtendedSelection)
        style |= LBS_EXTENDEDSEL;
    int height = create.cy - m_headerHeight;
    RECT area = {0, m_headerHeight, create.cx, m_headerHeight + (height > 0 ? height : 0)};
    // The sunken three-dimensional look comes from the client-edge extended style.
    if (!m_list.CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", "", style, area, m_hWnd, kListId))
        return -1;
    m_list.SetFont(m_listFont, false);
    UpdateExtent();
    ::ShowWindow(m_list.m_hWnd, SW_SHOW);
    return 0;
}

void CColList::UpdateExtent()
{
    if (m_list.m_hWnd && (m_flags & ColListFlags::kHorizontalScroll))
        m_list.SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(m_checkWidth + m_columns.TotalWidth()));
}

int CColList::SetColumnTitle(int column, const std::string& text)
{
    if (!m_columns.Valid(column))
        return -1;
    m_columns[column].title = text;
    InvalidateHeader();
    return 0;
}

int CColList::SetColumnWidth(int column, int pixels)
{
    if (!m_columns.SetWidth(column, pixels))
        return -1;
    UpdateExtent();
    InvalidateHeader();
    if (m_list.m_hWnd)
        m_list.Invalidate(false);
    return 0;
}

int CColList::SetColumnSortType(int column, SortType type)
{
    if (!m_columns.Valid(column) || (type != SortType::Text && type != SortType::Numeric))
        return -1;
    m_columns[column].sortType = type;
    return 0;
}

int CColList::SetColumnFormat(int column, int format)
{
    if (!m_columns.Valid(column))
        return -1;
    m_columns[column].cellFormat = format;
    if (m_list.m_hWnd)
        m_list.Invalidate(false);
    return 0;
}

int CColList::SetHeaderFormat(int column, int format)
{
    if (!m_columns.Valid(column))
        return -1;
    m_columns[column].headerFormat = format;
    InvalidateHeader();
    return 0;
}

int CColList::SetSortDirection(int column, int direction)
{
    if (!m_columns.Valid(column) || (direction != 0 && direction != 1))
        return -1;
    m_columns[column].sortDirection = static_cast<SortDirection>(direction);
    return 0;
}

int CColList::SetSortKey(int column, int keyColumn, int direction)
{
    if (!m_columns.Valid(column) || !m_columns.Valid(keyColumn) || SetSortDirection(keyColumn, direction) < 0)
        return -1;
    m_columns[column].sortKeyColumn = keyColumn;
    return 0;
}

int CColList::SortByColumn(int column, bool force, int direction)
{
    if (!m_columns.Valid(column) || (column == m_sortColumn && !force) || direction < -1 || direction > 1)
        return -1;
    m_sortColumn = column;
    int key = m_columns[column].sortKeyColumn;
    if (!m_columns.Valid(key))
        key = column;
    m_order.keyColumn = key;
    m_order.type = m_columns[key].sortType;
    m_order.direction = direction == -1 ? m_columns[key].sortDirection : static_cast<SortDirection>(direction);
    Resort();
    return 0;
}

void CColList::Resort()
{
    if (!m_list.m_hWnd)
        return;
    LRESULT count = m_list.SendMessage(LB_GETCOUNT);
    if (count <= 0) {
        m_rowsInOrder = true;
        return;
    }
    std::vector<ColListItem*> items = m_rows.All();

    std::vector<const ColListItem*> remembered;
    if (m_flags & ColListFlags::kKeepSelection) {
        if (MultiSelect()) {
            int selected = static_cast<int>(m_list.SendMessage(LB_GETSELCOUNT));
            std::vector<int> rows(static_cast<size_t>(selected > 0 ? selected : 0));
            if (selected > 0)
                m_list.SendMessage(
                    LB_GETSELITEMS, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(rows.data()));
            for (int row : rows)
                remembered.push_back(Item(row));
        } else if (ColListItem* current = Item(static_cast<int>(m_list.SendMessage(LB_GETCURSEL)))) {
            remembered.push_back(current);
        }
    }

    // The rows are ordered here in one pass and the list box, which only counts them, keeps
    // its rows; the outcome is the sorted list that emptying the list and adding every record
    // again would give, with ties kept in their previous order.
    m_order.Sort(items);
    m_rows.Reorder(items);
    m_rowsInOrder = true;
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    if (MultiSelect())
        m_list.SendMessage(LB_SETSEL, FALSE, -1);
    else
        m_list.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(-1));
    m_list.SendMessage(LB_SETTOPINDEX, 0);
    for (int position : PositionsOf(items, remembered)) {
        if (MultiSelect())
            m_list.SendMessage(LB_SETSEL, TRUE, position);
        else
            m_list.SendMessage(LB_SETCURSEL, static_cast<WPARAM>(position));
    }
    if (!m_filling)
        m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.Invalidate(true);
}

int CColList::ItemCount() const
{
    return m_list.m_hWnd ? m_rows.Count() : 0;
}

ColListItem* CColList::Item(int position) const
{
    return m_list.m_hWnd ? m_rows.At(position) : nullptr;
}

int CColList::PlaceItem(int position, std::unique_ptr<ColListItem> item)
{
    // The list box counts the row first: it refuses what it cannot hold, and it moves its
    // selection and caret past the new row. Its count and the row array's agree, so the
    // position it gives lies within the array.
    LRESULT placed = m_list.SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(position), 0);
    if (placed < 0)
        return static_cast<int>(placed);
    m_rows.Insert(static_cast<int>(placed), std::move(item));
    return static_cast<int>(placed);
}

int CColList::AddItem(const std::string& text)
{
    if (!m_list.m_hWnd)
        return -1;
    bool wasEmpty = ItemCount() == 0;
    BeginFill();
    auto item = std::make_unique<ColListItem>(text, m_columns.Count(), GetSysColor(COLOR_WINDOWTEXT));
    item->sortKey = m_order.KeyOf(text);
    int sorted = m_rows.SortedPosition(*item, m_rowsInOrder);
    int position = PlaceItem(sorted, std::move(item));
    if (position >= 0 && wasEmpty)
        Invalidate(true);
    return position;
}

int CColList::InsertItem(int position, const std::string& text)
{
    if (!m_list.m_hWnd)
        return -1;
    bool wasEmpty = ItemCount() == 0;
    BeginFill();
    auto item = std::make_unique<ColListItem>(text, m_columns.Count(), GetSysColor(COLOR_WINDOWTEXT));
    int placed = PlaceItem(position, std::move(item));
    if (placed >= 0)
        m_rowsInOrder = false;
    if (placed >= 0 && wasEmpty)
        Invalidate(true);
    return placed;
}

void CColList::RowsLeftListBox(int position)
{
    if (position < 0)
        m_rows.Clear();
    else
        m_rows.Remove(position);
    if (m_rows.Count() == 0)
        m_rowsInOrder = true;
}

int CColList::DeleteItem(int position)
{
    if (!Item(position))
        return -1;
    BeginFill();
    LRESULT remaining = m_list.SendMessage(LB_DELETESTRING, static_cast<WPARAM>(position));
    if (remaining < 0)
        return -1;
    if (remaining == 0) {
        m_headerOffset = -m_checkWidth;
        Invalidate(true);
    }
    return static_cast<int>(remaining);
}

void CColList::DeleteAllItems()
{
    if (!m_list.m_hWnd)
        return;
    m_list.SendMessage(LB_RESETCONTENT);
    m_headerOffset = -m_checkWidth;
    Invalidate(true);
}

std::string CColList::GetItemText(int position) const
{
    ColListItem* item = Item(position);
    return item ? item->text : std::string();
}

std::string CColList::GetItemColumnText(int position, int column) const
{
    ColListItem* item = Item(position);
    return item ? ColumnText(item->text, column) : std::string();
}

int CColList::SetItemColumnText(int position, int column, const std::string& text, bool resort)
{
    ColListItem* item = Item(position);
    if (!item || !m_columns.Valid(column) || item->text.empty())
        return -1;
    item->text = ReplaceColumnText(item->text, column, text);
    if (resort)
        Resort();
    else
        InvalidateRow(position);
    return position;
}

int CColList::SetItemData(int position, void* data)
{
    ColListItem* item = Item(position);
    if (!item)
        return -1;
    item->userData = data;
    return 0;
}

void* CColList::GetItemData(int position) const
{
    ColListItem* item = Item(position);
    return item ? item->userData : kInvalidData;
}

int CColList::SetItemColor(int position, COLORREF colour)
{
    ColListItem* item = Item(position);
    if (!item)
        return -1;
    item->textColour = colour;
    InvalidateRow(position);
    return 0;
}

int CColList::SetItemImage(int position, int column, HBITMAP image, HBITMAP mask)
{
    ColListItem* item = Item(position);
    if (!(m_flags & ColListFlags::kImages) || !item || column < 0 || column >= item->ColumnCount() ||
        !m_columns.Valid(column))
        return -1;
    item->images[static_cast<size_t>(column)] = image;
    item->masks[static_cast<size_t>(column)] = mask;
    m_columns[column].hasImages = true;
    InvalidateRow(position);
    return 0;
}

int CColList::SetCheck(int position, int state)
{
    if (!ChecksEnabled())
        return 0;
    ColListItem* item = Item(position);
    if (!item)
        return -1;
    int previous = item->check;
    item->check = state ? 1 : 0;
    InvalidateRow(position);
    return previous;
}

int CColList::GetCheck(int position) const
{
    if (!ChecksEnabled())
        return 0;
    ColListItem* item = Item(position);
    return item ? item->check : -1;
}

void CColList::SetCheckImages(HBITMAP checked, HBITMAP unchecked)
{
    m_checkedImage = checked;
    m_uncheckedImage = unchecked;
    if (m_list.m_hWnd)
        m_list.Invalidate(false);
}

void CColList::SetEmptyMessage(int mode, const char* text, COLORREF colour, HFONT font)
{
    m_emptyMode = mode;
    if (text)
        m_emptyText = text;
    m_emptyColour = (m_flags & ColListFlags::kPlainEmptyMessage) ? 0 : colour;
    m_emptyFont = font;
    if (m_hWnd) {
        ApplyEmptyRule();
        Invalidate(true);
    }
}

void CColList::ApplyEmptyRule()
{
    if (!m_list.m_hWnd)
        return;
    bool hide = m_emptyMode != 0 && ItemCount() == 0;
    if (hide == m_listHidden)
        return;
    m_listHidden = hide;
    ::ShowWindow(m_list.m_hWnd, hide ? SW_HIDE : SW_SHOWNA);
}

void CColList::BeginFill()
{
    // Every row added to a visible list box redraws its scroll bar at once, which costs
    // milliseconds per row. A run of row operations draws nothing until the message loop
    // runs again, and then draws once.
    if (m_filling || !m_list.m_hWnd)
        return;
    m_filling = true;
    m_list.SendMessage(WM_SETREDRAW, FALSE);
    PostMessage(kEndFillMessage);
}

LRESULT CColList::OnEndFill(WPARAM, LPARAM)
{
    if (!m_filling || !m_list.m_hWnd)
        return 0;
    m_filling = false;
    m_list.SendMessage(WM_SETREDRAW, TRUE);
    m_list.Invalidate(true);
    return 0;
}

void CColList::InvalidateHeader(int fromX)
{
    if (!m_hWnd)
        return;
    RECT client = GetClientRect();
    RECT strip = {fromX > 0 ? fromX : 0, 0, client.right, m_headerHeight};
    InvalidateRect(m_hWnd, &strip, TRUE);
}

void CColList::InvalidateRow(int position)
{
    // A run of row operations redraws the whole list at its end.
    if (m_filling)
        return;
    RECT row = {};
    if (m_list.m_hWnd &&
        m_list.SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&row)) != LB_ERR)
        InvalidateRect(m_list.m_hWnd, &row, FALSE);
}
