// Matcher: choosing each segment's key and building the prefilter tables.
#include "matcher.h"

#include <algorithm>
#include <cstring>

namespace kelvex {
namespace {

constexpr uint32_t kHashMultiplier = 0x9E3779B1u;

// Rough weight of how often a byte occurs in ordinary files; a key of rare bytes
// keeps the prefilter quiet.
int ByteWeight(uint8_t b) {
    if (b == 0x00) return 100;
    if (b == 0xFF) return 40;
    if (b == 0x20) return 30;
    if (b == 0x0A || b == 0x0D) return 15;
    if (std::strchr("etaoinsr", b)) return 20;
    if (b >= 'a' && b <= 'z') return 12;
    if ((b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9')) return 8;
    if (b < 0x7F) return 6;
    return 3;
}

unsigned CeilLog2(uint64_t n) {
    unsigned r = 0;
    while ((uint64_t(1) << r) < n) ++r;
    return r;
}

}  // namespace

bool Matcher::ChooseKey(const PatternSegment& segment, Key& key) {
    for (uint8_t want : {uint8_t(4), uint8_t(2)}) {
        int best = -1;
        for (size_t p = 0; p < segment.parts.size(); ++p) {
            const PatternPart& part = segment.parts[p];
            std::vector<uint8_t> run;
            uint32_t offset = 0, runStart = 0;
            auto consider = [&]() {
                for (size_t i = 0; i + want <= run.size(); ++i) {
                    int score = 0;
                    for (size_t k = 0; k < want; ++k) score += ByteWeight(run[i + k]);
                    if (run[i] == run[i + 1]) score += 50;
                    if (best < 0 || score < best) {
                        best = score;
                        key.part = uint16_t(p);
                        key.offset = runStart + uint32_t(i);
                        key.length = want;
                        key.value = 0;
                        for (size_t k = 0; k < want; ++k) key.value |= uint32_t(run[i + k]) << (8 * k);
                    }
                }
            };
            for (const PatternToken& t : part.tokens) {
                if (t.alt < 0 && t.mask == 0xFF) {
                    if (run.empty()) runStart = offset;
                    run.push_back(t.value);
                } else {
                    consider();
                    run.clear();
                }
                offset += t.length;
            }
            consider();
        }
        if (best >= 0) return true;
    }
    return false;
}

bool Matcher::Build(const std::vector<BodySignature>* bodies, std::string& error) {
    bodies_ = bodies;
    refs_.clear();
    std::vector<Entry> longKeys, shortKeys;
    maxSpan_ = 4;
    for (size_t b = 0; b < bodies->size(); ++b) {
        const BodySignature& sig = (*bodies)[b];
        for (size_t s = 0; s < sig.pattern.segments.size(); ++s) {
            const PatternSegment& seg = sig.pattern.segments[s];
            Key key;
            if (!ChooseKey(seg, key)) {
                error = "signature \"" + sig.name + "\": every stretch between '*' gaps needs two fixed bytes in a row";
                return false;
            }
            maxSpan_ = std::max(maxSpan_, seg.maxSpan);
            uint32_t ref = uint32_t(refs_.size());
            refs_.push_back({uint32_t(b), uint16_t(s), key.part, key.offset});
            (key.length == 4 ? longKeys : shortKeys).push_back({key.value, ref});
        }
    }

    unsigned bitBits = std::clamp(CeilLog2(longKeys.size() * 64), 16u, 24u);
    unsigned bucketBits = std::clamp(CeilLog2(longKeys.size()), 4u, 22u);
    bitShift_ = 32 - bitBits;
    bucketShift_ = 32 - bucketBits;
    bits_.assign((size_t(1) << bitBits) / 64, 0);
    bucketStart_.assign((size_t(1) << bucketBits) + 1, 0);
    for (const Entry& e : longKeys) {
        uint32_t h = e.key * kHashMultiplier;
        bits_[(h >> bitShift_) / 64] |= uint64_t(1) << ((h >> bitShift_) % 64);
        ++bucketStart_[(h >> bucketShift_) + 1];
    }
    for (size_t i = 1; i < bucketStart_.size(); ++i) bucketStart_[i] += bucketStart_[i - 1];
    entries_.assign(longKeys.size(), {});
    std::vector<uint32_t> fill(bucketStart_.begin(), bucketStart_.end() - 1);
    for (const Entry& e : longKeys) entries_[fill[(e.key * kHashMultiplier) >> bucketShift_]++] = e;

    shortBits_.clear();
    shortStart_.clear();
    shortRefs_.clear();
    if (!shortKeys.empty()) {
        shortBits_.assign(65536 / 64, 0);
        shortStart_.assign(65537, 0);
        for (const Entry& e : shortKeys) {
            shortBits_[e.key / 64] |= uint64_t(1) << (e.key % 64);
            ++shortStart_[e.key + 1];
        }
        for (size_t i = 1; i < shortStart_.size(); ++i) shortStart_[i] += shortStart_[i - 1];
        shortRefs_.assign(shortKeys.size(), 0);
        std::vector<uint32_t> at(shortStart_.begin(), shortStart_.end() - 1);
        for (const Entry& e : shortKeys) shortRefs_[at[e.key]++] = e.ref;
    }
    return true;
}

size_t Matcher::MemoryBytes() const {
    return refs_.capacity() * sizeof(SegmentRef) + bits_.capacity() * 8 + bucketStart_.capacity() * 4 +
           entries_.capacity() * sizeof(Entry) + shortBits_.capacity() * 8 + shortStart_.capacity() * 4 +
           shortRefs_.capacity() * 4;
}

}  // namespace kelvex
