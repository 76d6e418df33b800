// CBroadcastTablePage: the table loaded into a column list, edited row by row, saved in runs.
#include "broadcast_table_page.h"

#include <algorithm>
#include <new>
#include <vector>

#include "broadcast_entry_dlg.h"
#include "broadcast_tables_ids.h"
#include "list_box.h"
#include "module.h"
#include "prompter.h"

namespace {
constexpr WORD kInsertKey = VK_INSERT;  // 0x2D
constexpr WORD kDeleteKey = VK_DELETE;  // 0x2E
constexpr LRESULT kKeyHandled = -2;
constexpr LRESULT kKeyNotHandled = -1;
}  // namespace

CBroadcastTablePage::CBroadcastTablePage(
    const BroadcastTableKind& kind, BroadcastTableCalls& calls, std::string server, bool domainWide)
    : CPropertyPage(kind.pageTemplate), m_kind(kind), m_calls(calls), m_server(std::move(server)),
      m_domainWide(domainWide)
{
}

CBroadcastTablePage::~CBroadcastTablePage()
{
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
}

const MessageMap& CBroadcastTablePage::GetMessageMap() const
{
    static const MessageMap map(CPropertyPage::GetMessageMap(),
        {
            on::Message(WM_VKEYTOITEM, &CBroadcastTablePage::OnVKeyToItem),
            on::ControlCode(kListId, LBN_DBLCLK, &CBroadcastTablePage::OnModify),
        });
    return map;
}

BOOL CBroadcastTablePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_texts = BroadcastTableTexts::Load();
    try {
        m_buffer = std::make_unique<BroadcastTableBuffer>(m_kind);
    } catch (const std::bad_alloc&) {
        Disable();
        return TRUE;
    }
    if (!CreateList()) {
        PromptId(IDS_LIST_NOT_CREATED);
        Disable();
        return TRUE;
    }
    m_buffer->Load(m_calls, m_server);
    for (DWORD i = 0; i < m_buffer->Count(); ++i)
        AddRow(m_buffer->Entry(i));
    Select(0);
    m_initialised = true;
    return TRUE;
}

void CBroadcastTablePage::Disable()
{
    EnableWindow(false);
}

int CBroadcastTablePage::WidthUnit() const
{
    HDC dc = ::GetDC(m_hWnd);
    if (!dc)
        return kUnitWithoutFont;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    // The widest of the characters a row can hold: a font that also carries far wider glyphs
    // for other scripts (as substituted fonts do) would otherwise spread the columns off the page.
    int widths[224] = {};
    int widest = 0;
    if (GetCharWidth32A(dc, 0x20, 0xFF, widths))
        for (int width : widths)
            widest = std::max(widest, width);
    if (old)
        SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return widest > 1 ? widest / 2 : kUnitWithoutFont;
}

bool CBroadcastTablePage::CreateList()
{
    RECT place = GetClientRect();
    if (HWND placeholder = GetDlgItem(IDC_TABLE_PLACEHOLDER)) {
        ::GetWindowRect(placeholder, &place);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        ::ShowWindow(placeholder, SW_HIDE);
    }
    const int columns = static_cast<int>(m_kind.columns.size());
    if (!m_list.Create(columns, WS_VISIBLE | WS_BORDER | WS_TABSTOP, place, m_hWnd, kListId, kListFlags))
        return false;
    const int unit = WidthUnit();
    for (int column = 0; column < columns; ++column) {
        m_list.SetColumnTitle(column, m_kind.columns[column].title);
        m_list.SetColumnWidth(column, m_kind.columns[column].units * unit);
        m_list.SetColumnFormat(column, 0);
        m_list.SetHeaderFormat(column, 0);
        m_list.SetColumnSortType(column, SortType::Text);
        const SortDirection direction = column == 1 ? SortDirection::Descending : SortDirection::Ascending;
        m_list.SetSortDirection(column, static_cast<int>(direction));
    }
    // Sorting by the second column first makes the switch to the first a real one.
    m_list.SortByColumn(1, true, -1);
    m_list.SortByColumn(0, true, -1);
    // Tab order: the list comes right after the placeholder it stands in for.
    if (HWND placeholder = GetDlgItem(IDC_TABLE_PLACEHOLDER))
        SetWindowPos(m_list.m_hWnd, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

int CBroadcastTablePage::AddRow(const BYTE* entry)
{
    const int position = m_list.AddItem(m_kind.rowText(entry, m_texts));
    if (position >= 0)
        m_list.SetItemColor(position, GetSysColor(m_kind.Enabled(entry) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    return position;
}

int CBroadcastTablePage::SelectedRow() const
{
    return m_list.ListBox() ? CListBox(m_list.ListBox()).GetCurSel() : -1;
}

void CBroadcastTablePage::Select(int position)
{
    if (m_list.ListBox() && position >= 0 && position < m_list.ItemCount())
        CListBox(m_list.ListBox()).SetCurSel(position);
}

LRESULT CBroadcastTablePage::OnVKeyToItem(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case kInsertKey: OnAdd(); return kKeyHandled;
    case kDeleteKey: OnDelete(); return kKeyHandled;
    default: return kKeyNotHandled;
    }
}

void CBroadcastTablePage::OnAdd()
{
    if (!m_initialised)
        return;
    if (m_buffer->Count() >= m_kind.largest) {
        PromptId(m_kind.fullMessage);
        return;
    }
    std::vector<BYTE> entry(m_kind.entrySize, 0);
    CBroadcastEntryDlg dialog(m_kind, entry.data(), true, this);
    if (dialog.DoModal() != IDOK)
        return;
    m_buffer->Append(entry.data());
    Select(AddRow(entry.data()));
    m_modified = true;
    SetModified();
}

void CBroadcastTablePage::OnModify()
{
    if (!m_initialised)
        return;
    const int selected = SelectedRow();
    if (selected < 0) {
        PromptId(IDS_NOTHING_SELECTED);
        return;
    }
    const std::string before = m_list.GetItemText(selected);
    std::vector<BYTE> entry(m_kind.entrySize, 0);
    m_kind.entryFromRow(before, entry.data(), m_texts);
    CBroadcastEntryDlg dialog(m_kind, entry.data(), false, this);
    if (dialog.DoModal() != IDOK || m_kind.rowText(entry.data(), m_texts) == before)
        return;
    m_list.DeleteItem(selected);
    const int position = AddRow(entry.data());
    if (position < 0) {
        PromptId(m_kind.modifyError);
        return;
    }
    Select(position);
    m_modified = true;
    SetModified();
}

void CBroadcastTablePage::OnDelete()
{
    if (!m_initialised)
        return;
    const int selected = SelectedRow();
    if (selected < 0) {
        PromptId(IDS_NOTHING_TO_DELETE);
        return;
    }
    if (PromptId(IDS_ASK_DELETE, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    m_list.DeleteItem(selected);
    Select(selected > 0 ? selected - 1 : 0);
    m_buffer->Shrink();
    m_modified = true;
    SetModified();
}

void CBroadcastTablePage::RebuildFromRows()
{
    if (!m_initialised)
        return;
    m_buffer->Clear();
    std::vector<BYTE> entry(m_kind.entrySize);
    for (int row = 0; row < m_list.ItemCount() && m_buffer->Count() < m_kind.largest; ++row) {
        m_kind.entryFromRow(m_list.GetItemText(row), entry.data(), m_texts);
        m_buffer->Append(entry.data());
    }
}

void CBroadcastTablePage::OnOK()
{
    RebuildFromRows();
}

bool CBroadcastTablePage::Save()
{
    if (!m_initialised || (m_kind.savesOnlyWhenModified && !m_modified))
        return false;
    // The rows are the working copy: a save without an Apply before it still stores them.
    if (m_list.m_hWnd)
        RebuildFromRows();
    const bool saved = m_buffer->Save(m_calls, m_server, m_domainWide);
    if (saved)
        m_modified = false;
    return saved;
}
