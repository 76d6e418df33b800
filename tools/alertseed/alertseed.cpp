// ALRTSEED.EXE: the sample recipients of ./run. Each notification method of the application
// ALERT on this computer that has no recipient yet gets one; methods already set are left alone.
//   ALRTSEED [MAILBOX FULLNAME]   the e-mail recipient and the mailbox the service signs in with
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "alert_settings.h"
#include "broadcast_record.h"
#include "halden_alert_core.h"
#include "mail_record.h"
#include "pager_record.h"
#include "port_file.h"
#include "snmp_record.h"
#include "ticket_record.h"

namespace {

constexpr char kApplication[] = "ALERT";

template <class Record> Record* NewRecord()
{
    return static_cast<Record*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(Record)));
}

// The method's count, reading the list and releasing it as the pages do.
int CountOf(AlertCore& core, const char* server, int (AlertCore::*get)(LPCSTR, WORD*, void**, LPCSTR), int kind)
{
    WORD count = 0;
    void* list = nullptr;
    const int result = (core.*get)(server, &count, &list, kApplication);
    if (list)
        GlobalFree(list);
    core.AlertFreeCheckEverySetting(server, kind);
    return AlertCore::Failed(result) ? -1 : count;
}

void Say(const char* method, int result)
{
    std::printf("alertseed: %s %s\n", method, result > 0 ? "recipient set" : "could not be set");
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mailbox = argc > 2 ? argv[1] : "admin";
    const std::string fullName = argc > 2 ? argv[2] : "Site Administrator";
    char server[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof server;
    GetComputerNameA(server, &size);
    const std::string machine = std::string("\\\\") + server;
    HaldenAlertCore core;
    CAlertSettings settings(core, server, kApplication);
    settings.ReadInitial(kApplication);

    if (CountOf(core, server, &AlertCore::AlertGetBroadcast, 1) == 0) {
        auto* record = NewRecord<BroadcastRecord>();
        broadcast_record::Write(*record, machine);
        Say("broadcast", settings.SetBroadcast(1, 1, record, kApplication));
    }
    if (CountOf(core, server, &AlertCore::AlertGetPager, 3) == 0) {
        // A numeric and an alphanumeric pager on the default port setting (COM1), where ./run's
        // simulated modem and paging terminal answers.
        auto* records = static_cast<PagerRecord*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 2 * sizeof(PagerRecord)));
        std::strcpy(records[0].ownerName, "Duty Officer");
        std::strcpy(records[0].pagerNumber, "5550100");
        pager_record::SetDelaySteps(records[0].connectionDelay, 2);
        records[0].pagerType = pager_record::kNumeric;
        std::strcpy(records[1].ownerName, "Night Operator");
        std::strcpy(records[1].pagerNumber, "5550101");
        std::strcpy(records[1].pagerId, "1234");
        records[1].pagerType = pager_record::kAlphanumeric;
        Say("pager", settings.SetPager(2, 1, records, "", kApplication));
    }
    if (CountOf(core, server, &AlertCore::AlertGetSnmp, 7) == 0) {
        auto* record = NewRecord<SnmpRecord>();
        std::strcpy(record->managerName, "monitor");
        const std::uint8_t address[4] = {10, 0, 0, 5};
        std::memcpy(record->ipAddress, address, sizeof address);
        record->transport = snmp_record::kViaIp;
        Say("SNMP", settings.SetSnmp(1, 1, record, kApplication));
    }
    if (CountOf(core, server, &AlertCore::AlertGetTTixPRINTQ_HEADER, 8) == 0) {
        auto* record = NewRecord<PrintQueueRecord>();
        ticket_record::Write(*record, {machine + "\\Vexomar PostScript", "admin", "admin"});
        PrintQueueHeader header = {};
        ticket_record::SetHeaderText(header, "Alert trouble ticket");
        Say("trouble ticket", settings.SetTTix(1, 1, record, reinterpret_cast<const BYTE*>(&header), kApplication));
    }
    if (CountOf(core, server, &AlertCore::AlertGetEMail, 2) == 0) {
        int enabled = 0;
        void* array = nullptr;
        MailRecord mail = {};
        MailAttachments attachments = {};
        settings.GetEMail(enabled, array, reinterpret_cast<BYTE*>(&mail), reinterpret_cast<BYTE*>(&attachments));
        if (array)
            GlobalFree(array);
        core.AlertFreeCheckEverySetting(server, 2);
        mail_record::SetText(mail.mailbox, mailbox);
        mail_record::SetText(mail.password, mailbox);
        mail_record::SetText(mail.subject, "Alert from the Alert Service");
        auto* record = NewRecord<EMailRecipientRecord>();
        mail_record::SetText(record->name, fullName);
        record->recipientClass = mail_record::kTo;
        Say("e-mail",
            settings.SetEMail(
                1, 1, record, reinterpret_cast<const BYTE*>(&mail), reinterpret_cast<const BYTE*>(&attachments)));
    }
    if (CountOf(core, server, &AlertCore::AlertGetEventLog, 9) == 0) {
        auto* record = NewRecord<EventLogRecord>();
        broadcast_record::Write(*record, machine);
        Say("event log", settings.SetEventLog(1, 1, record, kApplication));
    }
    settings.Free();
    return 0;
}
