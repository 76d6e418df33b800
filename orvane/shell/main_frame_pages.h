// The classes behind the configuration tab window's pages.
#pragma once

#include <memory>

class CAdminFV;

// The page at `index` of the configuration tab window (summary, broadcast, pager, SNMP,
// trouble ticket, e-mail, event log).
std::unique_ptr<CAdminFV> MakeConfigurationPage(int index);
