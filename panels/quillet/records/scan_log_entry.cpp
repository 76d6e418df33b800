// The MASTER.DB slots: filling an entry and reading slots back without trusting their texts.
#include "scan_log_entry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace scan_log {

namespace {

template <std::size_t N> void PutText(char (&field)[N], const std::string& text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), std::min(text.size(), N - 1));
}

std::uint8_t TimeByte(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

std::string ReportFileName(std::uint32_t number)
{
    char name[24];
    std::snprintf(name, sizeof name, "IN%06lu.REC", static_cast<unsigned long>(number));
    return name;
}

ScanLogEntry MakeEntry(const ScanLogFacts& facts, std::uint32_t number)
{
    ScanLogEntry entry;
    std::memset(&entry, 0, sizeof entry);
    entry.virusesFound = facts.virusesFound;
    PutText(entry.sourceMachine, facts.sourceMachine);
    PutText(entry.scannedPaths, facts.scannedPaths.substr(0, kScannedPathsLimit));
    // Raw values: a zero hour, minute or second is a zero byte like any other.
    entry.start[0] = TimeByte(facts.start.year - 1900);
    entry.start[1] = TimeByte(facts.start.month);
    entry.start[2] = TimeByte(facts.start.day);
    entry.start[3] = TimeByte(facts.start.hour);
    entry.start[4] = TimeByte(facts.start.minute);
    entry.start[5] = TimeByte(facts.start.second);
    PutText(entry.reportName, ReportFileName(number));
    entry.action = static_cast<std::uint8_t>(facts.action);
    entry.cancelled = facts.cancelled ? 1 : 0;
    entry.inUse = 1;
    return entry;
}

std::string FieldText(const char* field, std::size_t size)
{
    const void* end = std::memchr(field, '\0', size);
    return std::string(field, end ? static_cast<const char*>(end) - field : size);
}

ScanLogEntry EntryFromBytes(const std::uint8_t* slot)
{
    ScanLogEntry entry;
    std::memcpy(&entry, slot, sizeof entry);
    return entry;
}

ScanLogHeader HeaderFromBytes(const std::uint8_t* slot)
{
    ScanLogHeader header;
    std::memcpy(&header, slot, sizeof header);
    return header;
}

void EntryToBytes(const ScanLogEntry& entry, std::uint8_t* slot)
{
    std::memcpy(slot, &entry, sizeof entry);
}

void HeaderToBytes(const ScanLogHeader& header, std::uint8_t* slot)
{
    std::memcpy(slot, &header, sizeof header);
}

}  // namespace scan_log
