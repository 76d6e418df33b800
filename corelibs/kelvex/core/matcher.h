// The body signature matcher: a one-pass prefilter on a short fixed fragment of every
// signature, then verification of the candidates with their wildcards, gaps and anchors.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "file_source.h"
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
    // The fragment that keys a segment: its rarest run of four fixed bytes, else of two.
    struct Key {
        uint16_t part = 0;
        uint32_t offset = 0;  // within the part
        uint8_t length = 0;   // 4 or 2
        uint32_t value = 0;   // little-endian load of the bytes
    };
    static bool ChooseKey(const PatternSegment& segment, Key& key);

    // Every segment of every signature needs two fixed bytes in a row; false names the first that has not.
    bool Build(const std::vector<BodySignature>* bodies, std::string& error);

    // Looks for the first signature found in the ranges; reviewer-only ones only when allowed.
    MatchResult Scan(FileSource& source, const std::vector<ScanRange>& ranges, bool reviewer, BodyMatch& out) const;

    size_t MemoryBytes() const;
    uint32_t MaxSpan() const { return maxSpan_; }

private:
    class Pass;
    struct SegmentRef {
        uint32_t body;
        uint16_t segment;
        uint16_t part;
        uint32_t keyOffset;
    };
    struct Entry {
        uint32_t key;
        uint32_t ref;
    };

    const std::vector<BodySignature>* bodies_ = nullptr;
    std::vector<SegmentRef> refs_;
    // Four-byte keys: a bit table over a hash of the window, then buckets of exact keys.
    std::vector<uint64_t> bits_;
    unsigned bitShift_ = 32;
    std::vector<uint32_t> bucketStart_;
    unsigned bucketShift_ = 32;
    std::vector<Entry> entries_;
    // Two-byte keys: direct tables, used only when some signature has no longer fixed run.
    std::vector<uint64_t> shortBits_;
    std::vector<uint32_t> shortStart_;
    std::vector<uint32_t> shortRefs_;
    uint32_t maxSpan_ = 4;
};

}  // namespace kelvex
