// CEventDlg: the "Event Log" page, the Alert Service's record table listed newest first.
#include "event_dlg.h"

#include "alert_record_format.h"
#include "alert_record_view.h"
#include "local_date_time.h"
#include "logs_ids.h"
#include "module.h"

namespace {

constexpr int kColumnCount = 4;
constexpr int kTimeColumn = 3;

}  // namespace

CEventDlg::CEventDlg(ProgramValues& values) : CAdminFV(IDD_EVENT_LOG), m_values(values), m_table(values)
{
    const UINT images[3] = {IDB_EVENT_CRITICAL, IDB_EVENT_WARNING, IDB_EVENT_INFORMATIONAL};
    const UINT masks[3] = {IDB_EVENT_CRITICAL_MASK, IDB_EVENT_WARNING_MASK, IDB_EVENT_INFORMATIONAL_MASK};
    for (int i = 0; i < 3; ++i) {
        m_images[i] = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(images[i]));
        m_masks[i] = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(masks[i]));
    }
}

CEventDlg::~CEventDlg()
{
    // The rows point at the bitmaps: the list goes first.
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
    for (int i = 0; i < 3; ++i) {
        if (m_images[i])
            DeleteObject(m_images[i]);
        if (m_masks[i])
            DeleteObject(m_masks[i]);
    }
}

const MessageMap& CEventDlg::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(ID_EVENT_CLEAR_SELECTED, &CEventDlg::OnClearSelected),
            on::Command(ID_EVENT_CLEAR_ALL, &CEventDlg::OnClearAll),
            on::Command(ID_EVENT_VIEW, &CEventDlg::OnView),
            on::Command(ID_FILE_PRINT, &CEventDlg::OnPrint),
            on::Command(ID_PAGE_HELP, &CEventDlg::OnHelp),
            on::ControlCode(kListId, LBN_DBLCLK, &CEventDlg::OnView),
            on::Timer(&CEventDlg::OnTimer),
            on::Paint(&CEventDlg::OnPaint),
            on::Size(&CEventDlg::OnSizePage),
            on::Destroy(&CEventDlg::OnDestroyPage),
        });
    return map;
}

void CEventDlg::Load(int first)
{
    if (first == 1 && !m_list.m_hWnd) {
        SetTimer(kReloadTimer, kReloadMilliseconds);
        m_createdClient = GetClientRect();
        RECT place = m_createdClient;
        if (HWND box = GetDlgItem(IDC_EVENT_LIST)) {
            ::GetWindowRect(box, &place);
            MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
            ::ShowWindow(box, SW_HIDE);
        }
        const DWORD flags = ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kImages |
            ColListFlags::kExtendedSelection | ColListFlags::kAlertManagerCopy;
        m_list.Create(kColumnCount, WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, m_hWnd, kListId, flags);
    }
    if (!m_list.m_hWnd)
        return;
    SetUpColumns();
    m_lastSum = HeaderSum();
    // The length this fill saw, so the first tick of timer 9 does not read everything again.
    m_lastLength = m_table.FileLength();
    FillList();
}

void CEventDlg::SetUpColumns()
{
    m_list.SetColumnTitle(0, LoadResString(IDS_COLUMN_DATE_TIME));
    m_list.SetColumnTitle(1, LoadResString(IDS_COLUMN_DESCRIPTION));
    m_list.SetColumnTitle(2, LoadResString(IDS_COLUMN_APPLICATION));
    m_list.SetColumnTitle(kTimeColumn, "Date Descend");
    m_list.SetColumnWidth(0, 140);
    m_list.SetColumnWidth(1, 200);
    m_list.SetColumnWidth(2, m_createdClient.right - m_createdClient.left);
    m_list.SetColumnWidth(kTimeColumn, 0);
    m_list.SetColumnSortType(kTimeColumn, SortType::Numeric);
    m_list.SetSortDirection(kTimeColumn, static_cast<int>(SortDirection::Descending));
    m_list.SortByColumn(kTimeColumn, true, static_cast<int>(SortDirection::Descending));
    SetEmptyText(LoadResString(IDS_NO_EVENT_LOG));
}

void CEventDlg::SetEmptyText(const std::string& text)
{
    m_emptyText = text;
    m_list.SetEmptyMessage(1, m_emptyText.c_str(), 0, nullptr);
}

void CEventDlg::ReleaseItems()
{
    if (m_list.m_hWnd)
        m_list.DeleteAllItems();
}

void CEventDlg::Refresh(int serviceStopped)
{
    m_serviceStopped = serviceStopped;
    if (!m_list.m_hWnd)
        return;
    m_list.DeleteAllItems();
    if (serviceStopped) {
        SetEmptyText(LoadResString(IDS_START_ALERT_SERVICE));
        m_list.Invalidate();
        m_list.UpdateWindow();
        return;
    }
    SetEmptyText(std::string());
    FillList();
}

void CEventDlg::FillList()
{
    if (!m_list.m_hWnd)
        return;
    m_list.DeleteAllItems();
    // A free slot ends nothing: the rows run to the end of the file, whatever the header says.
    m_table.ForEachSlot(1, [this](int index, const BYTE* slot) {
        if (alert_table::SlotHoldsRecord(slot))
            AddRecordRow(index, slot);
    });
}

int CEventDlg::AddRecordRow(int index, const BYTE* slot)
{
    const alert_table::Record record = alert_table::ReadRecord(slot);
    const int position = m_list.AddItem(alert_table::EventListLine(LocalDateTimeText(record.time), record));
    if (position < 0)
        return position;
    m_list.SetItemData(position, reinterpret_cast<void*>(static_cast<INT_PTR>(index)));
    // A priority outside 0 to 3 selects no marker: its row shows the texts alone.
    const int group = alert_table::CountIndexOfPriority(record.priority);
    if (group >= 0)
        m_list.SetItemImage(position, 0, m_images[group], m_masks[group]);
    return position;
}

long long CEventDlg::HeaderSum()
{
    BYTE header[CAlertRecordTable::kSlotSize];
    m_table.ReadHeader(header);
    return alert_table::ReadHeaderCounts(header).Sum();
}

std::vector<int> CEventDlg::SelectedPositions() const
{
    HWND box = m_list.ListBox();
    return box ? CListBox(box).GetSelectedItems() : std::vector<int>();
}

void CEventDlg::SelectPositions(const std::vector<int>& positions)
{
    const CListBox box(m_list.ListBox());
    const int count = m_list.ItemCount();
    for (int position : positions) {
        if (position < count)
            box.SetSel(position);
    }
}

void CEventDlg::OnTimer(UINT_PTR id)
{
    if (id != kReloadTimer)
        return;
    const LONGLONG length = m_table.FileLength();
    if (length >= 0 && length != m_lastLength) {
        m_lastLength = length;
        FillList();
        return;
    }
    if (!m_serviceStopped) {
        const long long sum = HeaderSum();
        if (sum != m_lastSum) {
            m_lastSum = sum;
            const std::vector<int> selected = SelectedPositions();
            FillList();
            SelectPositions(selected);
        }
    }
    if (m_list.m_hWnd)
        m_list.Invalidate();
}

void CEventDlg::OnPaint()
{
    if (m_list.m_hWnd) {
        const RECT client = GetClientRect();
        m_list.MoveWindow(0, 0, client.right - 1, client.bottom - 1);
    }
    CView::OnPaint();
}

void CEventDlg::OnSizePage(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    if (m_list.m_hWnd)
        m_list.SetColumnWidth(2, m_createdClient.right - m_createdClient.left + 400);
}

void CEventDlg::OnDestroyPage()
{
    ReleaseItems();
    KillTimer(kReloadTimer);
    CView::OnDestroy();
}
