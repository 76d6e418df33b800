// Message dates: "Date:" fields and mbox separator lines as seconds since 1 January 1970
// (UTC), and the texts written for new messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace postoffice {

// "Tue, 1 Jul 2003 10:52:37 +0200", with or without the day name and the seconds, with the
// obsolete zone names and two- or three-digit years. Nothing for a date it cannot read
// or one before 1970.
std::optional<std::int64_t> ParseMailDate(std::string_view text);

// The date of an mbox separator line, "From sender Tue Jul  1 10:52:37 2003", taken as UTC.
std::optional<std::int64_t> ParseSeparatorDate(std::string_view line);

// "Tue, 01 Jul 2003 08:52:37 +0000" and "Tue Jul  1 08:52:37 2003" for a time in seconds.
std::string FormatMailDate(std::int64_t seconds);
std::string FormatSeparatorDate(std::int64_t seconds);

std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day);

}  // namespace postoffice
