// What the engine's 16-bit statuses mean to the scan job.
#pragma once

#include <cstdint>

namespace scan_status {

constexpr std::uint16_t kNotScannedBits = 0x4010;
// Inside archives and mail databases the wider mask holds.
constexpr std::uint16_t kContainerNotScannedBits = 0x4030;
constexpr std::uint16_t kUnreadable = 0x4010;
constexpr std::uint16_t kNoSignatures = 0x4020;

enum class FileVerdict { Clean, Detection, NotScanned };

// A file handed to ordinal 12: clean, a detection, or a status that is neither (never clean).
FileVerdict OfFile(std::uint16_t status);
// A member of an archive or mail database, by the wider mask.
FileVerdict OfMember(std::uint16_t status);

// Ordinal 18 in scan mode: 0, 0x4010 and 0x4020 are clean.
bool IsBootClean(std::uint16_t status);
// Ordinals 12 and 18 in cure mode.
bool IsCured(std::uint16_t status);

// The job's cure result: 1 cured, 4 cannot cure, 6 destructive, 5 cure error.
enum CureResult : int { kCured = 1, kCannotCure = 4, kCureError = 5, kDestructive = 6 };
int CureResultOf(std::uint16_t status);

}  // namespace scan_status
