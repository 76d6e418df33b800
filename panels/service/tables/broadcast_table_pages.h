// BroadcastTablePages: the three address table pages of one server's broadcast configuration sheet.
#pragma once

#include <windows.h>

#include <string>

#include "broadcast_table_page.h"

class CPropertySheet;

class BroadcastTablePages {
public:
    // The pages edit the tables of `server`; `domainWide` when that name is a domain's.
    BroadcastTablePages(BroadcastTableCalls& calls, const std::string& server, bool domainWide);
    BroadcastTablePages(const BroadcastTablePages&) = delete;
    BroadcastTablePages& operator=(const BroadcastTablePages&) = delete;

    // "NT Domains", "IP SubNets", "IP SubNet Masks", after the sheet's own pages.
    void AddTo(CPropertySheet& sheet);
    // Saves every page after the sheet's OK; the bits of the tables stored (1 NT domains,
    // 2 IP nets, 4 IP masks), which a domain's sheet then synchronises.
    DWORD Save();

    CBroadcastTablePage& NtDomains() { return m_ntDomains; }
    CBroadcastTablePage& IpNets() { return m_ipNets; }
    CBroadcastTablePage& IpMasks() { return m_ipMasks; }

private:
    CBroadcastTablePage m_ntDomains;
    CBroadcastTablePage m_ipNets;
    CBroadcastTablePage m_ipMasks;
};
