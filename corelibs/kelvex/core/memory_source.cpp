// MemorySource: a file held in memory, for sectors, buffers and tests.
#include <cstring>

#include "file_source.h"

namespace kelvex {

bool MemorySource::Read(uint64_t offset, void* buffer, size_t size, size_t& got)
{
    got = 0;
    if (offset >= m_bytes.size())
        return true;
    got = size < m_bytes.size() - offset ? size : size_t(m_bytes.size() - offset);
    std::memcpy(buffer, m_bytes.data() + offset, got);
    return true;
}

bool MemorySource::Write(uint64_t offset, const void* data, size_t size)
{
    if (offset > m_bytes.size())
        return false;
    if (offset + size > m_bytes.size())
        m_bytes.resize(offset + size);
    std::memcpy(m_bytes.data() + offset, data, size);
    return true;
}

bool MemorySource::Truncate(uint64_t size)
{
    if (size > m_bytes.size())
        return false;
    m_bytes.resize(size);
    return true;
}

}  // namespace kelvex
