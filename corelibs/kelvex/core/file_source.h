// What the engine reads and repairs: a file, a sector or a memory buffer, by offset.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvex {

class FileSource {
public:
    virtual ~FileSource() = default;
    virtual uint64_t Size() const = 0;
    // Reads up to size bytes at offset; false on a read error. got is 0 at the end.
    virtual bool Read(uint64_t offset, void* buffer, size_t size, size_t& got) = 0;
    // Repairs; a read-only source answers false.
    virtual bool Write(uint64_t offset, const void* data, size_t size) = 0;
    virtual bool Truncate(uint64_t size) = 0;
    // False for a source whose size is fixed (a disk sector): a cure that would cut or grow
    // it is refused before anything is written.
    virtual bool Resizable() const { return true; }
};

class MemorySource : public FileSource {
public:
    explicit MemorySource(std::string bytes) : m_bytes(std::move(bytes)) { }
    uint64_t Size() const override { return m_bytes.size(); }
    bool Read(uint64_t offset, void* buffer, size_t size, size_t& got) override;
    bool Write(uint64_t offset, const void* data, size_t size) override;
    bool Truncate(uint64_t size) override;
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

}  // namespace kelvex
