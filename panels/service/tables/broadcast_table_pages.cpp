// BroadcastTablePages: the pages made, added to the sheet and saved together.
#include "broadcast_table_pages.h"

#include "property_sheet.h"

BroadcastTablePages::BroadcastTablePages(BroadcastTableCalls& calls, const std::string& server, bool domainWide)
    : m_ntDomains(kNtDomainTable, calls, server, domainWide), m_ipNets(kIpNetTable, calls, server, domainWide),
      m_ipMasks(kIpMaskTable, calls, server, domainWide)
{
}

void BroadcastTablePages::AddTo(CPropertySheet& sheet)
{
    sheet.AddPage(&m_ntDomains);
    sheet.AddPage(&m_ipNets);
    sheet.AddPage(&m_ipMasks);
}

DWORD BroadcastTablePages::Save()
{
    DWORD saved = 0;
    for (CBroadcastTablePage* page : {&m_ntDomains, &m_ipNets, &m_ipMasks})
        if (page->Save())
            saved |= page->Kind().table;
    return saved;
}
