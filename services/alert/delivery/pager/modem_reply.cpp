// Modem result lines and paging terminal replies, taken out of what the port received.
#include "modem_reply.h"

#include "tap_block.h"

namespace {

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view Trimmed(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

}  // namespace

std::optional<ModemReply> ClassifyModemLine(std::string_view line)
{
    line = Trimmed(line);
    if (line == "OK" || line == "0")
        return ModemReply::Ok;
    if (line == "CONNECT" || StartsWith(line, "CONNECT ") || StartsWith(line, "CONNECT/") || line == "1")
        return ModemReply::Connect;
    if (line == "BUSY" || line == "7")
        return ModemReply::Busy;
    if (line == "NO CARRIER" || line == "3")
        return ModemReply::NoCarrier;
    if (line == "NO ANSWER" || line == "8")
        return ModemReply::NoAnswer;
    if (line == "NO DIALTONE" || line == "NO DIAL TONE" || line == "6")
        return ModemReply::NoDialtone;
    if (line == "ERROR" || line == "4")
        return ModemReply::Error;
    return std::nullopt;
}

std::optional<ModemReply> TakeModemReply(std::string& received)
{
    std::size_t start = 0;
    while (start < received.size()) {
        const std::size_t end = received.find_first_of("\r\n", start);
        if (end == std::string::npos)
            break;
        const std::optional<ModemReply> reply =
            ClassifyModemLine(std::string_view(received).substr(start, end - start));
        start = end + 1;
        if (reply) {
            received.erase(0, start);
            return reply;
        }
    }
    received.erase(0, start);
    return std::nullopt;
}

std::optional<TerminalReply> TakeTerminalReply(std::string& received)
{
    const auto take = [&received](std::size_t through, TerminalReply reply) {
        received.erase(0, through);
        return reply;
    };
    for (std::size_t i = 0; i < received.size(); ++i) {
        switch (received[i]) {
        case tap::kAck: return take(i + 1, TerminalReply::Ack);
        case tap::kNak: return take(i + 1, TerminalReply::Nak);
        case tap::kRs: return take(i + 1, TerminalReply::Refused);
        case tap::kEsc:
            if (i + 1 >= received.size())
                return std::nullopt;  // the rest of an escape sequence is still on its way
            if (received[i + 1] == tap::kEot)
                return take(i + 2, TerminalReply::Disconnect);
            if (received[i + 1] == '[') {
                if (i + 2 >= received.size())
                    return std::nullopt;
                if (received[i + 2] == 'p')
                    return take(i + 3, TerminalReply::GoAhead);
            }
            break;
        case '=':
            if (i >= 2 && received.compare(i - 2, 3, "ID=") == 0)
                return take(i + 1, TerminalReply::IdPrompt);
            break;
        default: break;
        }
    }
    return std::nullopt;
}
