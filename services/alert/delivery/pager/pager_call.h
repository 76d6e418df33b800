// One page as the dialogue places it: what to dial and what to send, made from a pager record
// and the alert; and the serial settings of the record's port setting.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pager_record.h"
#include "port_file.h"

struct SerialSettings {
    int portNumber = 1;  // 1 = COM1 ... 4 = COM4
    std::uint32_t baud = 300;
    int dataBits = 7;
    char parity = 'E';  // 'N', 'E' or 'O'
    int stopBits = 1;

    std::string PortName() const;
    // "COM1 300 7E1", as the log names a port.
    std::string Describe() const;
};

struct PortChoice {
    std::optional<SerialSettings> settings;
    std::string problem;  // why there is none
};

// The serial settings a pager record's port setting names. A number above 0 is the record's
// position in PORT.CFG, among the records the header counts, as the pager editor lists them.
// 0 is the default setting: the record carrying PORTDEF.CFG's port ID (1 when that file is
// missing), else the record at that position, which is what the editor shows for it.
PortChoice ChoosePortSetting(
    const port_file::PortFileContent& ports, std::optional<std::uint16_t> defaultPortId, std::uint16_t portSetting);

struct PagerCall {
    bool alphanumeric = false;
    std::string number;  // only the characters a modem dials
    std::string pagerId;  // alphanumeric: the pager's ID at the paging terminal
    std::string password;  // alphanumeric: the site ID, sent with the logon
    std::string message;  // alphanumeric: the alert text as a field
    std::string digits;  // numeric: sent as tones after the connection delay
    int connectionSteps = 0;  // commas of the connection delay
    int messageSteps = 0;  // commas of the message delay
};

struct AlertForPager {
    std::string text;
    std::string code;
    int priority = 3;
};

// Digits a numeric pager can show; more would overrun many modems' dial buffers.
inline constexpr std::size_t kMaxPagerDigits = 16;

// The digits of the event code, at most kMaxPagerDigits; the priority's digit when the code
// holds none, so that a numeric pager still hears of every alert.
std::string PagerDigits(const AlertForPager& alert);

// Digits, '*', '#', the pause ',' and the dial modifiers W, P, T, '@' and '!'; spaces,
// dashes and brackets of a written number are dropped, and nothing else can reach the modem's
// command line.
std::string DialableNumber(std::string_view number);

struct CallPlan {
    std::optional<PagerCall> call;
    std::string problem;
};

CallPlan PlanCall(const PagerRecord& record, const AlertForPager& alert);

// "Duty Officer (5550100)", or with the pager ID "Duty Officer (5550100/1234)".
std::string RecipientName(const PagerRecord& record);

// The dial command: "ATDT" and the number; a numeric page adds the connection delay's commas,
// the digits, '#', the message delay's commas and ';', which returns the modem to command mode
// once it has dialled everything, without waiting for a carrier.
std::string DialCommand(const PagerCall& call);
