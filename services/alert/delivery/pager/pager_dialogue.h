// One call to one pager over an open serial line: the modem dialogue, then the alphanumeric
// paging protocol or the numeric page's tones, then hanging up.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "modem_reply.h"
#include "pager_call.h"
#include "pager_timing.h"
#include "serial_link.h"

enum class PageStatus {
    Delivered,
    Busy,
    NoCarrier,
    NoAnswer,
    NoDialtone,
    ModemError,  // the modem answered ERROR, or a reply that does not fit the command
    ModemSilent,
    TerminalSilent,
    NotAccepted,  // the terminal answered NAK to every transmission
    Refused,  // the terminal answered RS: it will not take this page
    Disconnected,  // the terminal ended the call before the page was through
    PortFailed,  // the port could not be opened, set up, read or written
    Stopped,
};

struct PageResult {
    PageStatus status = PageStatus::Delivered;
    std::string detail;  // the command, the step or the port's own words

    // The outcome as ALERT.LOG tells it, without "delivered" / "not delivered".
    std::string Text() const;
};

// Whether placing the call again may help: not when the terminal refused the page, nor after a
// stop.
bool WorthRetrying(PageStatus status);

class PagerDialogue {
public:
    PagerDialogue(SerialLink& link, const PagerTiming& timing);
    PageResult Place(const PagerCall& call);

private:
    enum class Await { Got, TimedOut, Stopped, Failed };

    template <class Take> Await AwaitReply(Take take, std::uint32_t timeoutMs);
    PageResult Command(const std::string& command, ModemReply wanted, std::uint32_t timeoutMs);
    PageResult Dial(const PagerCall& call);
    PageResult Session(const PagerCall& call);
    PageResult WaitForIdPrompt();
    PageResult LogOn(const PagerCall& call);
    PageResult SendBlock(const std::string& block);
    // Waits for one of `wanted`, dropping the terminal's other replies; got with no reply when
    // the modem lost the carrier.
    Await AwaitTerminal(
        std::initializer_list<TerminalReply> wanted, std::optional<TerminalReply>& reply, std::uint32_t timeoutMs);
    PageResult TerminalFailure(Await await, const std::optional<TerminalReply>& reply, const char* step);
    void HangUp(bool onLine);

    SerialLink& m_link;
    const PagerTiming& m_timing;
    std::string m_received;
};
