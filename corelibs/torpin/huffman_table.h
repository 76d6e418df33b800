// Canonical Huffman decoding from a list of code lengths (at most 16 bits).
#pragma once

#include <cstdint>
#include <vector>

#include "bit_reader.h"

namespace torpin {

class HuffmanTable {
public:
    explicit HuffmanTable(int tableBits) : m_tableBits(tableBits), m_table(std::size_t {1} << tableBits) { }

    // False for an over-subscribed set of lengths; an incomplete set is kept and its
    // unused codes decode as errors.
    bool build(const std::uint8_t* lengths, int count);
    // Every code decodes to symbol without using any bits.
    void constant(std::uint16_t symbol);

    // The next symbol, or -1 for a code that no symbol has.
    int decode(BitReader& bits) const
    {
        std::uint32_t v = bits.peek(16);
        std::uint32_t e = m_table[v >> (16 - m_tableBits)];
        if (e < kLong) {
            bits.skip(static_cast<int>(e >> 16));
            return static_cast<int>(e & 0xFFFF);
        }
        return e == kLong ? decodeLong(bits, v) : -1;
    }

private:
    static constexpr std::uint32_t kInvalid = 0xFFFFFFFF;
    static constexpr std::uint32_t kLong = 0xFFFFFFFE;

    int decodeLong(BitReader& bits, std::uint32_t v) const;

    int m_tableBits;
    std::vector<std::uint32_t> m_table;  // (length << 16) | symbol, or a marker
    std::uint32_t m_first[17] = {};
    std::uint32_t m_count[17] = {};
    std::uint32_t m_offset[17] = {};
    std::vector<std::uint16_t> m_sorted;
};

}  // namespace torpin
