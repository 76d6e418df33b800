// Pages every pager recipient of an alert: one call after another, each retried as the timing
// allows, with one log line per recipient and outcome.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pager_call.h"
#include "pager_dialogue.h"
#include "pager_record.h"
#include "pager_timing.h"
#include "port_file.h"
#include "serial_link.h"

class PagerLines {
public:
    virtual ~PagerLines() = default;
    // The port opened and set up as `settings` say; nothing, with the reason, when it cannot be.
    virtual std::unique_ptr<SerialLink> Open(const SerialSettings& settings, std::string& problem) = 0;
};

class PagerReport {
public:
    virtual ~PagerReport() = default;
    virtual void Log(const std::string& recipient, const std::string& outcome) = 0;
    // Waits between two calls; false when a stop ended the wait.
    virtual bool Wait(std::uint32_t ms) = 0;
    virtual bool Stopping() const = 0;
};

struct PagerPorts {
    port_file::PortFileContent ports;  // PORT.CFG, or its default content when missing
    std::optional<std::uint16_t> defaultPortId;  // PORTDEF.CFG; nothing when missing
};

// The records of a pager list's bytes; a partial last record is not a recipient.
std::vector<PagerRecord> PagerRecords(const std::vector<std::uint8_t>& list);

void PageEveryRecipient(const std::vector<PagerRecord>& recipients, const PagerPorts& ports, const AlertForPager& alert,
    const PagerTiming& timing, PagerLines& lines, PagerReport& report);
