// What the event viewer makes of a record: its list line, its event file's path and text.
#pragma once

#include <cstddef>
#include <string>

#include "alert_record_format.h"

namespace alert_table {

// The event file dialog's path buffer, and how much of an event file it shows.
inline constexpr std::size_t kEventPathSize = 128;
inline constexpr std::size_t kEventFileShown = 65535;

// "<date time>\t<description>\t<application>\t<time>": the row of the event list, the last
// field the hidden column the list is sorted by.
std::string EventListLine(const std::string& dateTime, const Record& record);

// "<directory>\<file>" into `path` (kEventPathSize bytes, always NUL-terminated). A path that
// would not fit whole, an empty directory or file name, or a file name that climbs out of the
// directory leaves `path` empty and answers false.
bool BuildEventFilePath(const std::string& directory, const std::string& file, char* path);

// At most the first kEventFileShown bytes of the file, cut at the first NUL byte so the text
// is what an edit control shows; empty when the file does not open.
std::string ReadEventFileHead(const char* path);

}  // namespace alert_table
