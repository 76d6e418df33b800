// CBroadcastSheet: the record read as the sheet opens; record, tables and sync saved in that order.
#include "broadcast_sheet.h"

#include "prompter.h"
#include "service_config_ids.h"

CBroadcastSheet::CBroadcastSheet(
    ServiceConfigCalls& calls, BroadcastTableCalls& tableCalls, const ConfigTarget& target, CWnd* parent)
    : CPropertySheet(
          TargetText(target, IDS_BCAST_TITLE_DOMAIN, IDS_BCAST_TITLE_SINGLE, IDS_BCAST_TITLE_MEMBER), parent),
      m_calls(calls), m_server(target.server), m_domainWide(target.DomainWide()), m_recordPage(m_record),
      m_tables(tableCalls, target.server, target.DomainWide() != 0)
{
    m_hasHelp = true;
    AddPage(&m_recordPage);
    m_tables.AddTo(*this);
}

bool CBroadcastSheet::ReadRecords()
{
    if (m_calls.GetBCast(m_server, &m_record, sizeof m_record) != 0) {
        PromptId(IDS_ERROR_READING_SERVICE, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

INT_PTR CBroadcastSheet::DoModal()
{
    if (!ReadRecords())
        return -1;
    const INT_PTR result = CPropertySheet::DoModal();
    if (result == IDOK)
        Save();
    return result;
}

void CBroadcastSheet::Save()
{
    // The sheet of a domain stores the record on each of its servers (mode 1), a server's on it alone.
    if (m_calls.SetBCast(m_server, &m_record, sizeof m_record, m_domainWide) != 0)
        PromptId(IDS_ERROR_SAVING_SERVICE, MB_OK | MB_ICONEXCLAMATION);
    const DWORD saved = m_tables.Save();
    if (!m_domainWide || saved == 0)
        return;
    if (m_calls.TableSync(m_server, saved, kSheetSyncMode) != 0)
        PromptId(IDS_ERROR_SYNCING_TABLES, MB_OK | MB_ICONEXCLAMATION);
}
