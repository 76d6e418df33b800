// CConfProps: the records read as the sheet opens and written in the same order on OK.
#include "conf_props.h"

#include "prompter.h"
#include "service_config_ids.h"

namespace {
struct RecordSlot {
    ConfigRecordKind kind;
    void* record;
    UINT readError;
    UINT saveError;
};
}  // namespace

CConfProps::CConfProps(ServiceConfigCalls& calls, const ConfigTarget& target, CWnd* parent)
    : CPropertySheet(IDS_CONF_CAPTION, parent), m_calls(calls), m_server(target.server),
      m_domainWide(target.DomainWide()), m_servicePage(m_service), m_eventLogPage(m_activityLog, false),
      m_scanLogPage(m_scanLog, true)
{
    SetTitle(TargetText(target, IDS_CONF_TITLE_DOMAIN, IDS_CONF_TITLE_SINGLE, IDS_CONF_TITLE_MEMBER));
    m_hasHelp = true;
    AddPage(&m_servicePage);
    AddPage(&m_eventLogPage);
    AddPage(&m_scanLogPage);
}

bool CConfProps::ReadRecords()
{
    const RecordSlot slots[] = {
        {ConfigRecordKind::kService, &m_service, IDS_ERROR_READING_SERVICE, 0},
        {ConfigRecordKind::kActivityLog, &m_activityLog, IDS_ERROR_READING_EVENT_LOG, 0},
        {ConfigRecordKind::kScanLog, &m_scanLog, IDS_ERROR_READING_SCAN_LOG, 0},
    };
    for (const RecordSlot& slot : slots) {
        if (m_calls.GetConfig(slot.kind, m_server, slot.record, 12) != 0) {
            PromptId(slot.readError, MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
    }
    return true;
}

INT_PTR CConfProps::DoModal()
{
    if (!ReadRecords())
        return -1;
    const INT_PTR result = CPropertySheet::DoModal();
    if (result == IDOK)
        WriteRecords();
    return result;
}

void CConfProps::WriteRecords()
{
    const RecordSlot slots[] = {
        {ConfigRecordKind::kService, &m_service, 0, IDS_ERROR_SAVING_SERVICE},
        {ConfigRecordKind::kActivityLog, &m_activityLog, 0, IDS_ERROR_SAVING_EVENT_LOG},
        {ConfigRecordKind::kScanLog, &m_scanLog, 0, IDS_ERROR_SAVING_SCAN_LOG},
    };
    // A record that is not stored does not keep the next ones from being written.
    for (const RecordSlot& slot : slots)
        if (m_calls.SetConfig(slot.kind, m_server, slot.record, 12, m_domainWide) != 0)
            PromptId(slot.saveError, MB_OK | MB_ICONEXCLAMATION);
}
