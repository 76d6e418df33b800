// The envelope of every file the antivirus service keeps: magic, serial, payload and a CRC.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Layout, little-endian:
//   0   8  magic (eight characters naming the kind of file)
//   8   4  payload size
//   12  4  serial: 1 for the first write, one more on every replacement
//   16  n  payload
//   16+n 4 CRC-32 of every byte before it
struct RecordFile {
    std::uint32_t serial = 0;
    std::vector<std::uint8_t> payload;
};

inline constexpr std::size_t kRecordFileOverhead = 20;

std::vector<std::uint8_t> EncodeRecordFile(const char (&magic)[9], const RecordFile& file);

// Refuses a file shorter than the envelope, of another magic, whose size field disagrees with
// its length or exceeds `maxPayload`, or whose CRC does not match.
std::optional<RecordFile> DecodeRecordFile(
    const char (&magic)[9], const std::vector<std::uint8_t>& bytes, std::size_t maxPayload);
