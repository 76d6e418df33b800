// The parsed form of a body signature's hex text: segments of parts with gaps and wildcards.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelvex {

// One byte position (value under a mask: 0xFF exact, 0xF0/0x0F a nibble, 0x00 any)
// or a set of equally long alternatives.
// Four bytes, since a pattern holds one per byte it matches: a byte (alt is kNoAlt) that
// matches when (b & mask) == value, or a group of alternatives (mask 0, value holds the
// group's length of 1 to 255 bytes, alt its index into HexPattern::alts).
struct PatternToken {
    static constexpr uint16_t kNoAlt = 0xFFFF;
    uint8_t value = 0;
    uint8_t mask = 0xFF;
    uint16_t alt = kNoAlt;

    bool IsAlt() const { return alt != kNoAlt; }
    unsigned Length() const { return IsAlt() ? value : 1u; }
};

struct AltSet {
    uint16_t length = 0;
    std::vector<std::string> choices;
};

// A run of tokens; gapMin/gapMax bound the bytes between the previous part's end and this one.
struct PatternPart {
    std::vector<PatternToken> tokens;
    uint32_t length = 0;
    uint32_t gapMin = 0;
    uint32_t gapMax = 0;
};

// Parts joined by bounded gaps. Segments are joined by unbounded gaps: a segment starts at
// least minDistance bytes after the previous segment's end.
struct PatternSegment {
    std::vector<PatternPart> parts;
    uint32_t minDistance = 0;
    uint32_t maxSpan = 0;
};

struct HexPattern {
    std::vector<PatternSegment> segments;
    std::vector<AltSet> alts;
};

// Longest stretch one segment may cover; larger bounded gaps must be written as "{n-}" or "*".
constexpr uint32_t kMaxSegmentSpan = 32768;

// Parses the hex text ("4d5a??90{2-8}(0a|0d)*ff"); false with a reason in error.
bool ParseHexPattern(std::string_view text, HexPattern& out, std::string& error);

}  // namespace kelvex
