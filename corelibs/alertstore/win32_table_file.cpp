// Positioned reads and writes of the record table through overlapped offsets.
#include "win32_table_file.h"

Win32TableFile::Win32TableFile(const std::string& path, Mode mode)
{
    const DWORD access = mode == Mode::Write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const DWORD share = mode == Mode::Write ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const DWORD disposition = mode == Mode::Write ? OPEN_ALWAYS : OPEN_EXISTING;
    for (int attempt = 0; attempt < 100; ++attempt) {
        handle_ = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ != INVALID_HANDLE_VALUE)
            return;
        openError_ = GetLastError();
        if (openError_ != ERROR_SHARING_VIOLATION && openError_ != ERROR_LOCK_VIOLATION)
            return;
        Sleep(20);
    }
}

Win32TableFile::~Win32TableFile()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

std::optional<std::uint64_t> Win32TableFile::Size()
{
    LARGE_INTEGER size;
    if (handle_ == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle_, &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool Win32TableFile::ReadAt(std::uint64_t offset, std::uint8_t* data, std::size_t size)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    return handle_ != INVALID_HANDLE_VALUE && ReadFile(handle_, data, static_cast<DWORD>(size), &done, &at)
           && done == size;
}

bool Win32TableFile::WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    return handle_ != INVALID_HANDLE_VALUE && WriteFile(handle_, data, static_cast<DWORD>(size), &done, &at)
           && done == size;
}
