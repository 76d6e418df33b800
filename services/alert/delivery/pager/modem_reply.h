// The result lines a modem answers its commands with, and the terminal's replies in a session.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class ModemReply { Ok, Connect, Busy, NoCarrier, NoAnswer, NoDialtone, Error };

// The result a line stands for, in words ("CONNECT 2400") or as a number ("7"); nothing for
// an empty line, the echo of a command and anything else a modem may print (RING, CARRIER ...).
std::optional<ModemReply> ClassifyModemLine(std::string_view line);

// Takes the first whole line holding a result out of `received` (lines end with CR or LF) and
// drops the lines before it; nothing while no such line is complete.
std::optional<ModemReply> TakeModemReply(std::string& received);

// What a paging terminal answers during a session.
enum class TerminalReply {
    IdPrompt,  // "ID=": the terminal waits for the logon
    Ack,  // logon or block accepted
    Nak,  // not understood: send it again
    Refused,  // RS: this page is refused, go on with the next
    GoAhead,  // ESC [ p: the terminal takes blocks now
    Disconnect,  // ESC EOT: the terminal ends the call
};

// Takes the first reply out of `received`, with everything before it (the terminal's free text
// lines); nothing while no reply is complete, keeping a reply that is only partly in.
std::optional<TerminalReply> TakeTerminalReply(std::string& received);
