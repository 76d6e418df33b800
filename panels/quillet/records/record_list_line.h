// The scan log viewer's line of one entry: its date and time text, its columns and its sort key.
#pragma once

#include <string>

#include "locale_format.h"
#include "scan_log_entry.h"

namespace scan_log {

// The start as the short date with a four-digit year and the hours and minutes, two blanks between.
std::string EntryDateTimeText(const ScanLogEntry& entry, const LocaleFormat& format);

// year*65536 + month*256 + day and hour*65536 + minute*256 + second, as "%08lu%08lu".
std::string EntrySortKey(const ScanLogEntry& entry);

// "%-18s\t%-16s\t%-6d\t%-19s\t%s\t%08lu%08lu": date and time, scanned paths, viruses,
// action word, status word, sort key.
std::string EntryListLine(const ScanLogEntry& entry, const std::string& dateTime, const std::string& actionWord,
    const std::string& statusWord);

// Which icon pair the line shows.
enum class EntryIcon { Viruses, Cancelled, Clean };
EntryIcon IconOf(const ScanLogEntry& entry);

}  // namespace scan_log
