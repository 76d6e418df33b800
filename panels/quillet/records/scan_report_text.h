// The report file IN<number>.REC of one scan: its lines, and the text-mode line ends it is stored with.
#pragma once

#include <string>
#include <vector>

#include "scan_counters.h"
#include "scan_result_line.h"

namespace scan_report {

// The string table's texts the report is made of (printf formats).
struct ReportStrings {
    std::string header;  // 522, with the start date and time
    // In the report's order: boot infections, boot cures; directories, files, viruses;
    // files infected, cured, deleted, purged, moved, renamed, renamed and moved.
    std::vector<std::string> counterLines;
    std::string detectedTitle;  // "Viruses Detected\n"
    std::string detectionLine;  // 509, file, virus and action
};

constexpr std::size_t kCounterLineCount = 12;

// The report's text with "\n" line ends: the header, the counters, the detections in list
// order (each followed by its message information text, when it has one) and a final empty line.
std::string ReportText(const ReportStrings& strings, const std::string& startDate, const std::string& startTime,
    const ScanCounters& counters, const std::vector<ScanResultLine>& detections);

// Every line feed stored as a carriage return and a line feed, as a text-mode write stores it.
std::string TextModeBytes(const std::string& text);

}  // namespace scan_report
