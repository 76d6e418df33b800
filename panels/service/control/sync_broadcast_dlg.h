// CSyncBroadcastDlg: "Synchronize Broadcast Information", which copies one server's broadcast
// record and address tables to every other server of its domain.
#pragma once

#include <string>

#include "dialog.h"

class ServiceConfigCalls;

class CSyncBroadcastDlg : public CDialog {
public:
    // Modes of the two calls: the record goes to the domain, the tables are copied from the server.
    static constexpr DWORD kRecordMode = 2;
    static constexpr DWORD kTableSyncMode = 1;

    // `source` is shown; `server` is the name the service core takes.
    CSyncBroadcastDlg(ServiceConfigCalls& calls, std::string source, std::string server, CWnd* parent = nullptr);

    void DoDataExchange(CDataExchange& exchange) override;
    // Copies what is checked; a record that cannot be read keeps the dialog open.
    void OnOK() override;

    std::string m_source;
    int m_broadcast = 0;
    int m_ntDomains = 0;
    int m_ipNets = 0;
    int m_ipMasks = 0;

private:
    bool CopyRecord();
    DWORD TableMask() const;

    ServiceConfigCalls& m_calls;
    std::string m_server;
};
