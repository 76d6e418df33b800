// PosixFileSource: pread on an open descriptor.
#include "posix_file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

PosixFileSource::PosixFileSource(const char* path) : fd_(open(path, O_RDONLY)) {
    struct stat st;
    if (fd_ >= 0 && fstat(fd_, &st) == 0) size_ = uint64_t(st.st_size);
}

PosixFileSource::~PosixFileSource() {
    if (fd_ >= 0) close(fd_);
}

bool PosixFileSource::Read(uint64_t offset, void* buffer, size_t size, size_t& got) {
    got = 0;
    ssize_t n = pread(fd_, buffer, size, off_t(offset));
    if (n < 0) return false;
    got = size_t(n);
    return true;
}
