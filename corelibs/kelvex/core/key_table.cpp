// KeyTable: sizing and filling the bit table and the buckets.
#include "key_table.h"

#include <algorithm>

namespace kelvex {
namespace {

unsigned CeilLog2(uint64_t n) {
    unsigned r = 0;
    while ((uint64_t(1) << r) < n) ++r;
    return r;
}

}  // namespace

void KeyTable::Build(const std::vector<Entry>& entries) {
    // About 32 bits per key, two of them set in one word: false hits stay below 1 %
    // and a test costs one load, while the table stays in the second-level cache.
    const unsigned bitBits = std::clamp(CeilLog2(entries.size() * 32), 16u, 24u);
    // About four keys a bucket: a bucket is read only after both bits matched.
    const unsigned bucketBits = std::clamp(CeilLog2(entries.size() / 4 + 1), 4u, 20u);
    wordShift_ = 32 - (bitBits - kWordLog);
    bucketShift_ = 32 - bucketBits;
    bits_.assign((size_t(1) << bitBits) / kWordBits, 0);
    bucketStart_.assign((size_t(1) << bucketBits) + 1, 0);
    for (const Entry& e : entries) {
        bits_[(e.key * kMultiplier) >> wordShift_] |= BitPair(e.key);
        ++bucketStart_[((e.key * kMultiplier) >> bucketShift_) + 1];
    }
    for (size_t i = 1; i < bucketStart_.size(); ++i) bucketStart_[i] += bucketStart_[i - 1];
    entries_.assign(entries.size(), {});
    std::vector<uint32_t> fill(bucketStart_.begin(), bucketStart_.end() - 1);
    for (const Entry& e : entries) entries_[fill[(e.key * kMultiplier) >> bucketShift_]++] = e;
}

}  // namespace kelvex
