// BoundedSource: counts what is read and watches the clock on every read.
#include "bounded_source.h"

namespace torpin {

BoundedSource::BoundedSource(ByteSource& inner, std::uint64_t maxBytes, std::chrono::milliseconds maxTime)
    : m_inner(inner), m_maxBytes(maxBytes), m_deadline(std::chrono::steady_clock::now() + maxTime)
{
}

std::size_t BoundedSource::read(std::uint64_t offset, void* out, std::size_t n)
{
    if (m_exhausted)
        return 0;
    if (n > m_maxBytes - m_bytesRead || std::chrono::steady_clock::now() > m_deadline) {
        m_exhausted = true;
        return 0;
    }
    std::size_t got = m_inner.read(offset, out, n);
    m_bytesRead += got;
    return got;
}

}  // namespace torpin
