// Output of a decoder: memory, a file, or nowhere (for testing a member).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace torpin {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes could not be stored (disk full, write failure).
    virtual bool write(const std::uint8_t* data, std::size_t n) = 0;
};

class MemorySink final : public ByteSink {
public:
    bool write(const std::uint8_t* data, std::size_t n) override
    {
        bytes.insert(bytes.end(), data, data + n);
        return true;
    }
    std::vector<std::uint8_t> bytes;
};

class NullSink final : public ByteSink {
public:
    bool write(const std::uint8_t*, std::size_t) override { return true; }
};

// Writes to a file the caller opened and closes.
class FileSink final : public ByteSink {
public:
    explicit FileSink(std::FILE* file) : m_file(file) { }
    bool write(const std::uint8_t* data, std::size_t n) override { return std::fwrite(data, 1, n, m_file) == n; }

private:
    std::FILE* m_file;
};

}  // namespace torpin
