// ALRTSEED.EXE: the sample recipients of ./run. Each notification method of the applications ALERT
// and VEXOMAR on this computer that has no recipient yet gets its sample (e-mail: a To and a CC);
// methods already set are left alone.
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

constexpr unsigned kTrapReceiverPort = 16162;

template <class Record> Record* NewRecord()
{
    return static_cast<Record*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, sizeof(Record)));
}

// The method's count, reading the list and releasing it as the pages do.
int CountOf(AlertCore& core, const char* server, const char* application,
    int (AlertCore::*get)(LPCSTR, WORD*, void**, LPCSTR), int kind)
{
    WORD count = 0;
    void* list = nullptr;
    const int result = (core.*get)(server, &count, &list, application);
    if (list)
        GlobalFree(list);
    core.AlertFreeCheckEverySetting(server, kind);
    return AlertCore::Failed(result) ? -1 : count;
}

void Say(const char* application, const char* method, int result)
{
    std::printf("alertseed: %s %s %s\n", application, method, result > 0 ? "recipient set" : "could not be set");
}

void Seed(HaldenAlertCore& core, const char* server, const char* application, const std::string& mailbox,
    const std::string& fullName)
{
    const std::string machine = std::string("\\\\") + server;
    CAlertSettings settings(core, server, application);
    settings.ReadInitial(application);

    if (CountOf(core, server, application, &AlertCore::AlertGetBroadcast, 1) == 0) {
        auto* record = NewRecord<BroadcastRecord>();
        broadcast_record::Write(*record, machine);
        Say(application, "broadcast", settings.SetBroadcast(1, 1, record, application));
    }
    if (CountOf(core, server, application, &AlertCore::AlertGetPager, 3) == 0) {
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
        Say(application, "pager", settings.SetPager(2, 1, records, "", application));
    }
    if (CountOf(core, server, application, &AlertCore::AlertGetSnmp, 7) == 0) {
        auto* record = NewRecord<SnmpRecord>();
        std::strcpy(record->managerName, "monitor");
        // tools/trap-receiver listens there; the reserved bytes name the port (network order).
        const std::uint8_t address[4] = {127, 0, 0, 1};
        std::memcpy(record->ipAddress, address, sizeof address);
        record->reserved[0] = kTrapReceiverPort >> 8;
        record->reserved[1] = kTrapReceiverPort & 0xFF;
        record->transport = snmp_record::kViaIp;
        Say(application, "SNMP", settings.SetSnmp(1, 1, record, application));
    }
    if (CountOf(core, server, application, &AlertCore::AlertGetTTixPRINTQ_HEADER, 8) == 0) {
        auto* record = NewRecord<PrintQueueRecord>();
        // A queue of the sample site (tools/vexomar-site): its tickets land in GAMMA's SPOOL folder.
        ticket_record::Write(*record, {"\\\\GAMMA\\TICKETS", "admin", "vexomar"});
        PrintQueueHeader header = {};
        ticket_record::SetHeaderText(header, "Alert trouble ticket");
        Say(application, "trouble ticket", settings.SetTTix(1, 1, record, reinterpret_cast<const BYTE*>(&header), application));
    }
    if (CountOf(core, server, application, &AlertCore::AlertGetEMail, 2) == 0) {
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
        mail.returnReceipt = 1;
        auto* records = static_cast<EMailRecipientRecord*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, 2 * sizeof(EMailRecipientRecord)));
        mail_record::SetText(records[0].name, fullName);
        records[0].recipientClass = mail_record::kTo;
        mail_record::SetText(records[1].name, "Bob Smith");
        records[1].recipientClass = mail_record::kCc;
        Say(application, "e-mail",
            settings.SetEMail(
                2, 1, records, reinterpret_cast<const BYTE*>(&mail), reinterpret_cast<const BYTE*>(&attachments)));
    }
    if (CountOf(core, server, application, &AlertCore::AlertGetEventLog, 9) == 0) {
        auto* record = NewRecord<EventLogRecord>();
        broadcast_record::Write(*record, machine);
        Say(application, "event log", settings.SetEventLog(1, 1, record, application));
    }
    settings.Free();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mailbox = argc > 2 ? argv[1] : "admin";
    const std::string fullName = argc > 2 ? argv[2] : "Site Administrator";
    char server[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof server;
    GetComputerNameA(server, &size);
    HaldenAlertCore core;
    // The trouble ticket's company and location, where none is set yet.
    for (const auto& [value, text] : {std::pair<const char*, const char*>{"Company", "Morwick Freight"},
             std::pair<const char*, const char*>{"Location", "Head office, server room"}}) {
        char stored[128] = {};
        if (core.AlertGetStringFromReg(server, "User", value, stored, sizeof stored) != 0 || !*stored)
            core.AlertSetStringToReg(server, "User", value, text);
    }
    // The scanner's alerts are VEXOMAR's, which has settings of its own from the install.
    for (const char* application : {"ALERT", "VEXOMAR"})
        Seed(core, server, application, mailbox, fullName);
    return 0;
}
