// Lines of ALERT.LOG, recipient descriptions and event files.
#include "activity_log.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {

AlertEvent Event()
{
    AlertEvent event;
    event.record.eventFile = "AL000007.EVT";
    event.record.application = "VEXOMAR";
    event.record.priority = 1;
    event.fullText = "Virus found\r\nin two lines";
    event.code = "05";
    event.type = 2;
    event.count = 1;
    event.server = "ALPHA";
    return event;
}

const CivilTime kWhen = CivilTime::FromUnixSeconds(1700000000);  // 2023-11-14 22:13:20 UTC

void PutText(std::vector<std::uint8_t>& record, std::size_t at, const char* text)
{
    std::memcpy(record.data() + at, text, std::strlen(text));
}

TEST(ActivityLog, AlertLineIsOneLineWithPriorityApplicationAndEventFile)
{
    EXPECT_EQ("11/14/2023 22:13:20 Critical alert of VEXOMAR: Virus found  in two lines (AL000007.EVT)\r\n",
        AlertLogLine(kWhen, Event()));
}

TEST(ActivityLog, RecipientsAreNamedByTheirMethodsFields)
{
    std::vector<std::uint8_t> pager(148, 0);
    PutText(pager, 20, "555-0100");
    PutText(pager, 85, "Ann Smith");
    EXPECT_EQ("pager to Ann Smith at 555-0100", DescribeRecipient(NotifyMethod::Pager, pager.data()));

    std::vector<std::uint8_t> mail(56, 0);
    PutText(mail, 0, "Bob");
    mail[52] = 2;
    EXPECT_EQ("e-mail to Bob (CC)", DescribeRecipient(NotifyMethod::EMail, mail.data()));

    std::vector<std::uint8_t> snmp(68, 0);
    snmp[12] = 10, snmp[13] = 1, snmp[14] = 2, snmp[15] = 3;
    PutText(snmp, 16, "nms");
    snmp[67] = 2;
    EXPECT_EQ("SNMP manager nms via IP 10.1.2.3", DescribeRecipient(NotifyMethod::Snmp, snmp.data()));
    snmp[67] = 1;
    EXPECT_EQ("SNMP manager nms via IPX", DescribeRecipient(NotifyMethod::Snmp, snmp.data()));

    std::vector<std::uint8_t> ticket(208, 0);
    PutText(ticket, 100, "\\\\PRN\\LASER");
    EXPECT_EQ("trouble ticket to \\\\PRN\\LASER", DescribeRecipient(NotifyMethod::TroubleTicket, ticket.data()));

    std::vector<std::uint8_t> machine(52, 'x');  // no terminator: the field's size bounds the text
    EXPECT_EQ("broadcast to " + std::string(52, 'x'), DescribeRecipient(NotifyMethod::Broadcast, machine.data()));
    EXPECT_EQ("event log of " + std::string(52, 'x'), DescribeRecipient(NotifyMethod::EventLog, machine.data()));
}

TEST(ActivityLog, DeliveryLineNamesAlertMethodRecipientAndOutcomeOnOneLine)
{
    EXPECT_EQ("11/14/2023 22:13:20 VEXOMAR alert (AL000001.EVT) by pager to Ann at 555-0100: delivered\r\n",
        DeliveryLogLine(kWhen, "VEXOMAR", "AL000001.EVT", NotifyMethod::Pager, "Ann at 555-0100", "delivered"));
    // A reason that carries line breaks from a library's message still makes one line.
    EXPECT_EQ("11/14/2023 22:13:20 VEXOMAR alert (AL000002.EVT) by SNMP to mon x: not delivered: no  route\r\n",
        DeliveryLogLine(kWhen, "VEXOMAR", "AL000002.EVT", NotifyMethod::Snmp, "mon\tx", "not delivered: no\r\nroute"));
    EXPECT_EQ("11/14/2023 22:13:20 BACKUP alert (AL000003.EVT) by trouble ticket to \\\\LYRA\\Q: printed\r\n",
        DeliveryLogLine(kWhen, "BACKUP", "AL000003.EVT", NotifyMethod::TroubleTicket, "\\\\LYRA\\Q", "printed"));
}

TEST(ActivityLog, EventFileNamesTheAlertsFacts)
{
    EXPECT_EQ("Alert: Virus found  in two lines\r\n"
              "Application: VEXOMAR\r\n"
              "Priority: Critical\r\n"
              "Type: 2\r\n"
              "Count: 1\r\n"
              "Event code: 05\r\n"
              "Server: ALPHA\r\n"
              "Time: 11/14/2023 22:13:20\r\n",
        EventFileText(kWhen, Event()));
    EXPECT_EQ("AL000001.EVT", EventFileName(1));
    EXPECT_EQ("AL999999.EVT", EventFileName(999999));
}

}  // namespace
