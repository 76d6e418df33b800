// The prefilter's table of four-byte keys: a blocked bit table (two bits of one word per key), then buckets of exact keys.
#pragma once
#include <cstddef>
#include <cstdint>
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

    void Build(const std::vector<Entry>& entries);
    bool Empty() const { return entries_.empty(); }
    size_t MemoryBytes() const { return bits_.capacity() * 8 + bucketStart_.capacity() * 4 + entries_.capacity() * sizeof(Entry); }

    // The two bits a key sets in its word of the bit table: both must be set for a hit, so
    // that only about one position in 200 that holds no key reaches the buckets.
    static uint64_t BitPair(uint32_t key) {
        const uint32_t g = key * kSecondMultiplier;
        return (uint64_t(1) << (g >> 26)) | (uint64_t(1) << ((g >> 20) & 63));
    }

    // Calls hit(position, ref) for every key found at from, from + stride, ... below to;
    // stops and answers true as soon as hit does.
    template <typename Hit>
    bool Scan(const uint8_t* data, uint64_t base, uint64_t from, uint64_t to, unsigned stride, Hit&& hit) const {
        const uint64_t* bits = bits_.data();
        const unsigned shift = wordShift_;
        const uint8_t* p = data + (from - base);
        for (uint64_t pos = from; pos < to; pos += stride, p += stride) {
            uint32_t v;
            __builtin_memcpy(&v, p, 4);
            const uint64_t pair = BitPair(v);
            if (__builtin_expect((bits[(v * kMultiplier) >> shift] & pair) == pair, 0) && Lookup(v, pos, hit))
                return true;
        }
        return false;
    }

private:
    template <typename Hit>
    bool Lookup(uint32_t v, uint64_t pos, Hit& hit) const {
        const uint32_t bucket = (v * kMultiplier) >> bucketShift_;
        for (uint32_t e = bucketStart_[bucket]; e < bucketStart_[bucket + 1]; ++e)
            if (entries_[e].key == v && hit(pos, entries_[e].ref)) return true;
        return false;
    }

    std::vector<uint64_t> bits_;
    unsigned wordShift_ = 32;
    std::vector<uint32_t> bucketStart_;
    unsigned bucketShift_ = 32;
    std::vector<Entry> entries_;
};

}  // namespace kelvex
