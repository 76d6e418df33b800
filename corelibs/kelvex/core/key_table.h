// The prefilter's table of four-byte keys: a blocked bit table (two bits of one word per key), then buckets of exact keys.
#pragma once
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace kelvex {

class KeyTable {
public:
    struct Entry {
        uint32_t key;  // four bytes, little-endian
        uint32_t ref;
    };
    static constexpr uint32_t kMultiplier = 0x9E3779B1u;
    static constexpr uint32_t kSecondMultiplier = 0x85EBCA77u;

    // The bit table's word: the register width, so that a 32-bit build tests a key with
    // 32-bit operations only.
    using Word = std::conditional_t<sizeof(void*) >= 8, uint64_t, uint32_t>;
    static constexpr unsigned kWordBits = sizeof(Word) * 8;
    static constexpr unsigned kWordLog = kWordBits == 64 ? 6 : 5;

    void Build(const std::vector<Entry>& entries);
    bool Empty() const { return m_entries.empty(); }
    size_t MemoryBytes() const
    {
        return m_bits.capacity() * sizeof(Word) + m_bucketStart.capacity() * 4 + m_entries.capacity() * sizeof(Entry);
    }

    // The two bits a key sets in its word of the bit table: both must be set for a hit, so
    // that only a few positions in a thousand that hold no key reach the buckets.
    static Word BitPair(uint32_t key)
    {
        const uint32_t g = key * kSecondMultiplier;
        return (Word(1) << (g >> (32 - kWordLog))) | (Word(1) << ((g >> 20) & (kWordBits - 1)));
    }

    // Calls hit(position, ref) for every key found at from, from + stride, ... below to;
    // stops and answers true as soon as hit does.
    template <typename Hit>
    bool Scan(const uint8_t* data, uint64_t base, uint64_t from, uint64_t to, unsigned stride, Hit&& hit) const
    {
        if (from >= to)
            return false;
        const Word* bits = m_bits.data();
        const unsigned shift = m_wordShift;
        const uint8_t* p = data + (from - base);
        const size_t count = size_t((to - from + stride - 1) / stride);
        for (size_t i = 0; i < count; ++i, p += stride) {
            uint32_t v;
            __builtin_memcpy(&v, p, 4);
            const Word pair = BitPair(v);
            if (__builtin_expect((bits[(v * kMultiplier) >> shift] & pair) == pair, 0) &&
                Lookup(v, base + uint64_t(p - data), hit))
                return true;
        }
        return false;
    }

private:
    template <typename Hit> bool Lookup(uint32_t v, uint64_t pos, Hit& hit) const
    {
        const uint32_t bucket = (v * kMultiplier) >> m_bucketShift;
        for (uint32_t e = m_bucketStart[bucket]; e < m_bucketStart[bucket + 1]; ++e)
            if (m_entries[e].key == v && hit(pos, m_entries[e].ref))
                return true;
        return false;
    }

    std::vector<Word> m_bits;
    unsigned m_wordShift = 32;
    std::vector<uint32_t> m_bucketStart;
    unsigned m_bucketShift = 32;
    std::vector<Entry> m_entries;
};

}  // namespace kelvex
