// The scan log table MASTER.DB: its 256-byte header and entry slots, byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace scan_log {

constexpr std::size_t kSlotSize = 256;
// Entries take slots 1 and up; slot 0 is the header.
constexpr std::uint32_t kFirstEntrySlot = 1;
constexpr std::uint8_t kHighestAction = 6;

struct ScanLogHeader {
    std::int32_t entriesInUse;
    std::uint32_t highestNumber;
    std::uint8_t zero[248];
};
static_assert(sizeof(ScanLogHeader) == kSlotSize);
static_assert(offsetof(ScanLogHeader, entriesInUse) == 0);
static_assert(offsetof(ScanLogHeader, highestNumber) == 4);
static_assert(offsetof(ScanLogHeader, zero) == 8);

struct ScanLogEntry {
    std::uint32_t zero0;
    std::int32_t virusesFound;
    std::uint32_t zero8;
    char sourceMachine[32];
    char scannedPaths[128];
    std::uint8_t zero172[48];
    // Local time, one byte each: year - 1900, month 1-12, day, hour, minute, second.
    std::uint8_t start[6];
    std::uint8_t zero226[2];
    char reportName[13];
    std::uint8_t zero241[3];
    std::uint8_t action;
    std::uint8_t cancelled;
    std::uint8_t inUse;
    std::uint8_t zero247[9];
};
static_assert(sizeof(ScanLogEntry) == kSlotSize);
static_assert(offsetof(ScanLogEntry, zero0) == 0);
static_assert(offsetof(ScanLogEntry, virusesFound) == 4);
static_assert(offsetof(ScanLogEntry, zero8) == 8);
static_assert(offsetof(ScanLogEntry, sourceMachine) == 12);
static_assert(offsetof(ScanLogEntry, scannedPaths) == 44);
static_assert(offsetof(ScanLogEntry, zero172) == 172);
static_assert(offsetof(ScanLogEntry, start) == 220);
static_assert(offsetof(ScanLogEntry, zero226) == 226);
static_assert(offsetof(ScanLogEntry, reportName) == 228);
static_assert(offsetof(ScanLogEntry, zero241) == 241);
static_assert(offsetof(ScanLogEntry, action) == 244);
static_assert(offsetof(ScanLogEntry, cancelled) == 245);
static_assert(offsetof(ScanLogEntry, inUse) == 246);
static_assert(offsetof(ScanLogEntry, zero247) == 247);

// The scanned-paths field holds at most this many characters; its last byte stays 0.
constexpr std::size_t kScannedPathsLimit = 127;

struct StartTime {
    int year;  // full year
    int month, day, hour, minute, second;
};

// What one finished scan puts in its entry.
struct ScanLogFacts {
    std::int32_t virusesFound = 0;
    std::string sourceMachine;  // string 640, "Local"
    std::string scannedPaths;
    StartTime start = {};
    int action = 0;
    bool cancelled = false;
};

// "IN%06d.REC" for an entry number.
std::string ReportFileName(std::uint32_t number);

// The filled slot of entry `number`; texts longer than their fields are cut, keeping the final NUL.
ScanLogEntry MakeEntry(const ScanLogFacts& facts, std::uint32_t number);

// A field's text up to its NUL or its end: a damaged slot never reads past the field.
std::string FieldText(const char* field, std::size_t size);
template <std::size_t N> std::string FieldText(const char (&field)[N])
{
    return FieldText(field, N);
}

// Slots are read and written through these, so the layout never depends on the compiler's padding.
ScanLogEntry EntryFromBytes(const std::uint8_t* slot);
ScanLogHeader HeaderFromBytes(const std::uint8_t* slot);
void EntryToBytes(const ScanLogEntry& entry, std::uint8_t* slot);
void HeaderToBytes(const ScanLogHeader& header, std::uint8_t* slot);

}  // namespace scan_log
