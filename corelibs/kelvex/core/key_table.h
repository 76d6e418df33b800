// The prefilter's table of four-byte keys: a bit table over a hash of the key, then buckets of exact keys.
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

    void Build(const std::vector<Entry>& entries);
    bool Empty() const { return entries_.empty(); }
    size_t MemoryBytes() const { return bits_.capacity() * 8 + bucketStart_.capacity() * 4 + entries_.capacity() * sizeof(Entry); }

    // Calls hit(position, ref) for every key found at from, from + stride, ... below to;
    // stops and answers true as soon as hit does.
    template <typename Hit>
    bool Scan(const uint8_t* data, uint64_t base, uint64_t from, uint64_t to, unsigned stride, Hit&& hit) const {
        const uint64_t* bits = bits_.data();
        const unsigned shift = bitShift_;
        for (uint64_t pos = from; pos < to; pos += stride) {
            uint32_t v;
            __builtin_memcpy(&v, data + (pos - base), 4);
            const uint32_t h = v * kMultiplier;
            if (__builtin_expect((bits[h >> shift >> 6] >> ((h >> shift) & 63)) & 1, 0)) {
                const uint32_t bucket = h >> bucketShift_;
                for (uint32_t e = bucketStart_[bucket]; e < bucketStart_[bucket + 1]; ++e)
                    if (entries_[e].key == v && hit(pos, entries_[e].ref)) return true;
            }
        }
        return false;
    }

private:
    std::vector<uint64_t> bits_;
    unsigned bitShift_ = 32;
    std::vector<uint32_t> bucketStart_;
    unsigned bucketShift_ = 32;
    std::vector<Entry> entries_;
};

}  // namespace kelvex
