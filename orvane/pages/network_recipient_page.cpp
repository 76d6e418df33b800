// CNetworkRecipientPage: the browse tree, the buttons and the recipient list of machines and domains.
#include "network_recipient_page.h"

#include <cstring>

#include "al_tab_wnd.h"
#include "configuration_date.h"
#include "alert_settings.h"
#include "broadcast_record.h"
#include "list_box.h"
#include "module.h"
#include "network_pages_ids.h"
#include "pages_ids.h"
#include "prompter.h"

namespace {

// The list line's kind, kept as its item data.
constexpr DWORD_PTR kDomainLine = 0;
constexpr DWORD_PTR kMachineLine = 1;

struct ButtonText {
    UINT id;
    const char* text;
};
constexpr ButtonText kButtons[4] = {{IDC_NET_ADD, "Add>>"}, {IDC_NET_ADD_ALL, "Add All>>"},
    {IDC_NET_REMOVE, "<<Remove"}, {IDC_NET_REMOVE_ALL, "<<Remove All"}};

}  // namespace

CNetworkRecipientPage::CNetworkRecipientPage(ProgramValues& values, Shape shape, std::string& lastDate)
    : CAdminFV(shape.templateId), m_values(values), m_shape(shape), m_lastDate(lastDate), m_tree(values.Network())
{
}

CNetworkRecipientPage::~CNetworkRecipientPage()
{
    m_tree.Destroy();
}

const MessageMap& CNetworkRecipientPage::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(IDC_NET_ADD, &CNetworkRecipientPage::OnAdd),
            on::Command(IDC_NET_ADD_ALL, &CNetworkRecipientPage::OnAddAll),
            on::Command(IDC_NET_REMOVE, &CNetworkRecipientPage::OnRemove),
            on::Command(IDC_NET_REMOVE_ALL, &CNetworkRecipientPage::OnRemoveAll),
            on::Command(ID_NOTIFY_TOGGLE, &CNetworkRecipientPage::OnToggle),
            on::UpdateCommand(ID_NOTIFY_TOGGLE, &CNetworkRecipientPage::OnUpdateToggle),
            on::Command(ID_PAGE_HELP, &CNetworkRecipientPage::OnHelp),
            on::Command(ID_PAGE_RELOAD, &CNetworkRecipientPage::OnReload),
            on::ControlCode(IDC_NET_RECIPIENTS, LBN_DBLCLK, &CNetworkRecipientPage::OnRecipientDoubleClick),
            on::Notify(IDC_NET_TREE, TVN_ITEMEXPANDINGA, &CNetworkRecipientPage::OnTreeNotify),
            on::Notify(IDC_NET_TREE, TVN_DELETEITEMA, &CNetworkRecipientPage::OnTreeDelete),
            on::DrawItem(&CNetworkRecipientPage::OnDrawItem),
            on::Timer(&CNetworkRecipientPage::OnTimer),
            on::Size(&CNetworkRecipientPage::OnSizePage),
            on::Destroy(&CNetworkRecipientPage::OnDestroyPage),
        });
    return map;
}

CAlertSettings* CNetworkRecipientPage::Settings() const
{
    CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd);
    return tab ? &tab->Settings() : nullptr;
}

void CNetworkRecipientPage::BuildColumns()
{
    const HFONT font = GetFont();
    const RECT none = {0, 0, 10, 10};
    m_tree.Create(m_hWnd, none, IDC_NET_TREE, font);
    // Sorted by the page itself, byte for byte, so the list keeps no sort style of its own.
    m_list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
            LBS_NOINTEGRALHEIGHT,
        0, 0, 10, 10, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_NET_RECIPIENTS)), ModuleInstance(),
        nullptr);
    if (m_list) {
        ::SendMessageA(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ::SendMessageA(m_list, LB_SETITEMHEIGHT, 0, kLineHeight);
    }
    for (int i = 0; i < 4; ++i) {
        m_buttons[i] =
            CreateWindowExA(0, "BUTTON", kButtons[i].text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 10,
                10, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtons[i].id)), ModuleInstance(), nullptr);
        if (m_buttons[i])
            ::SendMessageA(m_buttons[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    Layout(true);
}

void CNetworkRecipientPage::Layout(bool creating)
{
    if (!m_list)
        return;
    const RECT client = GetClientRect();
    const int m = (client.right - 160) / 2;
    const int height = client.bottom - client.top;
    const int treeRight = creating ? m + 26 : client.left + (m - client.left + 22);
    if (m_tree.Window())
        ::MoveWindow(m_tree.Window(), client.left, client.top, treeRight - client.left, height, TRUE);
    const int listLeft = creating ? m + 134 : m + 138;
    ::MoveWindow(m_list, listLeft, client.top, client.right - listLeft, height, TRUE);
    const int step = (height - (creating ? 130 : 100)) / 5;
    for (int i = 0; i < 4; ++i) {
        if (m_buttons[i])
            ::MoveWindow(m_buttons[i], m + 30, client.top + 30 + (i + 1) * step + 25 * i, 100, 25, TRUE);
    }
}

void CNetworkRecipientPage::Load(int first)
{
    if (first == 1 && !m_list) {
        BuildColumns();
        m_tree.Fill();
        SetTimer(kPollTimer, kPollMilliseconds);
    }
    if (m_list)
        Refresh();
}

void CNetworkRecipientPage::Refresh()
{
    CAlertSettings* settings = Settings();
    if (!settings || !m_list)
        return;
    const char* application = settings->ApplicationName().c_str();
    if (!ConfigurationDateMovedOn(m_values, application, m_lastDate))
        return;
    void* array = nullptr;
    int enabled = 0;
    const int count = ReadList(*settings, enabled, array);
    // The page always shows the method as on; the core stores an empty list as off.
    m_enabled = 1;
    EnableButtons(true, false);
    Rebuild(static_cast<const BYTE*>(array), array ? count : 0);
    if (array)
        GlobalFree(array);
    m_values.Core().AlertFreeCheckEverySetting(m_values.serverName, m_shape.freeKind);
    EnableButtons(true, ::SendMessageA(m_list, LB_GETCOUNT, 0, 0) > 0);
}

void CNetworkRecipientPage::Rebuild(const BYTE* array, int count)
{
    ::SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    const auto* records = reinterpret_cast<const BroadcastRecord*>(array);
    for (int i = 0; i < count; ++i) {
        const std::string name = broadcast_record::DisplayName(records[i]);
        if (!name.empty())
            AddName(name);
    }
}

std::vector<std::string> CNetworkRecipientPage::Lines() const
{
    std::vector<std::string> lines;
    CListBox list(m_list);
    for (int i = 0; i < list.GetCount(); ++i)
        lines.push_back(list.GetText(i));
    return lines;
}

CNetworkRecipientPage::Added CNetworkRecipientPage::AddName(const std::string& name)
{
    if (!broadcast_record::Fits(name))
        return Added::kTooLong;
    CListBox list(m_list);
    const int count = list.GetCount();
    int position = 0;
    for (; position < count; ++position) {
        const int order = std::strcmp(list.GetText(position).c_str(), name.c_str());
        if (order == 0)
            return Added::kDuplicate;
        if (order > 0)
            break;
    }
    const int at = list.InsertString(position, name);
    if (at < 0)
        return Added::kNone;
    list.SetItemData(at, broadcast_record::IsMachineName(name) ? kMachineLine : kDomainLine);
    return Added::kAdded;
}

void CNetworkRecipientPage::AddItem(HTREEITEM item, bool warn)
{
    const NetTreeItem* data = m_tree.ItemData(item);
    if (!data)
        return;
    const Added added = AddName(data->name);
    if (added == Added::kDuplicate && warn)
        PromptId(IDS_NAME_EXISTS, MB_OK | MB_ICONINFORMATION);
    else if (added == Added::kTooLong) {
        char text[512];
        std::snprintf(text, sizeof text, LoadResString(IDS_NAME_TOO_LONG).c_str(), data->name.c_str(),
            static_cast<int>(broadcast_record::kStoredNameLimit));
        Prompt(text, MB_OK | MB_ICONEXCLAMATION);
    }
}

void CNetworkRecipientPage::EnableButtons(bool add, bool remove)
{
    EnableDlgItem(IDC_NET_ADD, add);
    EnableDlgItem(IDC_NET_ADD_ALL, add);
    EnableDlgItem(IDC_NET_REMOVE, remove);
    EnableDlgItem(IDC_NET_REMOVE_ALL, remove);
}

void CNetworkRecipientPage::OnAdd()
{
    AddItem(m_tree.Tree().GetSelectedItem(), true);
    EnableDlgItem(IDC_NET_REMOVE, true);
    EnableDlgItem(IDC_NET_REMOVE_ALL, true);
    m_modified = true;
    Commit();
}

void CNetworkRecipientPage::OnAddAll()
{
    CTreeCtrl& tree = m_tree.Tree();
    if (HTREEITEM top = tree.GetRootItem())
        for (HTREEITEM child = tree.GetChildItem(top); child; child = tree.GetNextSiblingItem(child))
            AddItem(child, false);
    EnableButtons(false, true);
    m_modified = true;
    Commit();
}

void CNetworkRecipientPage::OnRemove()
{
    CListBox list(m_list);
    const int selected = list.GetCurSel();
    if (selected < 0)
        return;
    list.DeleteString(selected);
    EnableButtons(true, list.GetCount() > 0);
    m_modified = true;
    Commit();
}

void CNetworkRecipientPage::OnRemoveAll()
{
    ::SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    EnableButtons(true, false);
    m_modified = true;
    Commit();
}

void CNetworkRecipientPage::OnRecipientDoubleClick()
{
    OnRemove();
}

void CNetworkRecipientPage::OnToggle()
{
    // The menu's label follows through OnUpdateToggle; the change is sent with the next Commit.
    m_enabled = m_enabled == 0 ? 1 : 0;
    m_modified = true;
}

void CNetworkRecipientPage::OnUpdateToggle(CCmdUI& ui)
{
    ui.SetText(LoadResString(m_enabled ? IDS_NOTIFY_DISABLE : IDS_NOTIFY_ENABLE));
}

bool CNetworkRecipientPage::Commit()
{
    CAlertSettings* settings = Settings();
    if (!settings)
        return false;
    const std::vector<std::string> lines = Lines();
    const std::size_t count = lines.size();
    void* array = nullptr;
    if (count > 0) {
        array = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, count * sizeof(BroadcastRecord));
        if (!array)
            return false;
        auto* records = static_cast<BroadcastRecord*>(array);
        // Every line passed the length check when it was added.
        for (std::size_t i = 0; i < count; ++i)
            broadcast_record::Write(records[i], lines[i]);
    }
    // The cache keeps the array (or hands it on to the core); it is not ours to free.
    const int result = SendList(*settings, static_cast<WORD>(count), array);
    m_modified = false;
    return result != -1;
}

void CNetworkRecipientPage::ReleaseItems()
{
    if (m_list)
        ::SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    // An emptied list stands for no date any more: the next load reads the list again.
    m_lastDate.clear();
}

void CNetworkRecipientPage::OnReload()
{
    ReleaseItems();
    Load(0);
    EnableDlgItem(ID_PAGE_RELOAD, false);
}

void CNetworkRecipientPage::OnHelp()
{
    m_values.OpenHelp(m_hWnd, m_shape.helpTopic);
}

LRESULT CNetworkRecipientPage::OnTreeNotify(NMHDR& header)
{
    return m_tree.OnNotify(header);
}

LRESULT CNetworkRecipientPage::OnTreeDelete(NMHDR& header)
{
    return m_tree.OnNotify(header);
}

void CNetworkRecipientPage::OnDrawItem(UINT id, DRAWITEMSTRUCT& draw)
{
    if (id != IDC_NET_RECIPIENTS || draw.itemID == static_cast<UINT>(-1))
        return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const bool machine = draw.itemData == kMachineLine;
    if (HIMAGELIST images = m_tree.Images())
        ImageList_Draw(images, machine ? CNetTree::kServerImage : CNetTree::kDomainImage, draw.hDC,
            draw.rcItem.left + 2, draw.rcItem.top + (kLineHeight - 16) / 2, selected ? ILD_SELECTED : ILD_NORMAL);
    const std::string text = CListBox(m_list).GetText(static_cast<int>(draw.itemID));
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT textRect = draw.rcItem;
    textRect.left += 22;
    DrawTextA(draw.hDC, text.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(draw.hDC, &draw.rcItem);
}

void CNetworkRecipientPage::OnTimer(UINT_PTR id)
{
    if (id == kPollTimer)
        Refresh();
}

void CNetworkRecipientPage::OnSizePage(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    Layout(false);
}

void CNetworkRecipientPage::OnDestroyPage()
{
    KillTimer(kPollTimer);
    for (HWND& button : m_buttons) {
        if (button)
            ::DestroyWindow(button);
        button = nullptr;
    }
    m_tree.Destroy();
    CView::OnDestroy();
}
