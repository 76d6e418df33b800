// CPortSetupDlg: loading, editing and saving the port settings of the connected server's Alert home.
#include "port_setup_dlg.h"

#include <cstring>

#include "edit_control.h"
#include "list_box.h"
#include "pages_ids.h"
#include "port_edit_dlg.h"
#include "program_values.h"
#include "prompter.h"

namespace {

constexpr std::size_t kDateSize = 256;

// The "PORT" configuration date; empty when the core cannot tell it.
bool ReadPortDate(const ProgramValues& values, std::string& date)
{
    char buffer[kDateSize] = {};
    if (AlertCore::Failed(values.Core().AlertGetCFGDate(values.serverName, "PORT", buffer)))
        return false;
    date.assign(buffer, strnlen(buffer, kDateSize));
    return true;
}

}  // namespace

CPortSetupDlg::CPortSetupDlg(const ProgramValues& values, CWnd* parent)
    : CDialog(IDD_PORT_SETUP, parent), m_values(values)
{
    char home[512] = {};
    if (AlertCore::HomeSucceeded(values.Core().AlertGetHomeDir(values.serverName, home)))
        m_home.assign(home, strnlen(home, sizeof home));
}

CPortSetupDlg::~CPortSetupDlg()
{
    FreeRecords();
}

const MessageMap& CPortSetupDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDC_PORT_ADD, &CPortSetupDlg::OnAdd),
            on::Command(IDC_PORT_EDIT, &CPortSetupDlg::OnEdit),
            on::Command(IDC_PORT_DELETE, &CPortSetupDlg::OnDelete),
            on::Command(IDC_PORT_SET_DEFAULT, &CPortSetupDlg::OnSetDefault),
            on::Command(IDC_PORT_CLOSE, &CPortSetupDlg::OnClose),
            on::Destroy(&CPortSetupDlg::OnDestroyDialog),
        });
    return map;
}

BOOL CPortSetupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    RECT place = {};
    if (HWND frame = GetDlgItem(IDC_PORT_LIST_FRAME)) {
        ::GetWindowRect(frame, &place);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        ::ShowWindow(frame, SW_HIDE);
    }
    if (!m_list.Create(kColumnCount, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, place, m_hWnd, IDC_PORT_LIST,
            ColListFlags::kNotify | ColListFlags::kHorizontalScroll | ColListFlags::kAlertManagerCopy)) {
        PromptId(IDS_PORT_LIST_FAILED, MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetUpColumns();
    LoadPortFile();
    m_defaultPortId = port_file::ReadDefaultPortId(DefaultPath()).value_or(port_file::kDefaultPortId);
    ShowDefault();
    CListBox(m_list.ListBox()).SetCurSel(0);
    return TRUE;
}

void CPortSetupDlg::SetUpColumns()
{
    int unit = 10;
    if (HDC dc = ::GetDC(m_hWnd)) {
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
        TEXTMETRICA metrics = {};
        if (GetTextMetricsA(dc, &metrics) && metrics.tmMaxCharWidth > 1)
            unit = metrics.tmMaxCharWidth / 2;
        SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
    }
    const char* titles[kColumnCount] = {"ID", "Port", "Baud", "Parity", "Databits", "Stopbits", "Description"};
    const int widths[kColumnCount] = {4, 8, 8, 8, 8, 8, 35};
    for (int i = 0; i < kColumnCount; ++i) {
        m_list.SetColumnTitle(i, titles[i]);
        m_list.SetColumnWidth(i, widths[i] * unit);
    }
    // Lines stand in the order of their IDs, which is the order they are saved in.
    m_list.SetColumnSortType(0, SortType::Numeric);
    m_list.SortByColumn(0, true, static_cast<int>(SortDirection::Ascending));
}

void CPortSetupDlg::LoadPortFile()
{
    const port_file::PortFileContent content = port_file::LoadPortFile(PortPath());
    m_header = content.header;
    for (const PortRecord& record : content.records)
        AddLine(new PortRecord(record));
    m_loadedDate.clear();
    ReadPortDate(m_values, m_loadedDate);
}

int CPortSetupDlg::AddLine(PortRecord* record)
{
    const int position = m_list.AddItem(port_file::DisplayLine(*record));
    if (position < 0) {
        delete record;
        return position;
    }
    m_list.SetItemData(position, record);
    return position;
}

PortRecord* CPortSetupDlg::RecordAt(int position) const
{
    void* data = m_list.GetItemData(position);
    return data == CColList::kInvalidData ? nullptr : static_cast<PortRecord*>(data);
}

int CPortSetupDlg::SelectedLine() const
{
    return m_list.ListBox() ? CListBox(m_list.ListBox()).GetCurSel() : -1;
}

void CPortSetupDlg::ShowDefault()
{
    SetDlgItemText(IDC_PORT_DEFAULT_ID, std::to_string(m_defaultPortId));
}

void CPortSetupDlg::OnAdd()
{
    PortRecord start = port_file::DefaultRecord();
    start.portId = m_header.nextPortId;
    std::memset(start.description, 0, 128);
    CPortEditDlg editor(&start, CPortEditDlg::kAddMode, this);
    if (editor.DoModal() != IDOK)
        return;
    const int position = AddLine(new PortRecord(editor.m_record));
    if (position < 0)
        return;
    ++m_header.recordCount;
    ++m_header.nextPortId;
    CListBox(m_list.ListBox()).SetCurSel(position);
}

void CPortSetupDlg::OnEdit()
{
    const int selected = SelectedLine();
    if (selected < 0) {
        PromptId(IDS_PORT_NOTHING_TO_EDIT, MB_OK | MB_ICONINFORMATION);
        return;
    }
    PortRecord* record = RecordAt(selected);
    if (!record) {
        PromptId(IDS_PORT_NO_DATA_EDIT, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CPortEditDlg editor(record, CPortEditDlg::kEditMode, this);
    if (editor.DoModal() != IDOK)
        return;
    *record = editor.m_record;
    // The line goes and comes back with the same record: deleting a line frees nothing.
    m_list.DeleteItem(selected);
    const int position = m_list.AddItem(port_file::DisplayLine(*record));
    if (position >= 0) {
        m_list.SetItemData(position, record);
        CListBox(m_list.ListBox()).SetCurSel(position);
    } else {
        delete record;
    }
}

void CPortSetupDlg::OnDelete()
{
    const int selected = SelectedLine();
    if (selected < 0) {
        PromptId(IDS_PORT_NOTHING_TO_DELETE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    PortRecord* record = RecordAt(selected);
    if (!record) {
        PromptId(IDS_PORT_NO_DATA_DELETE, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (record->portId == port_file::kDefaultPortId) {
        PromptId(IDS_PORT_ID1_RESERVED, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (PromptId(IDS_PORT_ASK_DELETE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const std::uint16_t removed = record->portId;
    m_list.DeleteItem(selected);
    if (m_header.recordCount > 0)
        --m_header.recordCount;
    delete record;
    if (removed == m_defaultPortId) {
        m_defaultPortId = port_file::kDefaultPortId;
        port_file::WriteDefaultPortId(DefaultPath(), m_defaultPortId);
        ShowDefault();
    }
}

void CPortSetupDlg::OnSetDefault()
{
    const int selected = SelectedLine();
    PortRecord* record = selected < 0 ? nullptr : RecordAt(selected);
    if (!record) {
        PromptId(IDS_PORT_NOTHING_DEFAULT, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_defaultPortId = record->portId;
    port_file::WriteDefaultPortId(DefaultPath(), m_defaultPortId);
    ShowDefault();
}

void CPortSetupDlg::SavePortFile()
{
    std::string current;
    if (!ReadPortDate(m_values, current))
        return;
    // Another administrator saved port settings since we read them: ours would overwrite theirs.
    if (current != m_loadedDate) {
        PromptId(IDS_PORT_CHANGED_REMOTELY, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::vector<PortRecord> records;
    for (int i = 0; i < m_list.ItemCount(); ++i) {
        if (const PortRecord* record = RecordAt(i))
            records.push_back(*record);
    }
    port_file::SavePortFile(PortPath(), m_header, records);
}

void CPortSetupDlg::OnClose()
{
    SavePortFile();
    port_file::WriteDefaultPortId(DefaultPath(), m_defaultPortId);
    FreeRecords();
    EndDialog(IDCANCEL);
}

void CPortSetupDlg::OnCancel()
{
    OnClose();
}

void CPortSetupDlg::OnOK()
{
    // The dialog has no OK button: an OK that reaches it anyway closes it as Close does.
    OnClose();
}

bool CPortSetupDlg::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_KEYDOWN && m_list.ListBox() && message.hwnd == m_list.ListBox()) {
        if (message.wParam == VK_INSERT) {
            OnAdd();
            return true;
        }
        if (message.wParam == VK_DELETE) {
            OnDelete();
            return true;
        }
    }
    return CDialog::PreTranslateMessage(message);
}

void CPortSetupDlg::FreeRecords()
{
    if (!m_list.m_hWnd)
        return;
    for (int i = 0; i < m_list.ItemCount(); ++i) {
        delete RecordAt(i);
        m_list.SetItemData(i, nullptr);
    }
    m_list.DeleteAllItems();
}

void CPortSetupDlg::OnDestroyDialog()
{
    FreeRecords();
    Default();
}
