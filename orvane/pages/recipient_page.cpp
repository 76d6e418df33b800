// CRecipientPage: the list of recipient records, the configuration-date poll and Commit.
#include "recipient_page.h"

#include <cstring>

#include "al_tab_wnd.h"
#include "configuration_date.h"
#include "list_box.h"
#include "module.h"
#include "pages_ids.h"

CRecipientPage::CRecipientPage(ProgramValues& values, Shape shape, std::string& lastDate)
    : CAdminFV(shape.templateId), m_values(values), m_shape(std::move(shape)), m_lastDate(lastDate)
{
}

CRecipientPage::~CRecipientPage()
{
    // The lines point at the markers: the list goes first, with the records behind its lines.
    FreeLines();
    if (m_list.m_hWnd)
        m_list.DestroyWindow();
    for (HBITMAP marker : m_markers)
        if (marker)
            DeleteObject(marker);
}

HBITMAP CRecipientPage::LoadMarker(UINT bitmapId)
{
    HBITMAP marker = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId));
    m_markers.push_back(marker);
    return marker;
}

BYTE* CRecipientPage::SelectedRecord(int& position) const
{
    position = SelectedLine();
    return position < 0 ? nullptr : RecordAt(position);
}

void CRecipientPage::OnDelete()
{
    int selected = -1;
    BYTE* record = SelectedRecord(selected);
    if (!record)
        return;
    if (PromptId(IDS_ASK_DELETE_ITEM, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    RemoveLine(selected);
    FreeRecord(record);
    Commit();
}

const MessageMap& CRecipientPage::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(ID_PAGE_HELP, &CRecipientPage::OnHelp),
            on::ControlCode(kListId, LBN_DBLCLK, &CRecipientPage::OnDoubleClick),
            on::Timer(&CRecipientPage::OnTimer),
            on::Size(&CRecipientPage::OnSizePage),
            on::Destroy(&CRecipientPage::OnDestroyPage),
        });
    return map;
}

void CRecipientPage::Load(int first)
{
    if (first == 1 && !m_list.m_hWnd) {
        m_createdClient = GetClientRect();
        RECT place = m_createdClient;
        if (HWND box = GetDlgItem(m_shape.placeholderId)) {
            ::GetWindowRect(box, &place);
            MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
            ::ShowWindow(box, SW_HIDE);
        }
        const DWORD flags = ColListFlags::kFrame | ColListFlags::kNotify | ColListFlags::kImages;
        if (!m_list.Create(static_cast<int>(m_shape.columns.size()), WS_CHILD | WS_VISIBLE | WS_TABSTOP, place, m_hWnd,
                kListId, flags | ColListFlags::kAlertManagerCopy))
            return;
        const int clientWidth = m_createdClient.right - m_createdClient.left;
        for (std::size_t i = 0; i < m_shape.columns.size(); ++i) {
            const auto& [title, width] = m_shape.columns[i];
            m_list.SetColumnTitle(static_cast<int>(i), title);
            m_list.SetColumnWidth(static_cast<int>(i), width < 0 ? clientWidth : width);
        }
        m_list.SetEmptyMessage(1, LoadResString(IDS_EMPTY_LIST).c_str(), 0, nullptr);
        SetTimer(kPollTimer, kPollMilliseconds);
    }
    if (m_list.m_hWnd)
        Refresh();
}

CAlertSettings* CRecipientPage::Settings() const
{
    CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd);
    return tab ? &tab->Settings() : nullptr;
}

void CRecipientPage::Refresh()
{
    CAlertSettings* settings = Settings();
    if (!settings || !m_list.m_hWnd)
        return;
    const char* application = settings->ApplicationName().c_str();
    if (!ConfigurationDateMovedOn(m_values, application, m_lastDate))
        return;
    void* array = nullptr;
    const int count = ReadList(*settings, m_enabled, array);
    Rebuild(static_cast<const BYTE*>(array), array ? count : 0);
    if (array)
        GlobalFree(array);
    m_values.Core().AlertFreeCheckEverySetting(m_values.serverName, m_shape.freeKind);
}

void CRecipientPage::Rebuild(const BYTE* array, int count)
{
    FreeLines();
    for (int i = 0; i < count; ++i) {
        BYTE* record = NewRecord();
        if (!record)
            break;
        std::memcpy(record, array + static_cast<std::size_t>(i) * m_shape.recordSize, m_shape.recordSize);
        AddLine(record);
    }
}

BYTE* CRecipientPage::NewRecord() const
{
    return static_cast<BYTE*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, m_shape.recordSize));
}

void CRecipientPage::FreeRecord(BYTE* record) const
{
    if (record)
        GlobalFree(record);
}

int CRecipientPage::AddLine(BYTE* record)
{
    const int position = m_list.AddItem(LineText(record));
    if (position < 0) {
        FreeRecord(record);
        return position;
    }
    m_list.SetItemData(position, record);
    LineImages(position, record);
    return position;
}

BYTE* CRecipientPage::RecordAt(int position) const
{
    void* data = m_list.GetItemData(position);
    return data == CColList::kInvalidData ? nullptr : static_cast<BYTE*>(data);
}

int CRecipientPage::SelectedLine() const
{
    return m_list.ListBox() ? CListBox(m_list.ListBox()).GetCurSel() : -1;
}

void CRecipientPage::RemoveLine(int position)
{
    m_list.SetItemData(position, nullptr);
    m_list.DeleteItem(position);
}

void CRecipientPage::ReleaseItems()
{
    FreeLines();
    // An emptied list stands for no date any more: the next load reads the list again, even
    // when the (new) application's date text equals the last one.
    m_lastDate.clear();
}

void CRecipientPage::FreeLines()
{
    if (!m_list.m_hWnd)
        return;
    for (int i = 0; i < m_list.ItemCount(); ++i) {
        FreeRecord(RecordAt(i));
        m_list.SetItemData(i, nullptr);
    }
    m_list.DeleteAllItems();
}

void CRecipientPage::Commit()
{
    CAlertSettings* settings = Settings();
    if (!settings)
        return;
    const int count = m_list.ItemCount() > 0 ? m_list.ItemCount() : 0;
    BYTE* array = nullptr;
    if (count > 0) {
        array = static_cast<BYTE*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, count * m_shape.recordSize));
        if (!array)
            return;
        for (int i = 0; i < count; ++i) {
            if (const BYTE* record = RecordAt(i))
                std::memcpy(array + static_cast<std::size_t>(i) * m_shape.recordSize, record, m_shape.recordSize);
        }
    }
    // The cache keeps the array until the method's next Set and frees it then: it is not ours to free.
    SendList(*settings, static_cast<WORD>(count), array);
    Load(0);
}

void CRecipientPage::OnToggle()
{
    m_enabled = m_enabled == 0 ? 1 : 0;
    Commit();
}

void CRecipientPage::OnUpdateToggle(CCmdUI& ui)
{
    ui.SetText(LoadResString(m_enabled ? IDS_NOTIFY_DISABLE : IDS_NOTIFY_ENABLE));
}

void CRecipientPage::OnDoubleClick()
{
    if (SelectedLine() >= 0)
        OnModify();
    else
        OnNew();
}

void CRecipientPage::OnHelp()
{
    m_values.OpenHelp(m_hWnd, m_shape.helpTopic);
}

void CRecipientPage::OnTimer(UINT_PTR id)
{
    if (id == kPollTimer)
        Refresh();
}

void CRecipientPage::OnSizePage(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    if (m_list.m_hWnd)
        m_list.SetColumnWidth(m_shape.wideColumn, m_createdClient.right - m_createdClient.left + 400);
}

void CRecipientPage::OnDestroyPage()
{
    KillTimer(kPollTimer);
    FreeLines();
    CView::OnDestroy();
}
