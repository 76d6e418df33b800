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
    // About 32 bits per key keeps false hits near 3 % while the table stays in the second-level cache.
    const unsigned bitBits = std::clamp(CeilLog2(entries.size() * 32), 16u, 24u);
    const unsigned bucketBits = std::clamp(CeilLog2(entries.size()), 4u, 22u);
    bitShift_ = 32 - bitBits;
    bucketShift_ = 32 - bucketBits;
    bits_.assign((size_t(1) << bitBits) / 64, 0);
    bucketStart_.assign((size_t(1) << bucketBits) + 1, 0);
    for (const Entry& e : entries) {
        const uint32_t h = e.key * kMultiplier;
        bits_[(h >> bitShift_) / 64] |= uint64_t(1) << ((h >> bitShift_) % 64);
        ++bucketStart_[(h >> bucketShift_) + 1];
    }
    for (size_t i = 1; i < bucketStart_.size(); ++i) bucketStart_[i] += bucketStart_[i - 1];
    entries_.assign(entries.size(), {});
    std::vector<uint32_t> fill(bucketStart_.begin(), bucketStart_.end() - 1);
    for (const Entry& e : entries) entries_[fill[(e.key * kMultiplier) >> bucketShift_]++] = e;
}

}  // namespace kelvex
