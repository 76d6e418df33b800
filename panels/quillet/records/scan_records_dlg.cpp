// CScanRecordsDlg: dialog 2500 over MASTER.DB: the column list and its lines.
#include "scan_records_dlg.h"

#include "cmd_ui.h"
#include "dialog_item_cmd_ui.h"
#include "find_record_dlg.h"
#include "module.h"
#include "prompter.h"
#include "quillet_records_ids.h"
#include "quillet_scan_ids.h"
#include "record_text_unit.h"
#include "record_list_line.h"
#include "scan_log_file.h"
#include "scan_log_table.h"

namespace {

// The action words by action code 0 to 6.
constexpr UINT kActionWords[7] = {IDS_ACTION_WORD_REPORT, IDS_ACTION_WORD_DELETE, IDS_ACTION_WORD_RENAME,
    IDS_ACTION_WORD_CURE, IDS_ACTION_WORD_MOVE, IDS_ACTION_WORD_PURGE, IDS_ACTION_WORD_RENAME_MOVE};
constexpr UINT kColumnTitles[CScanRecordsDlg::kColumnCount] = {IDS_COLUMN_COMPLETED_TIME, IDS_COLUMN_SOURCE_DIRECTORY,
    IDS_COLUMN_VIRUS, IDS_COLUMN_ACTION, IDS_COLUMN_STATUS, IDS_COLUMN_DATE_ASCEND};
// In units of half the font's widest character.
constexpr int kColumnUnits[CScanRecordsDlg::kColumnCount] = {18, 26, 10, 14, 13, 0};
constexpr UINT kImageIds[6] = {IDB_RECORD_VIRUSES, IDB_RECORD_VIRUSES_MASK, IDB_RECORD_CANCELLED,
    IDB_RECORD_CANCELLED_MASK, IDB_RECORD_CLEAN, IDB_RECORD_CLEAN_MASK};

}  // namespace

CScanRecordsDlg::CScanRecordsDlg(CWnd* parent) : CDialog(IDD_SCAN_RECORDS, parent)
{
    for (int i = 0; i < 6; ++i)
        m_images[i] = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(kImageIds[i]));
}

CScanRecordsDlg::~CScanRecordsDlg()
{
    m_find.reset();
    // The rows point at the bitmaps: the list goes first.
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
    for (HBITMAP image : m_images) {
        if (image)
            DeleteObject(image);
    }
}

const MessageMap& CScanRecordsDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDC_RECORDS_VIEW, &CScanRecordsDlg::OnView),
            on::Command(IDC_RECORDS_PRINT, &CScanRecordsDlg::OnPrint),
            on::Command(IDC_RECORDS_DELETE, &CScanRecordsDlg::OnDelete),
            on::Command(IDC_RECORDS_DELETE_ALL, &CScanRecordsDlg::OnDeleteAll),
            on::Command(IDC_RECORDS_SEARCH, &CScanRecordsDlg::OnSearch),
            on::ControlCode(kListId, LBN_DBLCLK, &CScanRecordsDlg::OnView),
            on::UpdateCommand(IDC_RECORDS_VIEW, &CScanRecordsDlg::OnUpdateNeedsRows),
            on::UpdateCommand(IDC_RECORDS_PRINT, &CScanRecordsDlg::OnUpdateNeedsRows),
            on::UpdateCommand(IDC_RECORDS_DELETE, &CScanRecordsDlg::OnUpdateNeedsRows),
            on::UpdateCommand(IDC_RECORDS_DELETE_ALL, &CScanRecordsDlg::OnUpdateNeedsRows),
            on::UpdateCommand(IDC_RECORDS_SEARCH, &CScanRecordsDlg::OnUpdateNeedsRows),
            on::Message(WM_VKEYTOITEM, &CScanRecordsDlg::OnVKeyToItem),
            on::Destroy(&CScanRecordsDlg::OnDestroyDialog),
        });
    return map;
}

BOOL CScanRecordsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(LoadResString(IDS_SCAN_LOG_CAPTION));
    m_completed = LoadResString(IDS_STATUS_COMPLETED);
    m_canceled = LoadResString(IDS_STATUS_CANCELED);
    for (int action = 0; action < 7; ++action)
        m_words[action] = LoadResString(kActionWords[action]);
    if (!CreateList()) {
        Prompter::Current().Show(m_hWnd, LoadResString(IDS_RECORDS_LIST_FAILED), GetWindowText(), MB_OK);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetUpColumns();
    if (!LoadEntries()) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    Select(0);
    UpdateDialogControls(m_hWnd, *this);
    ::SetFocus(m_list.ListBox());
    return FALSE;
}

bool CScanRecordsDlg::CreateList()
{
    RECT place = {};
    if (HWND frame = GetDlgItem(IDC_RECORDS_FRAME)) {
        ::GetWindowRect(frame, &place);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    }
    const DWORD flags = ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kImages |
        ColListFlags::kSortOnClick | ColListFlags::kKeepSelection | ColListFlags::kHorizontalScroll;
    return m_list.Create(kColumnCount, WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, m_hWnd, kListId, flags);
}

void CScanRecordsDlg::SetUpColumns()
{
    // The font the rows are drawn in: the list's own.
    const int unit = HalfWidestCharacter(m_hWnd, static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)), 10);
    m_columnUnit = unit;
    for (int column = 0; column < kColumnCount; ++column) {
        m_list.SetColumnTitle(column, LoadResString(kColumnTitles[column]));
        m_list.SetColumnWidth(column, kColumnUnits[column] * unit);
    }
    m_list.SetColumnSortType(kSortKeyColumn, SortType::Numeric);
    m_list.SetSortKey(0, kSortKeyColumn, static_cast<int>(SortDirection::Ascending));
}

bool CScanRecordsDlg::LoadEntries()
{
    if (!FileExists(kMasterDatabase)) {
        Prompter::Current().Show(m_hWnd, LoadResString(IDS_SCAN_LOG_UNREADABLE), GetWindowText(), MB_OK);
        return false;
    }
    ScanLogFile table;
    if (!table.Open(kMasterDatabase, ScanLogFile::Mode::ReadOnly)) {
        Prompter::Current().Show(m_hWnd, LoadResString(IDS_MASTER_DB_UNREACHABLE), LoadResString(IDS_SCAN_CAPTION),
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    for (const scan_log::NumberedEntry& listed : scan_log::ListedEntries(table)) {
        const scan_log::ScanLogEntry& entry = listed.entry;
        const std::string line =
            scan_log::EntryListLine(entry, scan_log::EntryDateTimeText(entry, ModuleLocaleFormat()),
                m_words[entry.action], entry.cancelled ? m_canceled : m_completed);
        // Slot order: the lines go in as they come.
        const int position = m_list.InsertItem(m_list.ItemCount(), line);
        if (position < 0)
            continue;
        m_list.SetItemData(position, reinterpret_cast<void*>(static_cast<INT_PTR>(listed.number)));
        const int pair = static_cast<int>(scan_log::IconOf(entry)) * 2;
        m_list.SetItemImage(position, 0, m_images[pair], m_images[pair + 1]);
    }
    return true;
}

std::uint32_t CScanRecordsDlg::NumberAt(int position) const
{
    void* data = m_list.GetItemData(position);
    if (data == CColList::kInvalidData)
        return 0;
    return static_cast<std::uint32_t>(reinterpret_cast<INT_PTR>(data));
}

int CScanRecordsDlg::Selection() const
{
    if (!m_list.ListBox())
        return -1;
    return static_cast<int>(::SendMessageA(m_list.ListBox(), LB_GETCURSEL, 0, 0));
}

void CScanRecordsDlg::Select(int position)
{
    if (m_list.ListBox() && position >= 0 && position < m_list.ItemCount())
        ::SendMessageA(m_list.ListBox(), LB_SETCURSEL, position, 0);
}

void CScanRecordsDlg::OnUpdateNeedsRows(CCmdUI& item)
{
    item.Enable(m_list.m_hWnd && m_list.ItemCount() > 0);
}

LRESULT CScanRecordsDlg::OnVKeyToItem(WPARAM wParam, LPARAM)
{
    if (LOWORD(wParam) != VK_DELETE)
        return -1;
    OnDelete();
    return -2;
}

void CScanRecordsDlg::OnDestroyDialog()
{
    m_find.reset();
}
