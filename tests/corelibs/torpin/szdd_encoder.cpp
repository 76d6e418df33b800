// Greedy matching over hash chains; good enough to exercise every code of the format.
#include "szdd_encoder.h"

#include <vector>

namespace torpin::test {

Bytes szddEncode(const Bytes& data, char missingChar)
{
    Bytes out = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, 'A', static_cast<std::uint8_t>(missingChar)};
    put32(out, static_cast<std::uint32_t>(data.size()));
    std::vector<int> head(1 << 14, -1), chain(data.size(), -1);
    auto hash = [&](std::size_t i) { return ((data[i] << 6) ^ (data[i + 1] << 3) ^ data[i + 2]) & 0x3FFF; };
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t controlAt = out.size();
        out.push_back(0);
        for (int bit = 0; bit < 8 && i < data.size(); ++bit) {
            std::size_t bestLength = 0, bestFrom = 0;
            if (i + 3 <= data.size()) {
                int tries = 64;
                for (int c = head[hash(i)]; c >= 0 && tries-- > 0 && i - static_cast<std::size_t>(c) < 4096;
                     c = chain[c]) {
                    std::size_t n = 0;
                    while (n < 18 && i + n < data.size() && data[c + n] == data[i + n])
                        ++n;
                    if (n > bestLength) {
                        bestLength = n;
                        bestFrom = static_cast<std::size_t>(c);
                    }
                }
            }
            std::size_t step = 1;
            if (bestLength >= 3) {
                std::size_t position = (bestFrom + 0xFF0) & 0xFFF;
                out.push_back(static_cast<std::uint8_t>(position));
                out.push_back(static_cast<std::uint8_t>(((position >> 4) & 0xF0) | (bestLength - 3)));
                step = bestLength;
            } else {
                out[controlAt] |= static_cast<std::uint8_t>(1u << bit);
                out.push_back(data[i]);
            }
            for (std::size_t k = 0; k < step; ++k, ++i) {
                if (i + 3 <= data.size()) {
                    chain[i] = head[hash(i)];
                    head[hash(i)] = static_cast<int>(i);
                }
            }
        }
    }
    return out;
}

}  // namespace torpin::test
