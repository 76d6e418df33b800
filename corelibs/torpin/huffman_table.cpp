// Short codes resolve in one table look-up; the rare longer ones walk the lengths.
#include "huffman_table.h"

#include <algorithm>

namespace torpin {

void HuffmanTable::constant(std::uint16_t symbol)
{
    std::fill(m_table.begin(), m_table.end(), static_cast<std::uint32_t>(symbol));
}

bool HuffmanTable::build(const std::uint8_t* lengths, int count)
{
    std::fill(std::begin(m_count), std::end(m_count), 0u);
    for (int s = 0; s < count; ++s) {
        if (lengths[s] > 16)
            return false;
        ++m_count[lengths[s]];
    }
    m_count[0] = 0;
    int left = 1;
    for (int len = 1; len <= 16; ++len) {
        left = (left << 1) - static_cast<int>(m_count[len]);
        if (left < 0)
            return false;
    }
    std::uint32_t code = 0, index = 0;
    for (int len = 1; len <= 16; ++len) {
        m_first[len] = code;
        m_offset[len] = index;
        code = (code + m_count[len]) << 1;
        index += m_count[len];
    }
    m_sorted.assign(index, 0);
    std::uint32_t next[17];
    std::copy(std::begin(m_offset), std::end(m_offset), next);
    for (int s = 0; s < count; ++s)
        if (lengths[s])
            m_sorted[next[lengths[s]]++] = static_cast<std::uint16_t>(s);

    std::fill(m_table.begin(), m_table.end(), kInvalid);
    for (int len = 1; len <= 16; ++len) {
        for (std::uint32_t k = 0; k < m_count[len]; ++k) {
            std::uint32_t c = m_first[len] + k;
            std::uint16_t symbol = m_sorted[m_offset[len] + k];
            if (len <= m_tableBits) {
                std::uint32_t start = c << (m_tableBits - len);
                std::uint32_t span = 1u << (m_tableBits - len);
                std::uint32_t entry = (static_cast<std::uint32_t>(len) << 16) | symbol;
                std::fill(m_table.begin() + start, m_table.begin() + start + span, entry);
            } else {
                m_table[c >> (len - m_tableBits)] = kLong;
            }
        }
    }
    return true;
}

int HuffmanTable::decodeLong(BitReader& bits, std::uint32_t v) const
{
    for (int len = m_tableBits + 1; len <= 16; ++len) {
        std::uint32_t c = v >> (16 - len);
        if (c - m_first[len] < m_count[len]) {
            bits.skip(len);
            return m_sorted[m_offset[len] + (c - m_first[len])];
        }
    }
    return -1;
}

}  // namespace torpin
