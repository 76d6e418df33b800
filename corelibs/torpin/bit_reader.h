// Most-significant-bit-first reading of a bit stream, as the ARJ methods store it.
#pragma once

#include <cstdint>

#include "input_range.h"

namespace torpin {

class BitReader {
public:
    explicit BitReader(InputRange& input) : m_input(input) { }

    // The next n bits (1..16) without using them up. Past the end of the input the
    // stream reads as zeros; overrun() then tells.
    std::uint32_t peek(int n)
    {
        if (m_count < n)
            refill();
        return static_cast<std::uint32_t>(m_bits >> (64 - n));
    }
    void skip(int n)
    {
        m_bits <<= n;
        m_count -= n;
    }
    std::uint32_t get(int n)
    {
        if (n == 0)
            return 0;
        std::uint32_t v = peek(n);
        skip(n);
        return v;
    }
    // True once more bits were used than the input held (a few bytes of slack allow
    // for the look-ahead).
    bool overrun() const { return m_zeros > 8; }

private:
    void refill()
    {
        while (m_count <= 56) {
            std::uint8_t b = 0;
            if (m_at == m_end && !more()) {
                ++m_zeros;
            } else {
                b = *m_at++;
            }
            m_bits |= static_cast<std::uint64_t>(b) << (56 - m_count);
            m_count += 8;
        }
    }
    bool more()
    {
        m_input.consume(m_consumed);
        m_consumed = 0;
        std::size_t n = 0;
        if (!m_input.fill(m_at, n))
            return false;
        m_end = m_at + n;
        m_consumed = n;
        return true;
    }

    InputRange& m_input;
    const std::uint8_t* m_at = nullptr;
    const std::uint8_t* m_end = nullptr;
    std::size_t m_consumed = 0;
    std::uint64_t m_bits = 0;
    int m_count = 0;
    std::uint32_t m_zeros = 0;
};

}  // namespace torpin
