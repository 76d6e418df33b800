// Most-significant-bit-first reading of a bit stream, as the ARJ methods store it.
#pragma once

#include <cstdint>

#include "input_range.h"

namespace torpin {

class BitReader {
public:
    explicit BitReader(InputRange& input) : input_(input) {}

    // The next n bits (1..16) without using them up. Past the end of the input the
    // stream reads as zeros; overrun() then tells.
    std::uint32_t peek(int n) {
        if (count_ < n) refill();
        return static_cast<std::uint32_t>(bits_ >> (64 - n));
    }
    void skip(int n) {
        bits_ <<= n;
        count_ -= n;
    }
    std::uint32_t get(int n) {
        if (n == 0) return 0;
        std::uint32_t v = peek(n);
        skip(n);
        return v;
    }
    // True once more bits were used than the input held (a few bytes of slack allow
    // for the look-ahead).
    bool overrun() const { return zeros_ > 8; }

private:
    void refill() {
        while (count_ <= 56) {
            std::uint8_t b = 0;
            if (at_ == end_ && !more()) {
                ++zeros_;
            } else {
                b = *at_++;
            }
            bits_ |= static_cast<std::uint64_t>(b) << (56 - count_);
            count_ += 8;
        }
    }
    bool more() {
        input_.consume(consumed_);
        consumed_ = 0;
        std::size_t n = 0;
        if (!input_.fill(at_, n)) return false;
        end_ = at_ + n;
        consumed_ = n;
        return true;
    }

    InputRange& input_;
    const std::uint8_t* at_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::size_t consumed_ = 0;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    std::uint32_t zeros_ = 0;
};

}  // namespace torpin
