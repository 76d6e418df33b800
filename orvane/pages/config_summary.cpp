// CConfigSummary: the column list, the six methods read through the settings cache, the jumps and the poll.
#include "config_summary.h"

#include <algorithm>
#include <cstring>

#include "al_tab_wnd.h"
#include "alert_settings.h"
#include "email_ids.h"
#include "list_box.h"
#include "module.h"
#include "pages_ids.h"

namespace {

constexpr std::size_t kDateSize = 256;

}  // namespace

std::string& CConfigSummary::LastDate()
{
    static std::string date;
    return date;
}

CConfigSummary::CConfigSummary(ProgramValues& values)
    : CAdminFV(IDD_SUMMARY_PAGE), m_values(values), m_machine(LoadMarker(IDB_SUMMARY_MACHINE)),
      m_machineMask(LoadMarker(IDB_SUMMARY_MACHINE_MASK)), m_domain(LoadMarker(IDB_SUMMARY_DOMAIN)),
      m_domainMask(LoadMarker(IDB_SUMMARY_DOMAIN_MASK)), m_numeric(LoadMarker(IDB_PAGER_NUMERIC)),
      m_alphanumeric(LoadMarker(IDB_PAGER_ALPHA)), m_pagerMask(LoadMarker(IDB_PAGER_MASK)),
      m_ipx(LoadMarker(IDB_SNMP_IPX)), m_ip(LoadMarker(IDB_SNMP_IP)), m_snmpMask(LoadMarker(IDB_SNMP_MASK))
{
}

CConfigSummary::~CConfigSummary()
{
    // The lines point at the markers: the list goes first.
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
    for (HBITMAP marker : m_markers)
        if (marker)
            DeleteObject(marker);
}

HBITMAP CConfigSummary::LoadMarker(UINT bitmapId)
{
    HBITMAP marker = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId));
    m_markers.push_back(marker);
    return marker;
}

const MessageMap& CConfigSummary::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(ID_SUMMARY_BROADCAST, &CConfigSummary::OnShowBroadcast),
            on::Command(ID_SUMMARY_PAGER, &CConfigSummary::OnShowPager),
            on::Command(ID_SUMMARY_SNMP, &CConfigSummary::OnShowSnmp),
            on::Command(ID_SUMMARY_TICKET, &CConfigSummary::OnShowTicket),
            on::Command(ID_SUMMARY_EMAIL, &CConfigSummary::OnShowEMail),
            on::Command(ID_PAGE_HELP, &CConfigSummary::OnHelp),
            on::ControlCode(kListId, LBN_DBLCLK, &CConfigSummary::OnDoubleClick),
            on::Timer(&CConfigSummary::OnTimer),
            on::Size(&CConfigSummary::OnSizePage),
            on::Destroy(&CConfigSummary::OnDestroyPage),
        });
    return map;
}

bool CConfigSummary::CreateList()
{
    m_createdClient = GetClientRect();
    RECT place = m_createdClient;
    if (HWND box = GetDlgItem(IDC_SUMMARY_LIST_PLACE)) {
        ::GetWindowRect(box, &place);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        ::ShowWindow(box, SW_HIDE);
    }
    const DWORD flags = ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kImages;
    if (!m_list.Create(kOrderColumn + 1, WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, m_hWnd, kListId,
            flags | ColListFlags::kAlertManagerCopy))
        return false;
    m_list.SetColumnTitle(0, "Recipient Type");
    m_list.SetColumnWidth(0, 100);
    m_list.SetColumnTitle(1, "Recipient Name");
    m_list.SetColumnWidth(1, 160);
    m_list.SetColumnTitle(2, "Description");
    m_list.SetColumnWidth(2, m_createdClient.right - m_createdClient.left);
    // The list sorts its rows by a column: a column no wider than nothing holds each line's place,
    // so that the methods and their recipients stay in the order they were read.
    m_list.SetColumnWidth(kOrderColumn, 0);
    m_list.SetColumnSortType(kOrderColumn, SortType::Numeric);
    m_list.SortByColumn(kOrderColumn, true, static_cast<int>(SortDirection::Ascending));
    m_list.SetEmptyMessage(1, LoadResString(IDS_EMPTY_LIST).c_str(), 0, nullptr);
    return true;
}

void CConfigSummary::Load(int first)
{
    bool fill = m_stale;
    if (first == 1 && !m_list.m_hWnd) {
        if (!CreateList())
            return;
        SetTimer(kPollTimer, kPollMilliseconds);
        fill = true;
    }
    if (!m_list.m_hWnd)
        return;
    ShowTitle();
    CAlertSettings* settings = Settings();
    if (!settings)
        return;
    char date[kDateSize] = {};
    const bool dated = !AlertCore::Failed(
        m_values.Core().AlertGetCFGDate(m_values.serverName, settings->ApplicationName().c_str(), date));
    const std::string current(date, strnlen(date, kDateSize));
    if (dated && current != LastDate()) {
        LastDate() = current;
        fill = true;
    }
    if (fill) {
        m_stale = false;
        Fill();
    }
}

void CConfigSummary::ShowTitle()
{
    HWND frame = GetAncestor(m_hWnd, GA_ROOT);
    if (frame && frame != m_hWnd)
        ::SetWindowTextA(frame, FormatResString(IDS_SUMMARY_TITLE, m_values.serverName).c_str());
}

CAlertSettings* CConfigSummary::Settings() const
{
    CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd);
    return tab ? &tab->Settings() : nullptr;
}

void CConfigSummary::ReleaseItems()
{
    if (m_list.m_hWnd)
        m_list.DeleteAllItems();
    // The next load fills the list again, even when the date text equals the last one.
    LastDate().clear();
    m_stale = true;
}

void CConfigSummary::Fill()
{
    CAlertSettings* settings = Settings();
    if (!settings || !m_list.m_hWnd)
        return;
    m_list.DeleteAllItems();
    // The cache's name, whole: the same text every page of the application asks with.
    const std::string application = settings->ApplicationName();
    FillBroadcast(*settings, application.c_str());
    FillPager(*settings, application.c_str());
    FillSnmp(*settings, application.c_str());
    FillTicket(*settings, application.c_str());
    FillEMail(*settings);
    FillEventLog(*settings, application.c_str());
}

void CConfigSummary::Release(void* array, int kind)
{
    if (array)
        GlobalFree(array);
    m_values.Core().AlertFreeCheckEverySetting(m_values.serverName, kind);
}

void CConfigSummary::AddLine(int method, const std::string& text, HBITMAP image, HBITMAP mask)
{
    // Two-column lines get an empty description, so that the order always sits in its own column.
    std::string columns = text;
    while (std::count(columns.begin(), columns.end(), '\t') < kOrderColumn - 1)
        columns += '\t';
    const int position = m_list.AddItem(FormatText("%s\t%06d", columns.c_str(), m_list.ItemCount()));
    if (position < 0)
        return;
    m_list.SetItemData(position, reinterpret_cast<void*>(static_cast<INT_PTR>(method)));
    if (image)
        m_list.SetItemImage(position, 0, image, mask);
}

std::string CConfigSummary::LineText(int line) const
{
    std::string text = m_list.GetItemText(line);
    const std::size_t order = text.rfind('\t');
    if (order != std::string::npos)
        text.resize(order);
    while (!text.empty() && text.back() == '\t')
        text.pop_back();
    return text;
}

int CConfigSummary::MethodOf(int line) const
{
    void* data = m_list.GetItemData(line);
    return data == CColList::kInvalidData ? 0 : static_cast<int>(reinterpret_cast<INT_PTR>(data));
}

void CConfigSummary::ShowMethod(int method)
{
    if (method < kBroadcast || method > kEventLog)
        return;
    if (m_values.frame) {
        m_values.frame->ShowConfigurationPage(method);
        return;
    }
    if (CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd))
        tab->Select(method);
}

void CConfigSummary::OnDoubleClick()
{
    const int line = m_list.ListBox() ? CListBox(m_list.ListBox()).GetCurSel() : -1;
    if (line >= 0)
        ShowMethod(MethodOf(line));
}

void CConfigSummary::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}

void CConfigSummary::OnTimer(UINT_PTR id)
{
    if (id == kPollTimer)
        Load(0);
}

void CConfigSummary::OnSizePage(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    if (m_list.m_hWnd)
        m_list.MoveWindow(0, 0, cx, cy);
}

void CConfigSummary::OnDestroyPage()
{
    KillTimer(kPollTimer);
    CView::OnDestroy();
}
