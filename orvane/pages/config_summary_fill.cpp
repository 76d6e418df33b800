// CConfigSummary: one line per recipient of each method, in the order the page lists them.
#include "config_summary.h"

#include "alert_settings.h"
#include "broadcast_record.h"
#include "email_ids.h"
#include "mail_record.h"
#include "module.h"
#include "pager_record.h"
#include "pages_ids.h"
#include "port_file.h"
#include "snmp_record.h"
#include "ticket_record.h"

namespace {

template <class Record> const Record* Records(const void* array)
{
    return static_cast<const Record*>(array);
}

std::string Line(const std::string& type, const std::string& name)
{
    return type + '\t' + name;
}

std::string Line(const std::string& type, const std::string& name, const std::string& description)
{
    return type + '\t' + name + '\t' + description;
}

template <std::size_t N> std::string Field(const char (&field)[N])
{
    return port_file::FieldText(field, N);
}

}  // namespace

void CConfigSummary::FillBroadcast(CAlertSettings& settings, const char* application)
{
    int enabled = 0;
    void* array = nullptr;
    const int count = settings.GetBroadcast(enabled, array, application);
    const std::string type = LoadResString(IDS_TITLE_BROADCAST);
    for (int i = 0; array && i < count; ++i) {
        const BroadcastRecord& record = Records<BroadcastRecord>(array)[i];
        const bool machine = broadcast_record::IsMachineName(broadcast_record::StoredName(record));
        AddLine(kBroadcast,
            Line(type, broadcast_record::DisplayName(record), LoadResString(machine ? IDS_NT_MACHINE : IDS_NT_DOMAIN)),
            machine ? m_machine : m_domain, machine ? m_machineMask : m_domainMask);
    }
    Release(array, 1);
}

void CConfigSummary::FillPager(CAlertSettings& settings, const char* application)
{
    int enabled = 0;
    void* array = nullptr;
    char pagerText[49] = {};
    const int count = settings.GetPager(enabled, array, pagerText, application);
    const std::string type = LoadResString(IDS_TITLE_PAGER);
    for (int i = 0; array && i < count; ++i) {
        const PagerRecord& record = Records<PagerRecord>(array)[i];
        const bool numeric = record.pagerType == pager_record::kNumeric;
        AddLine(kPager,
            Line(type, Field(record.ownerName), LoadResString(numeric ? IDS_PAGER_NUMERIC : IDS_PAGER_ALPHANUMERIC)),
            numeric ? m_numeric : m_alphanumeric, m_pagerMask);
    }
    Release(array, 3);
}

void CConfigSummary::FillSnmp(CAlertSettings& settings, const char* application)
{
    int enabled = 0;
    void* array = nullptr;
    const int count = settings.GetSnmp(enabled, array, application);
    const std::string type = LoadResString(IDS_TITLE_SNMP);
    for (int i = 0; array && i < count; ++i) {
        const SnmpRecord& record = Records<SnmpRecord>(array)[i];
        const bool ipx = record.transport == snmp_record::kViaIpx;
        AddLine(kSnmp, Line(type, Field(record.managerName), LoadResString(ipx ? IDS_SNMP_VIA_IPX : IDS_SNMP_VIA_IP)),
            ipx ? m_ipx : m_ip, m_snmpMask);
    }
    Release(array, 7);
}

void CConfigSummary::FillTicket(CAlertSettings& settings, const char* application)
{
    int enabled = 0;
    void* array = nullptr;
    BYTE header[232] = {};
    const int count = settings.GetTTix(enabled, array, header, application);
    const std::string type = LoadResString(IDS_TITLE_TICKET);
    for (int i = 0; array && i < count; ++i)
        AddLine(kTicket, Line(type, Field(Records<PrintQueueRecord>(array)[i].queuePath)));
    Release(array, 8);
}

void CConfigSummary::FillEMail(CAlertSettings& settings)
{
    int enabled = 0;
    void* array = nullptr;
    MailRecord mail = {};
    MailAttachments attachments = {};
    const int count =
        settings.GetEMail(enabled, array, reinterpret_cast<BYTE*>(&mail), reinterpret_cast<BYTE*>(&attachments));
    const std::string type = LoadResString(IDS_TITLE_EMAIL);
    for (int i = 0; array && i < count; ++i) {
        const EMailRecipientRecord& record = Records<EMailRecipientRecord>(array)[i];
        if (record.recipientClass == mail_record::kTo || record.recipientClass == mail_record::kCc)
            AddLine(kEMail, Line(type, mail_record::Text(record.name)));
    }
    Release(array, 2);
}

void CConfigSummary::FillEventLog(CAlertSettings& settings, const char* application)
{
    int enabled = 0;
    void* array = nullptr;
    const int count = settings.GetEventLog(enabled, array, application);
    const std::string type = LoadResString(IDS_TITLE_EVENT_NOTIFY);
    const std::string description = LoadResString(IDS_EVENT_VIEWER);
    for (int i = 0; array && i < count; ++i) {
        const EventLogRecord& record = Records<EventLogRecord>(array)[i];
        const bool machine = broadcast_record::IsMachineName(broadcast_record::StoredName(record));
        AddLine(kEventLog, Line(type, broadcast_record::DisplayName(record), description),
            machine ? m_machine : m_domain, machine ? m_machineMask : m_domainMask);
    }
    Release(array, 9);
}
