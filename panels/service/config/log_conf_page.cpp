// CLogConfPage: messages kept, purge age and the message filter shown and stored back.
#include "log_conf_page.h"

#include "data_exchange.h"
#include "num_spin_field.h"
#include "service_config_ids.h"

CLogConfPage::CLogConfPage(LogConfigRecord& record, bool scanLog)
    : CPropertyPage(scanLog ? IDD_CONF_SCAN_LOG_PAGE : IDD_CONF_EVENT_LOG_PAGE), m_record(record), m_scanLog(scanLog)
{
    m_hasHelp = true;
}

void CLogConfPage::DoDataExchange(CDataExchange& exchange)
{
    using namespace ConfigBits;
    if (m_scanLog)
        m_record.filterBits |= kCritical;
    const int largest = m_scanLog ? kScanMessagesMax : kActivityMessagesMax;
    int messages = static_cast<int>(m_record.maxMessages > DWORD(largest) ? largest : m_record.maxMessages);
    int purgeDays = static_cast<int>(m_record.purgeDays > kPurgeDaysMax ? kPurgeDaysMax : m_record.purgeDays);
    int critical = (m_record.filterBits & kCritical) ? 1 : 0;
    int warning = (m_record.filterBits & kWarning) ? 1 : 0;
    int informational = (m_record.filterBits & kInformational) ? 1 : 0;
    ExchangeNumSpin(exchange, IDC_LOG_MAX_MESSAGES, messages, kMessagesMin, largest);
    ExchangeNumSpin(exchange, IDC_LOG_PURGE_DAYS, purgeDays, kPurgeDaysMin, kPurgeDaysMax);
    ExchangeCheck(exchange, IDC_LOG_CRITICAL, critical);
    ExchangeCheck(exchange, IDC_LOG_WARNING, warning);
    ExchangeCheck(exchange, IDC_LOG_INFORMATIONAL, informational);
    if (!exchange.m_bSaveAndValidate || exchange.m_failed)
        return;
    m_record.maxMessages = static_cast<DWORD>(messages);
    m_record.purgeDays = static_cast<DWORD>(purgeDays);
    // The three boxes make the filter again; bits the service may add beyond them are kept.
    DWORD bits = m_record.filterBits & ~(kCritical | kWarning | kInformational);
    if (critical || m_scanLog)
        bits |= kCritical;
    if (warning)
        bits |= kWarning;
    if (informational)
        bits |= kInformational;
    m_record.filterBits = bits;
}
