// Repairs of detected files by their signature's cure method, and boot sector neutralizing.
#pragma once
#include <cstdint>
#include <string>

#include "scanner.h"

namespace kelvex {

// Statuses of a cure, as ordinals 12 and 18 answer them in cure mode.
enum CureStatus : uint16_t {
    kCureNothingFound = 0,
    kCureMixed = 1,  // several repairs of different kinds
    kCureCannot = 2,  // no cure method for this virus
    kCureDestructive = 3,  // the host was overwritten
    kCureFailed = 4,  // the repair could not be written or did not remove the virus
    kCureTruncated = 7,
    kCureRestored = 8,
    kCureOverwritten = 257,
    kCureReadError = 0x4010,
};

class Curer {
public:
    explicit Curer(const Scanner& scanner) : m_scanner(scanner) { }

    // Scans and repairs until the file is clean (several viruses in a row at most 8 times).
    // last receives the first detection, for the caller's "last virus found".
    uint16_t Cure(FileSource& file, const ScanOptions& options, Detection& last) const;

    // Keeps the jump, OEM name and disk parameters (bytes 0-61) and the 55 AA mark, and puts
    // a loader in place of the code that hands the boot to the next device.
    static bool NeutralizeBootSector(std::string& sector);

private:
    uint16_t Apply(FileSource& file, const CureSpec& cure, const Detection& d) const;

    const Scanner& m_scanner;
};

}  // namespace kelvex
