// Signature records as the engine keeps them in memory: body patterns and whole-file hashes.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "hex_pattern.h"

namespace kelvex {

enum class AnchorKind : uint8_t { Floating = 0, FromStart = 1, FromEnd = 2 };

// How a detected file is repaired.
enum class CureMethod : uint8_t {
    None = 0,  // cannot be cured
    Truncate = 1,  // cut the file at the match start plus truncateDelta (appended body)
    Restore = 2,  // write data at offset, then cut as Truncate when hasTruncate
    Overwrite = 3,  // fill length bytes from the match start plus offset with fill
    Destructive = 4,  // the host was overwritten: nothing to restore
};

// Every signature holds one, so its fields are packed (the database stores 32-bit values).
struct CureSpec {
    CureMethod method = CureMethod::None;
    uint8_t fill = 0;
    bool hasTruncate = false;
    int32_t offset = 0;
    uint32_t length = 0;
    int32_t truncateDelta = 0;
    std::string data;
};

enum SignatureFlags : uint16_t {
    kReviewerOnly = 0x0001,  // prone to false alarms: applied in reviewer mode only
    kSpaceTail = 0x0002,  // the rest of the file after the match may hold only white space
};

struct BodySignature {
    uint16_t id = 0;
    uint16_t flags = 0;
    AnchorKind anchor = AnchorKind::Floating;
    uint32_t anchorOffset = 0;
    uint32_t anchorWindow = 0;
    uint32_t minSize = 0;
    uint32_t maxSize = 0;  // 0: no limit
    std::string name;
    std::string hex;  // the pattern as written; parsed into pattern
    HexPattern pattern;
    CureSpec cure;
};

struct HashSignature {
    uint16_t id = 0;
    uint16_t flags = 0;
    std::string name;
    std::array<uint8_t, 16> md5 {};
    uint32_t size = 0;
    CureSpec cure;
};

// The four values the engine reports: versions as 1900 + 100*major + minor... (see README)
// and dates packed as (year-1980)<<9 | month<<5 | day.
struct VersionValues {
    uint16_t engineVersion = 0;
    uint16_t signatureVersion = 0;
    uint16_t engineDate = 0;
    uint16_t signatureDate = 0;
};

struct SignatureSet {
    VersionValues versions;
    std::vector<BodySignature> bodies;
    std::vector<HashSignature> hashes;
};

}  // namespace kelvex
