// Short codes resolve in one table look-up; the rare longer ones walk the lengths.
#include "huffman_table.h"

#include <algorithm>

namespace torpin {

void HuffmanTable::constant(std::uint16_t symbol) {
    std::fill(table_.begin(), table_.end(), static_cast<std::uint32_t>(symbol));
}

bool HuffmanTable::build(const std::uint8_t* lengths, int count) {
    std::fill(std::begin(count_), std::end(count_), 0u);
    for (int s = 0; s < count; ++s) {
        if (lengths[s] > 16) return false;
        ++count_[lengths[s]];
    }
    count_[0] = 0;
    int left = 1;
    for (int len = 1; len <= 16; ++len) {
        left = (left << 1) - static_cast<int>(count_[len]);
        if (left < 0) return false;
    }
    std::uint32_t code = 0, index = 0;
    for (int len = 1; len <= 16; ++len) {
        first_[len] = code;
        offset_[len] = index;
        code = (code + count_[len]) << 1;
        index += count_[len];
    }
    sorted_.assign(index, 0);
    std::uint32_t next[17];
    std::copy(std::begin(offset_), std::end(offset_), next);
    for (int s = 0; s < count; ++s)
        if (lengths[s]) sorted_[next[lengths[s]]++] = static_cast<std::uint16_t>(s);

    std::fill(table_.begin(), table_.end(), kInvalid);
    for (int len = 1; len <= 16; ++len) {
        for (std::uint32_t k = 0; k < count_[len]; ++k) {
            std::uint32_t c = first_[len] + k;
            std::uint16_t symbol = sorted_[offset_[len] + k];
            if (len <= tableBits_) {
                std::uint32_t start = c << (tableBits_ - len);
                std::uint32_t span = 1u << (tableBits_ - len);
                std::uint32_t entry = (static_cast<std::uint32_t>(len) << 16) | symbol;
                std::fill(table_.begin() + start, table_.begin() + start + span, entry);
            } else {
                table_[c >> (len - tableBits_)] = kLong;
            }
        }
    }
    return true;
}

int HuffmanTable::decodeLong(BitReader& bits, std::uint32_t v) const {
    for (int len = tableBits_ + 1; len <= 16; ++len) {
        std::uint32_t c = v >> (16 - len);
        if (c - first_[len] < count_[len]) {
            bits.skip(len);
            return sorted_[offset_[len] + (c - first_[len])];
        }
    }
    return -1;
}

}  // namespace torpin
