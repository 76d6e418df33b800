// What the event viewer makes of a record: its list line, its event file's path and text.
#include "alert_record_view.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace alert_table {

std::string EventListLine(const std::string& dateTime, const Record& record)
{
    return dateTime + '\t' + record.description + '\t' + record.application + '\t' + std::to_string(record.time);
}

bool BuildEventFilePath(const std::string& directory, const std::string& file, char* path)
{
    path[0] = '\0';
    if (directory.empty() || file.empty() || file.find_first_of("\\/:") != std::string::npos || file == ".." ||
        directory.size() + 1 + file.size() >= kEventPathSize)
        return false;
    std::memcpy(path, directory.data(), directory.size());
    path[directory.size()] = '\\';
    std::memcpy(path + directory.size() + 1, file.data(), file.size());
    path[directory.size() + 1 + file.size()] = '\0';
    return true;
}

std::string ReadEventFileHead(const char* path)
{
    if (!path || !*path)
        return {};
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return {};
    // One byte more than is read, zeroed, so the text always ends in a NUL.
    auto buffer = std::make_unique<char[]>(kEventFileShown + 1);
    std::memset(buffer.get(), 0, kEventFileShown + 1);
    const std::size_t read = std::fread(buffer.get(), 1, kEventFileShown, file);
    std::fclose(file);
    const void* nul = std::memchr(buffer.get(), 0, read);
    return std::string(buffer.get(), nul ? static_cast<const char*>(nul) - buffer.get() : read);
}

}  // namespace alert_table
