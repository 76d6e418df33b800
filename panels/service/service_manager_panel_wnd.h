// CServiceManagerPanelWnd: the right pane, the server list of a domain or one server's properties.
#pragma once

#include <string>

#include "col_list.h"
#include "server_node.h"
#include "server_row.h"
#include "wnd_list.h"

class CServiceManagerPanelWnd : public CWndList {
public:
    static constexpr UINT kServerListId = 1;
    static constexpr UINT kPropertyListId = 2;
    static constexpr DWORD kServerListFlags = 0x9F;
    static constexpr DWORD kPropertyListFlags = 0x87;

    CServiceManagerPanelWnd(const ServerStateTexts& texts, int charWidth);

    // Creates the pane with both lists; false (after saying which list failed) otherwise.
    bool CreatePane(CWnd* parent, UINT id);

    // A network branch: nothing to show but the message, which is the caption too.
    void ShowNetwork();
    // The servers among the domain's children, one row each; the selected row stays selected.
    void ShowServers(const ServerNode& domain);
    void ShowProperties(const ServerNode& server);
    // The name of the selected server row; empty when none or the server list is hidden.
    std::string SelectedServerName() const;

    CColList& ServerList() { return m_servers; }
    CColList& PropertyList() { return m_properties; }

private:
    bool CreateServerList();
    bool CreatePropertyList();
    void ShowList(bool properties);
    void ClearNetworkMessage();

    const ServerStateTexts& m_texts;
    int m_charWidth;
    CColList m_servers;
    CColList m_properties;
    std::string m_noData;
};
