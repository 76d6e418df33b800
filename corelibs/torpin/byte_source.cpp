// Random-access input over memory and over files larger than 4 GB.
#include "byte_source.h"

#include <cstring>

namespace torpin {
namespace {

int seekTo(std::FILE* f, std::uint64_t offset, int whence)
{
#ifdef _WIN32
    return _fseeki64(f, static_cast<long long>(offset), whence);
#else
    return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

std::uint64_t tellOf(std::FILE* f)
{
#ifdef _WIN32
    long long at = _ftelli64(f);
#else
    off_t at = ftello(f);
#endif
    return at < 0 ? 0 : static_cast<std::uint64_t>(at);
}

}  // namespace

std::size_t MemorySource::read(std::uint64_t offset, void* out, std::size_t n)
{
    if (n == 0 || offset >= m_size)
        return 0;
    std::size_t available = m_size - static_cast<std::size_t>(offset);
    std::size_t count = n < available ? n : available;
    std::memcpy(out, m_data + offset, count);
    return count;
}

FileSource::~FileSource()
{
    if (m_file)
        std::fclose(m_file);
}

bool FileSource::open(const std::string& path)
{
    m_file = std::fopen(path.c_str(), "rb");
    if (!m_file)
        return false;
    if (seekTo(m_file, 0, SEEK_END) != 0)
        return false;
    m_size = tellOf(m_file);
    m_position = m_size;
    return true;
}

std::size_t FileSource::read(std::uint64_t offset, void* out, std::size_t n)
{
    if (!m_file || n == 0 || offset >= m_size)
        return 0;
    if (m_position != offset) {
        if (seekTo(m_file, offset, SEEK_SET) != 0)
            return 0;
        m_position = offset;
    }
    std::size_t count = std::fread(out, 1, n, m_file);
    m_position += count;
    return count;
}

}  // namespace torpin
