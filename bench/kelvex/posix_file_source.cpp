// PosixFileSource: pread on an open descriptor.
#include "posix_file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PosixFileSource::PosixFileSource(const char* path) : m_fd(open(path, O_RDONLY))
{
    struct stat st;
    if (m_fd >= 0 && fstat(m_fd, &st) == 0)
        m_size = uint64_t(st.st_size);
}

PosixFileSource::~PosixFileSource()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool PosixFileSource::Read(uint64_t offset, void* buffer, size_t size, size_t& got)
{
    got = 0;
    ssize_t n = pread(m_fd, buffer, size, off_t(offset));
    if (n < 0)
        return false;
    got = size_t(n);
    return true;
}
