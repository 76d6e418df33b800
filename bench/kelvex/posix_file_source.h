// A read-only file source over a POSIX descriptor, for the benchmark.
#pragma once
#include "file_source.h"

class PosixFileSource : public kelvex::FileSource {
public:
    explicit PosixFileSource(const char* path);
    ~PosixFileSource() override;
    PosixFileSource(const PosixFileSource&) = delete;
    PosixFileSource& operator=(const PosixFileSource&) = delete;
    bool Valid() const { return m_fd >= 0; }
    uint64_t Size() const override { return m_size; }
    bool Read(uint64_t offset, void* buffer, size_t size, size_t& got) override;
    bool Write(uint64_t, const void*, size_t) override { return false; }
    bool Truncate(uint64_t) override { return false; }

private:
    int m_fd = -1;
    uint64_t m_size = 0;
};
