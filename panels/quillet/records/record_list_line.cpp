// The viewer's line of an entry; every text is read within its field.
#include "record_list_line.h"

#include <cstdio>

namespace scan_log {

std::string EntryDateTimeText(const ScanLogEntry& entry, const LocaleFormat& format)
{
    RegionalSettings settings = format.Settings();
    // The locale's own order and separators, with the year always in full.
    if (settings.shortDatePicture.find("yyyy") == std::string::npos)
        settings.shortDatePicture += "yyyy";
    const LocaleFormat fullYear(settings);
    return fullYear.FormatDate(entry.start[0] + 1900, entry.start[1], entry.start[2]) + "  " +
        fullYear.FormatTime(entry.start[3], entry.start[4], LocaleFormat::kNoSeconds);
}

std::string EntrySortKey(const ScanLogEntry& entry)
{
    const unsigned long date = entry.start[0] * 65536ul + entry.start[1] * 256ul + entry.start[2];
    const unsigned long time = entry.start[3] * 65536ul + entry.start[4] * 256ul + entry.start[5];
    char key[40];
    std::snprintf(key, sizeof key, "%08lu%08lu", date, time);
    return key;
}

std::string EntryListLine(const ScanLogEntry& entry, const std::string& dateTime, const std::string& actionWord,
    const std::string& statusWord)
{
    const std::string paths = FieldText(entry.scannedPaths);
    const int size = std::snprintf(nullptr, 0, "%-18s\t%-16s\t%-6d\t%-19s\t%s\t", dateTime.c_str(), paths.c_str(),
        static_cast<int>(entry.virusesFound), actionWord.c_str(), statusWord.c_str());
    std::string line(static_cast<size_t>(size > 0 ? size : 0) + 1, '\0');
    std::snprintf(line.data(), line.size(), "%-18s\t%-16s\t%-6d\t%-19s\t%s\t", dateTime.c_str(), paths.c_str(),
        static_cast<int>(entry.virusesFound), actionWord.c_str(), statusWord.c_str());
    line.resize(line.size() - 1);
    return line + EntrySortKey(entry);
}

EntryIcon IconOf(const ScanLogEntry& entry)
{
    if (entry.virusesFound != 0)
        return EntryIcon::Viruses;
    return entry.cancelled ? EntryIcon::Cancelled : EntryIcon::Clean;
}

}  // namespace scan_log
