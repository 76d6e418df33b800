// A boot sector as the engine's file source: repairs may change its bytes, never its size.
#pragma once
#include "file_source.h"

namespace kelvex {

class SectorSource : public MemorySource {
public:
    using MemorySource::MemorySource;
    bool Write(uint64_t offset, const void* data, size_t size) override
    {
        return offset <= Size() && size <= Size() - offset && MemorySource::Write(offset, data, size);
    }
    bool Truncate(uint64_t) override { return false; }
    bool Resizable() const override { return false; }
};

}  // namespace kelvex
