// Random-access input over memory and over files larger than 4 GB.
#include "byte_source.h"

#include <cstring>

namespace torpin {
namespace {

int seekTo(std::FILE* f, std::uint64_t offset, int whence) {
#ifdef _WIN32
    return _fseeki64(f, static_cast<long long>(offset), whence);
#else
    return fseeko(f, static_cast<off_t>(offset), whence);
#endif
}

std::uint64_t tellOf(std::FILE* f) {
#ifdef _WIN32
    long long at = _ftelli64(f);
#else
    off_t at = ftello(f);
#endif
    return at < 0 ? 0 : static_cast<std::uint64_t>(at);
}

}  // namespace

std::size_t MemorySource::read(std::uint64_t offset, void* out, std::size_t n) {
    if (n == 0 || offset >= size_) return 0;
    std::size_t available = size_ - static_cast<std::size_t>(offset);
    std::size_t count = n < available ? n : available;
    std::memcpy(out, data_ + offset, count);
    return count;
}

FileSource::~FileSource() {
    if (file_) std::fclose(file_);
}

bool FileSource::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) return false;
    if (seekTo(file_, 0, SEEK_END) != 0) return false;
    size_ = tellOf(file_);
    position_ = size_;
    return true;
}

std::size_t FileSource::read(std::uint64_t offset, void* out, std::size_t n) {
    if (!file_ || n == 0 || offset >= size_) return 0;
    if (position_ != offset) {
        if (seekTo(file_, offset, SEEK_SET) != 0) return 0;
        position_ = offset;
    }
    std::size_t count = std::fread(out, 1, n, file_);
    position_ += count;
    return count;
}

}  // namespace torpin
