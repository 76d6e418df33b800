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
    void consume(std::size_t n) { m_head += n; }
    bool atEnd() const { return m_head == m_tail && m_next >= m_end; }
    // Bytes of the range not yet consumed.
    std::uint64_t remaining() const { return (m_end - m_next) + (m_tail - m_head); }

private:
    ByteSource& m_source;
    std::uint64_t m_next;
    std::uint64_t m_end;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_head = 0;
    std::size_t m_tail = 0;
};

}  // namespace torpin
