// The record table opened through Windows with its sharing rules.
#pragma once

#include <windows.h>

#include <string>

#include "alert_table.h"

class Win32TableFile : public TableFile {
public:
    enum class Mode {
        Read,  // readers share with everyone, so the service can write meanwhile
        Write,  // one writer at a time; readers may stay; created when missing
    };

    // A sharing conflict with another writer is waited out for a bounded time.
    Win32TableFile(const std::string& path, Mode mode);
    ~Win32TableFile() override;
    Win32TableFile(const Win32TableFile&) = delete;
    Win32TableFile& operator=(const Win32TableFile&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    DWORD OpenError() const { return m_openError; }

    std::optional<std::uint64_t> Size() override;
    bool ReadAt(std::uint64_t offset, std::uint8_t* data, std::size_t size) override;
    bool WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size) override;

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    DWORD m_openError = 0;
};
