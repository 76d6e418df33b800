// A Win32 file handle as the engine's file source, reopening the path when a repair needs write access.
#pragma once
#include <windows.h>

#include <string>

#include "file_source.h"

namespace kelvex {

class Win32File : public FileSource {
public:
    // Reads through handle when it is usable, else opens path; Valid() tells whether either
    // worked and gave the file's size.
    Win32File(const char* path, HANDLE handle, bool forRepair);
    ~Win32File() override;
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    bool Valid() const { return m_read != INVALID_HANDLE_VALUE; }
    // The size when the file was taken up, followed through the repairs made here: one
    // scan sees one size, however the file changes meanwhile.
    uint64_t Size() const override { return m_size; }
    bool Read(uint64_t offset, void* buffer, size_t size, size_t& got) override;
    bool Write(uint64_t offset, const void* data, size_t size) override;
    bool Truncate(uint64_t size) override;

private:
    static constexpr uint64_t kUnknownPosition = ~uint64_t(0);

    HANDLE Writer();
    bool SeekReader(uint64_t offset);
    void Wrote(uint64_t end);

    std::string m_path;
    HANDLE m_read = INVALID_HANDLE_VALUE;
    HANDLE m_write = INVALID_HANDLE_VALUE;
    bool m_ownsRead = false;
    bool m_writerTried = false;
    uint64_t m_size = 0;
    // Where the read handle's file pointer stands after this object's last read, so that
    // reading on where the last read ended needs no seek.
    uint64_t m_position = kUnknownPosition;
};

}  // namespace kelvex
