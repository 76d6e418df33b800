// Text of the activity log lines, the recipient descriptions and the event files.
#include "activity_log.h"

#include <cstdio>

#include "byte_order.h"

namespace {

std::string FieldText(const std::uint8_t* record, std::size_t at, std::size_t size)
{
    const auto* start = reinterpret_cast<const char*>(record + at);
    std::size_t length = 0;
    while (length < size && start[length] != '\0')
        ++length;
    return OneLine(std::string(start, length));
}

std::string DescribeSnmp(const std::uint8_t* record)
{
    std::string text = "SNMP manager " + FieldText(record, 16, 51);
    if (record[67] == 2) {
        char address[32];
        std::snprintf(address, sizeof address, " via IP %u.%u.%u.%u", record[12], record[13], record[14], record[15]);
        text += address;
    } else if (record[67] == 1) {
        text += " via IPX";
    }
    return text;
}

}  // namespace

std::string OneLine(const std::string& text)
{
    std::string line = text;
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    }
    return line;
}

std::string AlertLogLine(const CivilTime& when, const AlertEvent& event)
{
    return when.Stamp() + " " + PriorityName(event.record.priority) + " alert of " + event.record.application + ": " +
        OneLine(event.fullText) + " (" + event.record.eventFile + ")\r\n";
}

std::string DescribeRecipient(NotifyMethod method, const std::uint8_t* record)
{
    switch (method) {
    case NotifyMethod::Broadcast: return "broadcast to " + FieldText(record, 0, 52);
    case NotifyMethod::Pager: return "pager to " + FieldText(record, 85, 48) + " at " + FieldText(record, 20, 25);
    case NotifyMethod::EMail: {
        const std::uint32_t kind = GetU32(record + 52);
        return "e-mail to " + FieldText(record, 0, 52) + (kind == 2 ? " (CC)" : "");
    }
    case NotifyMethod::Snmp: return DescribeSnmp(record);
    case NotifyMethod::TroubleTicket: return "trouble ticket to " + FieldText(record, 100, 108);
    case NotifyMethod::EventLog: return "event log of " + FieldText(record, 0, 52);
    }
    return "unknown method";
}

std::string DeliveryLogLine(const CivilTime& when, const std::string& application, const std::string& eventFile,
    NotifyMethod method, const std::string& recipient, const std::string& outcome)
{
    return when.Stamp() + " " + OneLine(application) + " alert (" + OneLine(eventFile) + ") by " + InfoOf(method).name +
        " to " + OneLine(recipient) + ": " + OneLine(outcome) + "\r\n";
}

std::string EventFileText(const CivilTime& when, const AlertEvent& event)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "Type: %d\r\nCount: %d\r\n", static_cast<int>(event.type),
        static_cast<int>(event.count));
    return "Alert: " + OneLine(event.fullText) + "\r\n" + "Application: " + event.record.application + "\r\n" +
        "Priority: " + PriorityName(event.record.priority) + "\r\n" + numbers + "Event code: " + OneLine(event.code) +
        "\r\n" + "Server: " + OneLine(event.server) + "\r\n" + "Time: " + when.Stamp() + "\r\n";
}

std::string EventFileName(std::uint32_t slot)
{
    char name[16];
    std::snprintf(name, sizeof name, "AL%06u.EVT", static_cast<unsigned>(slot % 1000000));
    return name;
}
