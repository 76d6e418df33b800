// CServiceManagerPanelWnd: the two column lists in one place and what each shows.
#include "service_manager_panel_wnd.h"

#include "module.h"
#include "prompter.h"
#include "server_properties.h"
#include "service_tree_ids.h"

namespace {

constexpr int kAscending = static_cast<int>(SortDirection::Ascending);
constexpr int kDescending = static_cast<int>(SortDirection::Descending);

struct ServerColumn {
    const char* title;
    int units;
    int extraPixels;
    int direction;
};

const ServerColumn kServerColumns[] = {
    {"Domain Members", 14, 10, kAscending},
    {"Service", 10, 0, kAscending},
    {"Real-time", 10, 0, kAscending},
    {"Job Status", 12, 0, kAscending},
    {"Vexomar", 9, 0, kDescending},
    {"Virus Signature", 12, 0, kDescending},
    {"Engine", 7, 0, kDescending},
    {"OS", 8, 0, kAscending},
};

int ListPosition(HWND list)
{
    return static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
}

}  // namespace

CServiceManagerPanelWnd::CServiceManagerPanelWnd(const ServerStateTexts& texts, int charWidth)
    : m_texts(texts), m_charWidth(charWidth)
{
}

bool CServiceManagerPanelWnd::CreatePane(CWnd* parent, UINT id)
{
    if (!Create(parent, RECT {0, 0, 0, 0}, id)) {
        Prompt("Failed to create Summary Wnd");
        return false;
    }
    m_noData = LoadResString(IDS_NO_NETWORK_DATA);
    if (!CreateServerList()) {
        Prompt("Failed to create Server List");
        return false;
    }
    if (!CreatePropertyList()) {
        Prompt("Failed to create Property List");
        return false;
    }
    SetContent(m_servers.m_hWnd);
    SetAlternateContent(m_properties.m_hWnd);
    SetCaption(true, "");
    return true;
}

bool CServiceManagerPanelWnd::CreateServerList()
{
    const int columns = static_cast<int>(std::size(kServerColumns));
    if (!m_servers.Create(columns, WS_VISIBLE | WS_BORDER, RECT {0, 0, 0, 0}, m_hWnd, kServerListId, kServerListFlags))
        return false;
    for (int column = 0; column < columns; ++column) {
        const ServerColumn& layout = kServerColumns[column];
        m_servers.SetColumnTitle(column, layout.title);
        m_servers.SetColumnWidth(column, layout.units * m_charWidth + layout.extraPixels);
        m_servers.SetColumnSortType(column, SortType::Text);
        m_servers.SetSortDirection(column, layout.direction);
    }
    m_servers.SortByColumn(0, true, -1);
    return true;
}

bool CServiceManagerPanelWnd::CreatePropertyList()
{
    if (!m_properties.Create(3, WS_BORDER, RECT {0, 0, 0, 0}, m_hWnd, kPropertyListId, kPropertyListFlags))
        return false;
    m_properties.SetColumnTitle(0, "Single Server Property");
    m_properties.SetColumnWidth(0, 20 * m_charWidth);
    m_properties.SetColumnFormat(0, ColListColumn::kNoPress);
    m_properties.SetColumnTitle(1, "Value");
    m_properties.SetColumnWidth(1, 40 * m_charWidth);
    m_properties.SetColumnFormat(1, ColListColumn::kNoPress);
    m_properties.SetColumnTitle(2, "Sort");
    m_properties.SetColumnWidth(2, 0);
    m_properties.SetHeaderFormat(2, ColListColumn::kNoResize);
    // The order key in the third column decides the order whichever header is clicked.
    m_properties.SetColumnSortType(2, SortType::Text);
    m_properties.SetSortKey(0, 2, kAscending);
    m_properties.SetSortKey(1, 2, kAscending);
    m_properties.SortByColumn(2, true, kAscending);
    return true;
}

void CServiceManagerPanelWnd::ShowList(bool properties)
{
    ::ShowWindow(m_properties.m_hWnd, properties ? SW_SHOW : SW_HIDE);
    ::ShowWindow(m_servers.m_hWnd, properties ? SW_HIDE : SW_SHOW);
    Layout();
}

void CServiceManagerPanelWnd::ClearNetworkMessage()
{
    m_servers.SetEmptyMessage(0, "", 0, nullptr);
}

void CServiceManagerPanelWnd::ShowNetwork()
{
    m_servers.DeleteAllItems();
    m_properties.DeleteAllItems();
    ShowList(false);
    m_servers.SetEmptyMessage(1, m_noData.c_str(), GetSysColor(COLOR_WINDOWTEXT), GetFont());
    SetCaption(true, m_noData.c_str());
}

void CServiceManagerPanelWnd::ShowServers(const ServerNode& domain)
{
    const std::string selected = SelectedServerName();
    ClearNetworkMessage();
    ShowList(false);
    SetCaption(true, (domain.name + ":").c_str());
    m_servers.DeleteAllItems();
    for (const auto& child : domain.children) {
        if (child->kind != kNodeServer || !child->object)
            continue;
        ServerFacts facts;
        facts.name = child->name;
        DWORD stateWord = 0;
        if (child->object->QueryStateWord(&stateWord) == 0)
            facts.stateWord = stateWord;
        DWORD versions[4] = {};
        if (child->object->QueryVersions(versions) == 0) {
            facts.product = versions[0];
            facts.signature = versions[1];
            facts.engine = versions[2];
            facts.os = versions[3];
        }
        m_servers.AddItem(ServerRowText(m_texts, facts));
    }
    if (selected.empty())
        return;
    for (int position = 0; position < m_servers.ItemCount(); ++position) {
        if (m_servers.GetItemColumnText(position, 0) == selected) {
            ::SendMessageA(m_servers.ListBox(), LB_SETCURSEL, static_cast<WPARAM>(position), 0);
            break;
        }
    }
}

void CServiceManagerPanelWnd::ShowProperties(const ServerNode& server)
{
    ClearNetworkMessage();
    m_servers.DeleteAllItems();
    SetCaption(true, (server.name + ":").c_str());
    m_properties.DeleteAllItems();
    if (server.object) {
        for (const std::string& row : ServerPropertyRows(server, m_texts))
            m_properties.AddItem(row);
    }
    ShowList(true);
}

std::string CServiceManagerPanelWnd::SelectedServerName() const
{
    if (!m_servers.m_hWnd || !::IsWindowVisible(m_servers.m_hWnd))
        return "";
    const int position = ListPosition(m_servers.ListBox());
    return position < 0 ? "" : m_servers.GetItemColumnText(position, 0);
}
