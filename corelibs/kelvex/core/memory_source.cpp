// MemorySource: a file held in memory, for sectors, buffers and tests.
#include <cstring>

#include "file_source.h"

namespace kelvex {

bool MemorySource::Read(uint64_t offset, void* buffer, size_t size, size_t& got) {
    got = 0;
    if (offset >= bytes_.size()) return true;
    got = size < bytes_.size() - offset ? size : size_t(bytes_.size() - offset);
    std::memcpy(buffer, bytes_.data() + offset, got);
    return true;
}

bool MemorySource::Write(uint64_t offset, const void* data, size_t size) {
    if (offset > bytes_.size()) return false;
    if (offset + size > bytes_.size()) bytes_.resize(offset + size);
    std::memcpy(bytes_.data() + offset, data, size);
    return true;
}

bool MemorySource::Truncate(uint64_t size) {
    if (size > bytes_.size()) return false;
    bytes_.resize(size);
    return true;
}

}  // namespace kelvex
