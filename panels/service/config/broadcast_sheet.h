// CBroadcastSheet: the broadcast configuration sheet of a domain or server: its record and its three address tables.
#pragma once

#include "broadcast_conf_page.h"
#include "broadcast_table_pages.h"
#include "config_target.h"
#include "num_spin_field.h"
#include "property_sheet.h"
#include "service_config_calls.h"

class CBroadcastSheet : public CPropertySheet {
public:
    // Mode of the domain-wide synchronisation after the sheet's tables are saved.
    static constexpr DWORD kSheetSyncMode = 2;

    CBroadcastSheet(
        ServiceConfigCalls& calls, BroadcastTableCalls& tableCalls, const ConfigTarget& target, CWnd* parent = nullptr);

    // Reads the broadcast record (no sheet when it cannot be), runs the sheet, and on OK saves
    // the record, then the tables, then (for a domain) synchronises the saved tables.
    INT_PTR DoModal() override;

    const BroadcastRecord& Record() const { return m_record; }
    BroadcastTablePages& TablePages() { return m_tables; }

private:
    // Before the sheet is made, so that its first page shows what was read; a failure is
    // reported and the sheet is not made.
    bool ReadRecords();
    void Save();

    CustomControlsLoaded m_customControls;
    ServiceConfigCalls& m_calls;
    std::string m_server;
    DWORD m_domainWide;
    BroadcastRecord m_record {};
    CBroadcastConfPage m_recordPage;
    BroadcastTablePages m_tables;
};
