// The body signature matcher: a one-pass prefilter on a short fixed fragment of every
// signature, then verification of the candidates with their wildcards, gaps and anchors.
// When every signature has a fixed run of at least s + 3 bytes, the prefilter looks only at
// every s-th position: each signature enters the s four-byte windows of such a run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "file_source.h"
#include "key_table.h"
#include "signature.h"

namespace kelvex {

struct ScanRange {
    uint64_t begin = 0;
    uint64_t end = 0;
};

struct BodyMatch {
    int32_t body = -1;  // index into the signature list
    uint64_t start = 0;
    uint64_t end = 0;
};

enum class MatchResult { Clean, Found, ReadError };

class Matcher {
public:
    // The longest run of fixed bytes of a segment (the rarest of equally long ones).
    struct Run {
        uint16_t part = 0;
        uint32_t offset = 0;  // within the part
        std::vector<uint8_t> bytes;
    };
    static bool LongestRun(const PatternSegment& segment, Run& run);
    // A segment can be keyed when it holds two fixed bytes in a row.
    static bool Keyable(const PatternSegment& segment);

    // Every segment of every signature needs two fixed bytes in a row; false names the first that has not.
    bool Build(const std::vector<BodySignature>* bodies, std::string& error);

    // Looks for the first signature found in the ranges; reviewer-only ones only when allowed.
    MatchResult Scan(FileSource& source, const std::vector<ScanRange>& ranges, bool reviewer, BodyMatch& out) const;

    size_t MemoryBytes() const;
    uint32_t MaxSpan() const { return m_maxSpan; }
    unsigned Stride() const { return m_stride; }

private:
    class Pass;
    // A key's reference is its segment's index shifted by kWindowBits, plus which of the
    // stride's windows of the keyed stretch it is: one segment reference serves them all.
    static constexpr unsigned kWindowBits = 3;
    struct SegmentRef {
        uint32_t body;
        uint16_t segment;
        uint16_t part;
        uint32_t keyOffset;  // of the first window
    };

    const std::vector<BodySignature>* m_bodies = nullptr;
    std::vector<SegmentRef> m_refs;
    KeyTable m_table;
    unsigned m_stride = 1;
    // Two-byte keys: direct tables, used only when some signature has no longer fixed run.
    std::vector<uint64_t> m_shortBits;
    std::vector<uint32_t> m_shortStart;
    std::vector<uint32_t> m_shortRefs;
    uint32_t m_maxSpan = 4;
};

}  // namespace kelvex
