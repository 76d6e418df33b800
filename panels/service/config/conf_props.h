// CConfProps: the "Service Configuration" sheet of a domain or server, its three records edited on three pages.
#pragma once

#include "config_target.h"
#include "log_conf_page.h"
#include "num_spin_field.h"
#include "property_sheet.h"
#include "service_conf_page.h"
#include "service_config_calls.h"

class CConfProps : public CPropertySheet {
public:
    CConfProps(ServiceConfigCalls& calls, const ConfigTarget& target, CWnd* parent = nullptr);

    // Reads the three records (the first that cannot be read is reported and the sheet is not
    // made), runs the sheet, and on OK writes them, each failure reported on its own.
    INT_PTR DoModal() override;

    const ServiceConfigRecord& ServiceRecord() const { return m_service; }
    const LogConfigRecord& ActivityLogRecord() const { return m_activityLog; }
    const LogConfigRecord& ScanLogRecord() const { return m_scanLog; }

private:
    // Before the sheet is made, so that its first page shows what was read; a failure is
    // reported and the sheet is not made.
    bool ReadRecords();
    void WriteRecords();

    CustomControlsLoaded m_customControls;
    ServiceConfigCalls& m_calls;
    std::string m_server;
    DWORD m_domainWide;
    ServiceConfigRecord m_service {};
    LogConfigRecord m_activityLog {};
    LogConfigRecord m_scanLog {};
    CServiceConfPage m_servicePage;
    CLogConfPage m_eventLogPage;
    CLogConfPage m_scanLogPage;
};
