// The call to one pager: modem reset and set-up, dialling, the paging terminal's session or the
// numeric page's tones, and hanging up, every wait bounded by the timing.
#include "pager_dialogue.h"

#include "tap_block.h"

namespace {

// Echo off, results on and in words, and the results that tell a busy line and a missing dial
// tone from a call that was not answered.
constexpr const char* kSetUp = "ATE0Q0V1X4\r";

std::string Shown(const std::string& command)
{
    return command.substr(0, command.find('\r'));
}

PageStatus StatusOf(ModemReply reply)
{
    switch (reply) {
    case ModemReply::Busy: return PageStatus::Busy;
    case ModemReply::NoCarrier: return PageStatus::NoCarrier;
    case ModemReply::NoAnswer: return PageStatus::NoAnswer;
    case ModemReply::NoDialtone: return PageStatus::NoDialtone;
    default: return PageStatus::ModemError;
    }
}

const char* Word(ModemReply reply)
{
    switch (reply) {
    case ModemReply::Ok: return "OK";
    case ModemReply::Connect: return "CONNECT";
    default: return "ERROR";
    }
}

// What a terminal answers a logon or a block with.
constexpr std::initializer_list<TerminalReply> kAnswers = {
    TerminalReply::Ack, TerminalReply::Nak, TerminalReply::Refused, TerminalReply::Disconnect};

bool CarrierLost(const std::string& received)
{
    return received.find("NO CARRIER") != std::string::npos;
}

}  // namespace

std::string PageResult::Text() const
{
    switch (status) {
    case PageStatus::Delivered: return detail;
    case PageStatus::Busy: return "the line was busy";
    case PageStatus::NoCarrier: return "no carrier";
    case PageStatus::NoAnswer: return "no answer";
    case PageStatus::NoDialtone: return "no dial tone";
    case PageStatus::ModemError: return "the modem answered " + detail;
    case PageStatus::ModemSilent: return "the modem did not answer " + detail;
    case PageStatus::TerminalSilent: return "the paging terminal did not answer " + detail;
    case PageStatus::NotAccepted: return "the paging terminal did not accept " + detail;
    case PageStatus::Refused: return "the paging terminal refused " + detail;
    case PageStatus::Disconnected: return "the paging terminal hung up during " + detail;
    case PageStatus::PortFailed: return detail;
    case PageStatus::Stopped: return "the service was stopped or paused";
    }
    return detail;
}

bool WorthRetrying(PageStatus status)
{
    return status != PageStatus::Delivered && status != PageStatus::Refused && status != PageStatus::Stopped;
}

PagerDialogue::PagerDialogue(SerialLink& link, const PagerTiming& timing) : m_link(link), m_timing(timing)
{
}

template <class Take> PagerDialogue::Await PagerDialogue::AwaitReply(Take take, std::uint32_t timeoutMs)
{
    const std::uint64_t deadline = m_link.Milliseconds() + timeoutMs;
    for (;;) {
        if (take(m_received))
            return Await::Got;
        const std::uint64_t now = m_link.Milliseconds();
        if (now >= deadline)
            return Await::TimedOut;
        switch (m_link.Read(m_received, static_cast<std::uint32_t>(deadline - now))) {
        case LinkRead::Stopped: return Await::Stopped;
        case LinkRead::Failed: return Await::Failed;
        default: break;
        }
    }
}

PageResult PagerDialogue::Command(const std::string& command, ModemReply wanted, std::uint32_t timeoutMs)
{
    if (!m_link.Write(command))
        return {PageStatus::PortFailed, "the port refused the command " + Shown(command)};
    ModemReply reply = ModemReply::Ok;
    const Await await = AwaitReply(
        [&reply](std::string& received) {
            const std::optional<ModemReply> taken = TakeModemReply(received);
            if (taken)
                reply = *taken;
            return taken.has_value();
        },
        timeoutMs);
    if (await == Await::Stopped)
        return {PageStatus::Stopped, {}};
    if (await == Await::Failed)
        return {PageStatus::PortFailed, "the port could not be read"};
    if (await == Await::TimedOut)
        return {PageStatus::ModemSilent, "to " + Shown(command)};
    if (reply == wanted)
        return {PageStatus::Delivered, {}};
    return {StatusOf(reply), std::string(Word(reply)) + " to " + Shown(command)};
}

PageResult PagerDialogue::Place(const PagerCall& call)
{
    m_received.clear();
    PageResult result = Command("ATZ\r", ModemReply::Ok, m_timing.commandMs);
    if (result.status == PageStatus::Delivered)
        result = Command(kSetUp, ModemReply::Ok, m_timing.commandMs);
    if (result.status != PageStatus::Delivered)
        return result;
    result = Dial(call);
    if (result.status == PageStatus::ModemSilent) {
        // The modem may still be dialling: any character ends that, and ATH0 makes sure.
        HangUp(false);
        return result;
    }
    if (result.status != PageStatus::Delivered)
        return result;
    if (!call.alphanumeric) {
        HangUp(false);
        return {PageStatus::Delivered, "the digits " + call.digits + " were dialled"};
    }
    result = Session(call);
    if (result.status != PageStatus::Stopped)
        HangUp(true);
    return result;
}

PageResult PagerDialogue::Dial(const PagerCall& call)
{
    std::uint32_t timeout = m_timing.carrierMs;
    if (!call.alphanumeric)
        timeout += static_cast<std::uint32_t>(call.connectionSteps + call.messageSteps) * m_timing.commaMs;
    return Command(DialCommand(call), call.alphanumeric ? ModemReply::Connect : ModemReply::Ok, timeout);
}

PagerDialogue::Await PagerDialogue::AwaitTerminal(
    std::initializer_list<TerminalReply> wanted, std::optional<TerminalReply>& reply, std::uint32_t timeoutMs)
{
    reply.reset();
    return AwaitReply(
        [&](std::string& received) {
            while (const std::optional<TerminalReply> taken = TakeTerminalReply(received)) {
                for (const TerminalReply one : wanted)
                    if (*taken == one) {
                        reply = taken;
                        return true;
                    }
            }
            return CarrierLost(received);
        },
        timeoutMs);
}

PageResult PagerDialogue::TerminalFailure(Await await, const std::optional<TerminalReply>& reply, const char* step)
{
    if (await == Await::Stopped)
        return {PageStatus::Stopped, {}};
    if (await == Await::Failed)
        return {PageStatus::PortFailed, "the port could not be read"};
    if (await == Await::Got && reply == TerminalReply::Refused)
        return {PageStatus::Refused, step};
    if (await == Await::Got)  // the terminal's ESC EOT, or the modem's NO CARRIER
        return {PageStatus::Disconnected, step};
    return {PageStatus::TerminalSilent, std::string("to ") + step};
}

PageResult PagerDialogue::WaitForIdPrompt()
{
    std::optional<TerminalReply> reply;
    for (int attempt = 0; attempt < m_timing.idPromptTries; ++attempt) {
        if (!m_link.Write("\r"))
            return {PageStatus::PortFailed, "the port could not be written"};
        const Await await =
            AwaitTerminal({TerminalReply::IdPrompt, TerminalReply::Disconnect}, reply, m_timing.idPromptMs);
        if (await == Await::Got && reply == TerminalReply::IdPrompt)
            return {PageStatus::Delivered, {}};
        if (await != Await::TimedOut)
            return TerminalFailure(await, reply, "the greeting");
    }
    return {PageStatus::TerminalSilent, "with ID="};
}

PageResult PagerDialogue::LogOn(const PagerCall& call)
{
    const std::string logon = tap::Logon(call.password);
    std::optional<TerminalReply> reply;
    for (int attempt = 0; attempt < m_timing.logonTries; ++attempt) {
        if (!m_link.Write(logon))
            return {PageStatus::PortFailed, "the port could not be written"};
        // An "ID=" still on its way (a terminal may prompt before the CR that asked for it) is
        // no answer to the logon.
        Await await = AwaitTerminal(kAnswers, reply, m_timing.terminalMs);
        if (await == Await::Got && reply == TerminalReply::Nak)
            continue;  // the logon did not come through whole
        if (await != Await::Got || reply != TerminalReply::Ack)
            return TerminalFailure(await, reply, "the logon");
        // The go-ahead may have come with the ACK or follows it.
        await = AwaitTerminal({TerminalReply::GoAhead, TerminalReply::Disconnect}, reply, m_timing.terminalMs);
        if (await == Await::Got && reply == TerminalReply::GoAhead)
            return {PageStatus::Delivered, {}};
        return TerminalFailure(await, reply, "the logon");
    }
    return {PageStatus::NotAccepted, "the logon after " + std::to_string(m_timing.logonTries) + " tries"};
}

PageResult PagerDialogue::SendBlock(const std::string& block)
{
    std::optional<TerminalReply> reply;
    for (int transmission = 0; transmission < m_timing.blockTransmissions; ++transmission) {
        if (!m_link.Write(block))
            return {PageStatus::PortFailed, "the port could not be written"};
        const Await await = AwaitTerminal(kAnswers, reply, m_timing.terminalMs);
        if (await == Await::Got && reply == TerminalReply::Nak)
            continue;
        if (await == Await::Got && reply == TerminalReply::Ack)
            return {PageStatus::Delivered, {}};
        return TerminalFailure(await, reply, "the message");
    }
    return {
        PageStatus::NotAccepted, "the message after " + std::to_string(m_timing.blockTransmissions) + " transmissions"};
}

PageResult PagerDialogue::Session(const PagerCall& call)
{
    if (!m_link.Pause(static_cast<std::uint32_t>(call.connectionSteps) * m_timing.commaMs))
        return {PageStatus::Stopped, {}};
    PageResult result = WaitForIdPrompt();
    if (result.status == PageStatus::Delivered)
        result = LogOn(call);
    if (result.status != PageStatus::Delivered)
        return result;
    if (!m_link.Pause(static_cast<std::uint32_t>(call.messageSteps) * m_timing.commaMs))
        return {PageStatus::Stopped, {}};
    for (const std::string& block : tap::EncodeBlocks({call.pagerId, call.message})) {
        result = SendBlock(block);
        if (result.status != PageStatus::Delivered)
            break;
    }
    if (result.status == PageStatus::Delivered || result.status == PageStatus::Refused) {
        // The terminal is still on the line: end the session as the protocol asks, so that it
        // hangs up rather than waiting for more.
        std::optional<TerminalReply> reply;
        if (m_link.Write(tap::kEndOfTransmission))
            AwaitTerminal({TerminalReply::Disconnect}, reply, m_timing.terminalMs);
    }
    if (result.status == PageStatus::Delivered)
        result.detail = "the paging terminal accepted the message";
    return result;
}

void PagerDialogue::HangUp(bool onLine)
{
    if (onLine) {
        // A terminal that ended the call leaves the modem in command mode ("NO CARRIER");
        // otherwise the escape, framed by silence, brings it back there.
        const Await await = AwaitReply([](std::string& received) { return CarrierLost(received); }, m_timing.guardMs);
        if (await == Await::Stopped)
            return;
        if (await != Await::Got) {
            // A modem answers the escape with OK once the silence after it has passed.
            if (!m_link.Write("+++"))
                return;
            const Await escaped = AwaitReply([](std::string& received) { return TakeModemReply(received).has_value(); },
                m_timing.guardMs + m_timing.commandMs);
            if (escaped == Await::Stopped || escaped == Await::Failed)
                return;
        }
    }
    m_received.clear();
    Command("ATH0\r", ModemReply::Ok, m_timing.commandMs);
}
