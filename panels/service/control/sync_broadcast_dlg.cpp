// CSyncBroadcastDlg: the record read and written back to the domain, then the checked tables synchronised.
#include "sync_broadcast_dlg.h"

#include "broadcast_table_kind.h"
#include "data_exchange.h"
#include "module.h"
#include "prompter.h"
#include "service_config_calls.h"
#include "service_config_ids.h"
#include "service_config_records.h"
#include "service_control_ids.h"
#include "wait_cursor.h"

CSyncBroadcastDlg::CSyncBroadcastDlg(ServiceConfigCalls& calls, std::string source, std::string server, CWnd* parent)
    : CDialog(IDD_SYNC_BROADCAST, parent), m_source(std::move(source)), m_calls(calls), m_server(std::move(server))
{
}

void CSyncBroadcastDlg::DoDataExchange(CDataExchange& exchange)
{
    if (!exchange.m_bSaveAndValidate)
        SetDlgItemText(IDC_SYNC_SOURCE, m_source);
    ExchangeCheck(exchange, IDC_SYNC_BROADCAST, m_broadcast);
    ExchangeCheck(exchange, IDC_SYNC_NT_DOMAINS, m_ntDomains);
    ExchangeCheck(exchange, IDC_SYNC_IP_NETS, m_ipNets);
    ExchangeCheck(exchange, IDC_SYNC_IP_MASKS, m_ipMasks);
}

DWORD CSyncBroadcastDlg::TableMask() const
{
    // A table's number is also its bit in the mask.
    return (m_ntDomains ? kNtDomainTable.table : 0) | (m_ipNets ? kIpNetTable.table : 0) |
        (m_ipMasks ? kIpMaskTable.table : 0);
}

bool CSyncBroadcastDlg::CopyRecord()
{
    BroadcastRecord record {};
    if (m_calls.GetBCast(m_server, &record, sizeof record) != 0) {
        PromptId(IDS_ERROR_GET_BROADCAST, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    // A record that did not reach the domain is said so rather than passed over.
    if (m_calls.SetBCast(m_server, &record, sizeof record, kRecordMode) != 0)
        PromptId(IDS_ERROR_SAVING_SERVICE, MB_OK | MB_ICONEXCLAMATION);
    return true;
}

void CSyncBroadcastDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    CWaitCursor wait;
    if (m_broadcast && !CopyRecord())
        return;
    if (const DWORD mask = TableMask()) {
        if (m_calls.TableSync(m_server, mask, kTableSyncMode) != 0)
            PromptId(IDS_ERROR_SYNCING_TABLES, MB_OK | MB_ICONEXCLAMATION);
    }
    EndDialog(IDOK);
}
