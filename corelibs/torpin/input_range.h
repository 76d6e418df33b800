// Buffered, sequential reading of one stretch [start, end) of a source.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "byte_source.h"

namespace torpin {

class InputRange {
public:
    InputRange(ByteSource& source, std::uint64_t start, std::uint64_t end, std::size_t bufferSize = 64 * 1024);

    // The next run of buffered bytes; empty at the end of the range or on a read failure.
    // The caller says with consume() how many it used.
    bool fill(const std::uint8_t*& data, std::size_t& n);
    void consume(std::size_t n) { head_ += n; }
    bool atEnd() const { return head_ == tail_ && next_ >= end_; }
    // Bytes of the range not yet consumed.
    std::uint64_t remaining() const { return (end_ - next_) + (tail_ - head_); }

private:
    ByteSource& source_;
    std::uint64_t next_;
    std::uint64_t end_;
    std::vector<std::uint8_t> buffer_;
    std::size_t head_ = 0;
    std::size_t tail_ = 0;
};

}  // namespace torpin
