// KeyTable: sizing and filling the bit table and the buckets.
#include "key_table.h"

#include <algorithm>

namespace kelvex {
namespace {

unsigned CeilLog2(uint64_t n)
{
    unsigned r = 0;
    while ((uint64_t(1) << r) < n)
        ++r;
    return r;
}

}  // namespace

void KeyTable::Build(const std::vector<Entry>& entries)
{
    // About 32 bits per key, two of them set in one word: false hits stay below 1 %
    // and a test costs one load, while the table stays in the second-level cache.
    const unsigned bitBits = std::clamp(CeilLog2(entries.size() * 32), 16u, 24u);
    // About four keys a bucket: a bucket is read only after both bits matched.
    const unsigned bucketBits = std::clamp(CeilLog2(entries.size() / 4 + 1), 4u, 20u);
    m_wordShift = 32 - (bitBits - kWordLog);
    m_bucketShift = 32 - bucketBits;
    m_bits.assign((size_t(1) << bitBits) / kWordBits, 0);
    m_bucketStart.assign((size_t(1) << bucketBits) + 1, 0);
    for (const Entry& e : entries) {
        m_bits[(e.key * kMultiplier) >> m_wordShift] |= BitPair(e.key);
        ++m_bucketStart[((e.key * kMultiplier) >> m_bucketShift) + 1];
    }
    for (size_t i = 1; i < m_bucketStart.size(); ++i)
        m_bucketStart[i] += m_bucketStart[i - 1];
    m_entries.assign(entries.size(), {});
    std::vector<uint32_t> fill(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (const Entry& e : entries)
        m_entries[fill[(e.key * kMultiplier) >> m_bucketShift]++] = e;
}

}  // namespace kelvex
