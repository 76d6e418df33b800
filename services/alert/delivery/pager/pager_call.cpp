// Pager records and alerts turned into calls, and port settings into serial settings.
#include "pager_call.h"

#include <algorithm>
#include <cctype>

#include "tap_block.h"

namespace {

// Indexes above a list's top mean its last entry, as the port list shows them.
SerialSettings SerialFrom(const PortRecord& record)
{
    using namespace port_file;
    SerialSettings settings;
    settings.portNumber = record.portNumber;
    settings.baud = static_cast<std::uint32_t>(std::stoul(TextAt(kBaudTexts, record.baudIndex)));
    settings.dataBits = std::stoi(TextAt(kDataBitsTexts, record.dataBitsIndex));
    settings.parity = TextAt(kParityTexts, record.parityIndex).front();
    settings.stopBits = std::stoi(TextAt(kStopBitsTexts, record.stopBitsIndex));
    return settings;
}

}  // namespace

std::string SerialSettings::PortName() const
{
    return "COM" + std::to_string(portNumber);
}

std::string SerialSettings::Describe() const
{
    return PortName() + ' ' + std::to_string(baud) + ' ' + std::to_string(dataBits) + parity + std::to_string(stopBits);
}

PortChoice ChoosePortSetting(
    const port_file::PortFileContent& ports, std::optional<std::uint16_t> defaultPortId, std::uint16_t portSetting)
{
    const std::size_t listed = std::min<std::size_t>(ports.header.recordCount, ports.records.size());
    const PortRecord* chosen = nullptr;
    if (portSetting == 0) {
        const std::uint16_t wanted = defaultPortId.value_or(port_file::kDefaultPortId);
        for (std::size_t i = 0; i < listed && !chosen; ++i)
            if (ports.records[i].portId == wanted)
                chosen = &ports.records[i];
        if (!chosen && wanted >= 1 && wanted <= listed)
            chosen = &ports.records[wanted - 1];
        if (!chosen)
            return {std::nullopt, "the default port setting " + std::to_string(wanted) + " is not in PORT.CFG"};
    } else {
        if (portSetting > listed)
            return {std::nullopt, "port setting " + std::to_string(portSetting) + " is not in PORT.CFG"};
        chosen = &ports.records[portSetting - 1];
    }
    if (chosen->portNumber < 1 || chosen->portNumber > 4)
        return {std::nullopt, "port ID " + std::to_string(chosen->portId) + " names no serial port"};
    return {SerialFrom(*chosen), std::string()};
}

std::string PagerDigits(const AlertForPager& alert)
{
    std::string digits;
    for (const char c : alert.code)
        if (c >= '0' && c <= '9' && digits.size() < kMaxPagerDigits)
            digits += c;
    if (digits.empty()) {
        const int priority = alert.priority < 0 ? 0 : (alert.priority > 9 ? 9 : alert.priority);
        digits = std::to_string(priority);
    }
    return digits;
}

std::string DialableNumber(std::string_view number)
{
    std::string dialable;
    for (const char c : number) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if ((c >= '0' && c <= '9') || c == '*' || c == '#' || c == ',' || upper == 'W' || upper == 'P' ||
            upper == 'T' || c == '@' || c == '!')
            dialable += upper;
    }
    return dialable;
}

CallPlan PlanCall(const PagerRecord& record, const AlertForPager& alert)
{
    PagerCall call;
    call.alphanumeric = record.pagerType != pager_record::kNumeric;
    call.number = DialableNumber(port_file::FieldText(record.pagerNumber, sizeof record.pagerNumber));
    if (call.number.empty())
        return {std::nullopt, "the pager number holds nothing to dial"};
    call.connectionSteps = pager_record::DelaySteps(record.connectionDelay);
    call.messageSteps = pager_record::DelaySteps(record.messageDelay);
    if (call.alphanumeric) {
        call.pagerId = tap::FieldText(port_file::FieldText(record.pagerId, sizeof record.pagerId));
        if (call.pagerId.empty())
            return {std::nullopt, "the alphanumeric pager has no pager ID"};
        call.password = port_file::FieldText(record.siteId, sizeof record.siteId);
        call.message = tap::FieldText(alert.text);
    } else {
        call.digits = PagerDigits(alert);
    }
    return {call, std::string()};
}

std::string RecipientName(const PagerRecord& record)
{
    std::string name = port_file::FieldText(record.ownerName, sizeof record.ownerName) + " (" +
        port_file::FieldText(record.pagerNumber, sizeof record.pagerNumber);
    const std::string id = port_file::FieldText(record.pagerId, sizeof record.pagerId);
    if (!id.empty())
        name += '/' + id;
    return name + ')';
}

std::string DialCommand(const PagerCall& call)
{
    std::string command = "ATDT" + call.number;
    if (!call.alphanumeric)
        command += std::string(static_cast<std::size_t>(call.connectionSteps), ',') + call.digits + '#' +
            std::string(static_cast<std::size_t>(call.messageSteps), ',') + ';';
    return command + '\r';
}
