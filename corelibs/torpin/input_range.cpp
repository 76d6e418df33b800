// Refills the buffer only when it is used up, so decoders read the file in large blocks.
#include "input_range.h"

namespace torpin {

InputRange::InputRange(ByteSource& source, std::uint64_t start, std::uint64_t end, std::size_t bufferSize)
    : m_source(source), m_next(start), m_end(end < start ? start : end), m_buffer(bufferSize)
{
}

bool InputRange::fill(const std::uint8_t*& data, std::size_t& n)
{
    if (m_head == m_tail) {
        m_head = m_tail = 0;
        if (m_next >= m_end)
            return false;
        std::uint64_t left = m_end - m_next;
        std::size_t want = left < m_buffer.size() ? static_cast<std::size_t>(left) : m_buffer.size();
        std::size_t got = m_source.read(m_next, m_buffer.data(), want);
        if (got == 0) {
            m_end = m_next;  // a failed read ends the range
            return false;
        }
        m_next += got;
        m_tail = got;
    }
    data = m_buffer.data() + m_head;
    n = m_tail - m_head;
    return true;
}

}  // namespace torpin
