// The lines the Alert Service appends to ALERT.LOG and the text of its event files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "alert_record.h"
#include "application_settings.h"
#include "civil_time.h"

struct AlertEvent {
    AlertRecord record;  // what goes into the record table
    std::string fullText;  // the description as delivered, before the table cuts it
    std::string code;  // the product's event code ("05"), may be empty
    std::int32_t type = 0;
    std::int32_t count = 1;
    std::string server;
};

// Control characters become blanks, so one alert is always one line of the log.
std::string OneLine(const std::string& text);

// "MM/DD/YYYY hh:mm:ss Critical alert of VEXOMAR: <text> (AL000001.EVT)\r\n"
std::string AlertLogLine(const CivilTime& when, const AlertEvent& event);

// Who one recipient record names, e.g. "pager to J. Smith at 555-0100".
std::string DescribeRecipient(NotifyMethod method, const std::uint8_t* record);

// One delivery or failure of one recipient, naming the alert's event file so that the line
// can be matched with the alert's own line:
// "MM/DD/YYYY hh:mm:ss VEXOMAR alert (AL000001.EVT) by pager to J. Smith at 555-0100: delivered\r\n"
std::string DeliveryLogLine(const CivilTime& when, const std::string& application, const std::string& eventFile,
    NotifyMethod method, const std::string& recipient, const std::string& outcome);

// The event file's text, one "Name: value" line each, ending in CR LF.
std::string EventFileText(const CivilTime& when, const AlertEvent& event);

// "AL000001.EVT" for slot 1: an 8.3 name that no other live record uses.
std::string EventFileName(std::uint32_t slot);
