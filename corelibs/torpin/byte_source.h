// Random-access input: an archive file on disk or a block of memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace torpin {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Reads up to n bytes at offset; returns how many were read (short only at the end
    // or on a read failure).
    virtual std::size_t read(std::uint64_t offset, void* out, std::size_t n) = 0;

    // True when exactly n bytes could be read at offset.
    bool readExact(std::uint64_t offset, void* out, std::size_t n) { return read(offset, out, n) == n; }
};

class MemorySource final : public ByteSource {
public:
    MemorySource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) { }
    std::uint64_t size() const override { return m_size; }
    std::size_t read(std::uint64_t offset, void* out, std::size_t n) override;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

class FileSource final : public ByteSource {
public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    bool open(const std::string& path);
    std::uint64_t size() const override { return m_size; }
    std::size_t read(std::uint64_t offset, void* out, std::size_t n) override;

private:
    std::FILE* m_file = nullptr;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0;
};

}  // namespace torpin
