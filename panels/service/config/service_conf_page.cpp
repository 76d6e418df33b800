// CServiceConfPage: startup, hold time and time-out shown and stored back into the record.
#include "service_conf_page.h"

#include "data_exchange.h"
#include "num_spin_field.h"
#include "service_config_ids.h"

CServiceConfPage::CServiceConfPage(ServiceConfigRecord& record) : CPropertyPage(IDD_CONF_SERVICE_PAGE), m_record(record)
{
    m_hasHelp = true;
}

void CServiceConfPage::DoDataExchange(CDataExchange& exchange)
{
    // Radio index 0 is "Automatic Startup".
    int startup = m_record.startup == 1 ? 0 : 1;
    int holdDays = static_cast<int>(m_record.holdDays > kHoldDaysMax ? kHoldDaysMax : m_record.holdDays);
    // Whole minutes: the seconds the server keeps are cut, not rounded.
    const DWORD minutes = m_record.serverTimeoutSeconds / 60;
    int timeout = static_cast<int>(minutes > kTimeoutMinutesMax ? kTimeoutMinutesMax : minutes);
    ExchangeRadio(exchange, IDC_STARTUP_AUTOMATIC, startup);
    ExchangeNumSpin(exchange, IDC_HOLD_DAYS, holdDays, kHoldDaysMin, kHoldDaysMax);
    ExchangeNumSpin(exchange, IDC_SERVER_TIMEOUT, timeout, kTimeoutMinutesMin, kTimeoutMinutesMax);
    if (!exchange.m_bSaveAndValidate || exchange.m_failed)
        return;
    m_record.startup = startup == 0 ? 1 : 0;
    m_record.holdDays = static_cast<DWORD>(holdDays);
    m_record.serverTimeoutSeconds = static_cast<DWORD>(timeout) * 60;
}
