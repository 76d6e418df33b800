// CTTix: the print server list, the recipient queues and their exchange with the settings cache.
#include "ticket_page.h"

#include <cstdio>
#include <cstring>

#include "al_tab_wnd.h"
#include "configuration_date.h"
#include "alert_settings.h"
#include "edit_control.h"
#include "list_box.h"
#include "module.h"
#include "net_tree.h"
#include "network_pages_ids.h"
#include "pages_ids.h"
#include "printer_login_dlg.h"
#include "prompter.h"

namespace {

constexpr int kServerLineHeight = 18;
constexpr COLORREF kMaskColour = RGB(128, 0, 128);
constexpr const char* kRegistryKey = "User";

std::string WindowsUser()
{
    char name[257] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

int ImageFor(const PrintServerItem& item)
{
    if (item.depth == 0)
        return CNetTree::kNetworkImage;
    if (CTTix::IsPrintServer(item))
        return CNetTree::kServerImage;
    if (item.resource.type == RESOURCETYPE_PRINT)
        return 12;  // a printer
    return CNetTree::kDomainImage;
}

}  // namespace

std::string& CTTix::LastDate()
{
    static std::string date;
    return date;
}

CTTix::CTTix(ProgramValues& values) : CAdminFV(IDD_TICKET_PAGE), m_values(values)
{
}

CTTix::~CTTix()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

const MessageMap& CTTix::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(IDC_NET_ADD, &CTTix::OnAdd),
            on::Command(IDC_NET_REMOVE, &CTTix::OnRemove),
            on::Command(ID_NOTIFY_TOGGLE, &CTTix::OnToggle),
            on::UpdateCommand(ID_NOTIFY_TOGGLE, &CTTix::OnUpdateToggle),
            on::Command(ID_PAGE_HELP, &CTTix::OnHelp),
            on::Command(ID_PAGE_RELOAD, &CTTix::OnReload),
            on::ControlCode(IDC_TICKET_SERVERS, LBN_DBLCLK, &CTTix::OnServerDoubleClick),
            on::ControlCode(IDC_TICKET_QUEUES, LBN_DBLCLK, &CTTix::OnRemove),
            on::ControlCode(IDC_TICKET_COMPANY, EN_KILLFOCUS, &CTTix::OnFieldLeft),
            on::ControlCode(IDC_TICKET_LOCATION, EN_KILLFOCUS, &CTTix::OnFieldLeft),
            on::ControlCode(IDC_TICKET_HEADER, EN_KILLFOCUS, &CTTix::OnFieldLeft),
            on::DrawItem(&CTTix::OnDrawItem),
            on::Timer(&CTTix::OnTimer),
            on::Destroy(&CTTix::OnDestroyPage),
        });
    return map;
}

CAlertSettings* CTTix::Settings() const
{
    CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd);
    return tab ? &tab->Settings() : nullptr;
}

bool CTTix::IsPrintServer(const PrintServerItem& item)
{
    return (item.kind == 1 && item.depth == 2) || (item.kind == 2 && item.depth == 1);
}

void CTTix::Load(int first)
{
    if (first == 1 && !m_filled) {
        m_filled = true;
        CEdit(GetDlgItem(IDC_TICKET_COMPANY)).LimitText(static_cast<int>(ticket_record::kCompanyLimit));
        CEdit(GetDlgItem(IDC_TICKET_LOCATION)).LimitText(static_cast<int>(ticket_record::kCompanyLimit));
        CEdit(GetDlgItem(IDC_TICKET_HEADER)).LimitText(static_cast<int>(ticket_record::kHeaderTextLimit));
        SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_SETITEMHEIGHT, 0, kServerLineHeight);
        if (HBITMAP strip = LoadBitmapA(ResourceInstance(), MAKEINTRESOURCEA(IDB_NETWORK_STRIP))) {
            m_images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 16, 0);
            if (m_images)
                ImageList_AddMasked(m_images, strip, kMaskColour);
            DeleteObject(strip);
        }
        EnableDlgItem(IDC_NET_ADD, false);
        EnableDlgItem(IDC_NET_REMOVE, false);
        FillTopLevel();
        SetTimer(kPollTimer, kPollMilliseconds);
    }
    Refresh();
}

void CTTix::Refresh()
{
    CAlertSettings* settings = Settings();
    if (!settings)
        return;
    const char* application = settings->ApplicationName().c_str();
    if (!ConfigurationDateMovedOn(m_values, application, LastDate()))
        return;
    // The fields are emptied only for a list that is read again: a poll that finds nothing new
    // leaves what the administrator is typing alone.
    SetDlgItemText(IDC_TICKET_COMPANY, "");
    SetDlgItemText(IDC_TICKET_LOCATION, "");
    SetDlgItemText(IDC_TICKET_HEADER, "");
    void* array = nullptr;
    int enabled = 0;
    const int count = settings->GetTTix(enabled, array, reinterpret_cast<BYTE*>(&m_header), application);
    m_enabled = 1;
    SetDlgItemText(IDC_TICKET_HEADER, ticket_record::HeaderText(m_header));
    std::string company;
    std::string location;
    if (ReadCompanyAndLocation(company, location)) {
        SetDlgItemText(IDC_TICKET_COMPANY, company);
        SetDlgItemText(IDC_TICKET_LOCATION, location);
        EnableDlgItem(IDC_NET_REMOVE, false);
        EnableDlgItem(IDC_NET_ADD, true);
        m_queues.clear();
        const auto* records = static_cast<const PrintQueueRecord*>(array);
        for (int i = 0; array && i < count; ++i)
            m_queues.push_back(ticket_record::Read(records[i]));
        ShowQueues();
    }
    if (array)
        GlobalFree(array);
    m_values.Core().AlertFreeCheckEverySetting(m_values.serverName, 8);
}

bool CTTix::ReadCompanyAndLocation(std::string& company, std::string& location)
{
    char text[ticket_record::kCompanyLimit + 1] = {};
    AlertCore& core = m_values.Core();
    if (core.AlertGetStringFromReg(m_values.serverName, kRegistryKey, "Company", text, sizeof text) != 0)
        return false;
    company.assign(text, strnlen(text, sizeof text));
    std::memset(text, 0, sizeof text);
    if (core.AlertGetStringFromReg(m_values.serverName, kRegistryKey, "Location", text, sizeof text) != 0)
        return false;
    location.assign(text, strnlen(text, sizeof text));
    return true;
}

void CTTix::ShowQueues()
{
    CListBox list(GetDlgItem(IDC_TICKET_QUEUES));
    list.ResetContent();
    for (const ticket_record::PrintQueue& queue : m_queues)
        list.AddString(queue.queuePath);
    EnableDlgItem(IDC_NET_REMOVE, !m_queues.empty());
}

PrintServerItem* CTTix::ServerAt(int line) const
{
    const LRESULT data = SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_GETITEMDATA, line, 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<PrintServerItem*>(data);
}

std::vector<const PrintServerItem*> CTTix::ServerLines() const
{
    std::vector<const PrintServerItem*> lines;
    const int count = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        lines.push_back(ServerAt(i));
    return lines;
}

int CTTix::InsertServer(int at, std::unique_ptr<PrintServerItem> item)
{
    const LRESULT line =
        SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_INSERTSTRING, at, reinterpret_cast<LPARAM>(item.get()));
    if (line < 0)
        return -1;
    item.release();
    return static_cast<int>(line);
}

void CTTix::FillTopLevel()
{
    NetworkListing listing(m_values.Network(), RESOURCETYPE_PRINT, nullptr);
    std::vector<NetResourceCopy> entries;
    bool found = false;
    while (listing.Next(entries, DWORD(-1)) == NO_ERROR) {
        for (NetResourceCopy& entry : entries) {
            auto item = std::make_unique<PrintServerItem>();
            item->name = entry.remoteName;
            const std::string& provider = entry.provider.empty() ? entry.remoteName : entry.provider;
            item->kind = provider.find("Microsoft") != std::string::npos ? 1 : 2;
            item->resource = entry;
            found = InsertServer(-1, std::move(item)) >= 0 || found;
        }
    }
    if (found)
        EnableDlgItem(IDC_NET_ADD, true);
}

void CTTix::Expand(int line)
{
    PrintServerItem* parent = ServerAt(line);
    if (!parent)
        return;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    NetworkListing listing(m_values.Network(), RESOURCETYPE_PRINT, &parent->resource);
    std::vector<NetResourceCopy> entries;
    while (listing.Next(entries, DWORD(-1)) == NO_ERROR) {
        for (NetResourceCopy& entry : entries) {
            // In name order among the children already inserted.
            int at = line + 1;
            for (int i = 0; i < parent->children; ++i, ++at) {
                // The parent was collapsed, so its children carry no lines of their own yet.
                if (std::strcmp(ServerAt(at)->name.c_str(), entry.remoteName.c_str()) > 0)
                    break;
            }
            auto item = std::make_unique<PrintServerItem>();
            item->name = entry.remoteName;
            item->kind = parent->kind;
            item->depth = parent->depth + 1;
            item->resource = entry;
            if (InsertServer(at, std::move(item)) >= 0)
                ++parent->children;
        }
    }
    parent->expanded = true;
    SetCursor(previous);
}

void CTTix::Collapse(int line)
{
    PrintServerItem* parent = ServerAt(line);
    if (!parent)
        return;
    // Every line deeper than the parent that follows it belongs to it.
    for (;;) {
        PrintServerItem* next = ServerAt(line + 1);
        if (!next || next->depth <= parent->depth)
            break;
        SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_DELETESTRING, line + 1, 0);
        delete next;
    }
    parent->expanded = false;
    parent->children = 0;
}

void CTTix::OnServerDoubleClick()
{
    const int line = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_GETCURSEL, 0, 0));
    PrintServerItem* item = ServerAt(line);
    if (line < 0 || !item)
        return;
    OnAdd();
    const bool belowServers = (item->kind == 1 && item->depth >= 2) || (item->kind == 2 && item->depth >= 1);
    if (belowServers)
        return;
    if (item->expanded)
        Collapse(line);
    else
        Expand(line);
}

void CTTix::OnAdd()
{
    const int line = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_GETCURSEL, 0, 0));
    PrintServerItem* item = line < 0 ? nullptr : ServerAt(line);
    if (!item || !IsPrintServer(*item))
        return;
    const std::string server = ticket_record::ServerOf(item->resource.remoteName);
    std::string user;
    std::string password;
    const std::string serverPrefix = item->resource.remoteName + "\\";
    for (const ticket_record::PrintQueue& queue : m_queues) {
        if (queue.queuePath.compare(0, serverPrefix.size(), serverPrefix) == 0) {
            user = queue.userName;
            password = queue.password;
            break;
        }
    }
    char prompt[512];
    std::snprintf(prompt, sizeof prompt, LoadResString(IDS_PRINTER_PROMPT).c_str(), server.c_str());
    CPrinterLoginDlg dialog(
        m_values.Network(), prompt, server, item->kind, &item->resource, user, password, WindowsUser(), this);
    if (dialog.DoModal() != IDOK)
        return;
    ticket_record::PrintQueue queue {
        ticket_record::QueuePath(item->resource.remoteName, dialog.Printer()), dialog.User(), dialog.Password()};
    for (const ticket_record::PrintQueue& listed : m_queues) {
        if (listed.queuePath == queue.queuePath) {
            Prompter::Current().Show(
                m_hWnd, LoadResString(IDS_QUEUE_EXISTS), LoadResString(IDS_TITLE_TICKET), MB_OK | MB_ICONINFORMATION);
            return;
        }
    }
    if (!ticket_record::Fits(queue)) {
        char text[512];
        std::snprintf(text, sizeof text, LoadResString(IDS_QUEUE_TOO_LONG).c_str(), queue.queuePath.c_str(),
            static_cast<int>(ticket_record::kQueuePathLimit));
        Prompt(text, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_queues.push_back(queue);
    ShowQueues();
    m_modified = true;
    Commit();
}

void CTTix::OnRemove()
{
    const int line = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_TICKET_QUEUES, LB_GETCURSEL, 0, 0));
    if (line < 0 || line >= static_cast<int>(m_queues.size()))
        return;
    m_queues.erase(m_queues.begin() + line);
    ShowQueues();
    EnableDlgItem(IDC_NET_ADD, true);
    m_modified = true;
    Commit();
}

void CTTix::OnToggle()
{
    m_enabled = m_enabled == 0 ? 1 : 0;
    m_modified = true;
}

void CTTix::OnUpdateToggle(CCmdUI& ui)
{
    ui.SetText(LoadResString(m_enabled ? IDS_NOTIFY_DISABLE : IDS_NOTIFY_ENABLE));
}

int CTTix::Commit()
{
    CAlertSettings* settings = Settings();
    if (!settings)
        return -1;
    const std::size_t count = m_queues.size();
    void* array = nullptr;
    if (count > 0) {
        array = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, count * sizeof(PrintQueueRecord));
        if (!array)
            return -1;
        auto* records = static_cast<PrintQueueRecord*>(array);
        // Every queue passed the length check when it was added or read.
        for (std::size_t i = 0; i < count; ++i)
            ticket_record::Write(records[i], m_queues[i]);
    }
    ticket_record::SetHeaderText(m_header, GetDlgItemText(IDC_TICKET_HEADER));
    AlertCore& core = m_values.Core();
    const std::string company = GetDlgItemText(IDC_TICKET_COMPANY).substr(0, ticket_record::kCompanyLimit);
    int result = core.AlertSetStringToReg(m_values.serverName, kRegistryKey, "Company", company.c_str());
    if (result == 0) {
        const std::string location = GetDlgItemText(IDC_TICKET_LOCATION).substr(0, ticket_record::kCompanyLimit);
        result = core.AlertSetStringToReg(m_values.serverName, kRegistryKey, "Location", location.c_str());
    }
    if (result != 0) {
        // Nothing was handed to the cache: the array is still ours.
        if (array)
            GlobalFree(array);
        return result;
    }
    m_modified = false;
    // The cache keeps the array (or the core frees it); it is not ours to free.
    return settings->SetTTix(static_cast<WORD>(count), m_enabled, array, reinterpret_cast<const BYTE*>(&m_header),
        settings->ApplicationName().c_str());
}

void CTTix::OnFieldLeft()
{
    Commit();
}

void CTTix::ReleaseItems()
{
    m_queues.clear();
    SendDlgItemMessageA(m_hWnd, IDC_TICKET_QUEUES, LB_RESETCONTENT, 0, 0);
    LastDate().clear();
}

void CTTix::OnReload()
{
    Load(0);
}

void CTTix::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}

void CTTix::OnDrawItem(UINT id, DRAWITEMSTRUCT& draw)
{
    if (id != IDC_TICKET_SERVERS || draw.itemID == static_cast<UINT>(-1))
        return;
    const auto* item = reinterpret_cast<const PrintServerItem*>(draw.itemData);
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(COLOR_WINDOW));
    if (!item)
        return;
    const int indent = 10 * item->depth;
    int x = draw.rcItem.left + 2 + indent;
    if (m_images)
        ImageList_Draw(m_images, ImageFor(*item), draw.hDC, x, draw.rcItem.top + (kServerLineHeight - 16) / 2,
            selected ? ILD_SELECTED : ILD_NORMAL);
    x += 20;
    RECT textRect = draw.rcItem;
    textRect.left = x;
    SIZE extent = {};
    GetTextExtentPoint32A(draw.hDC, item->name.c_str(), static_cast<int>(item->name.size()), &extent);
    textRect.right = x + extent.cx + 4;
    if (selected)
        FillRect(draw.hDC, &textRect, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    textRect.left += 2;
    DrawTextA(draw.hDC, item->name.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(draw.hDC, &draw.rcItem);
}

void CTTix::OnTimer(UINT_PTR id)
{
    if (id == kPollTimer)
        Refresh();
}

void CTTix::OnDestroyPage()
{
    KillTimer(kPollTimer);
    for (const PrintServerItem* item : ServerLines())
        delete item;
    SendDlgItemMessageA(m_hWnd, IDC_TICKET_SERVERS, LB_RESETCONTENT, 0, 0);
    CView::OnDestroy();
}
