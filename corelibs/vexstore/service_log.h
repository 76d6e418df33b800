// The service's activity log and scan log: text lines kept within their configuration's limits.
#pragma once

#include <cstdint>
#include <string>

#include "server_config.h"

// One line per message, CR LF ended: "YYYY-MM-DD hh:mm:ss<TAB>C|W|I<TAB>text" in UTC.
// A message whose level the filter bits leave out is not written; afterwards lines older than
// the purge age (0 days keeps every age) are dropped, then the oldest beyond the maximum count.
// The maximum is taken as at least 1, so a zero in the record never empties the log.
std::string AppendLogLine(
    const std::string& log, std::uint32_t level, const std::string& text, std::int64_t now, const LogConfig& limits);

// "YYYY-MM-DD hh:mm:ss" of seconds since 1970 UTC.
std::string FormatUtc(std::int64_t seconds);
