// ScanResultLine: one line of a scan's results, kept apart from the job so that the scan
// record's portable code can read it.
#pragma once

#include <string>

// The item, the virus and what became of it; an attachment found in a mail database also
// carries the message it came with.
struct ScanResultLine {
    std::string item;
    std::string virus;
    std::string outcome;
    std::string messageInfo;
};
