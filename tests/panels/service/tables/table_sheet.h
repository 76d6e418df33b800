// CTableSheet: a sheet of just the three address table pages, as the broadcast sheet shows them.
#pragma once

#include <string>

#include "broadcast_table_pages.h"
#include "property_sheet.h"

class CTableSheet : public CPropertySheet {
public:
    CTableSheet(BroadcastTableCalls& calls, const std::string& server, bool domainWide = false, UINT startPage = 0)
        : CPropertySheet("Broadcast Configuration for Server: " + server, nullptr, startPage),
          m_pages(calls, server, domainWide)
    {
        m_pages.AddTo(*this);
    }
    BroadcastTablePages m_pages;
};
