// Positioned reads and writes of the record table through overlapped offsets.
#include "win32_table_file.h"

Win32TableFile::Win32TableFile(const std::string& path, Mode mode)
{
    const DWORD access = mode == Mode::Write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const DWORD share = mode == Mode::Write ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const DWORD disposition = mode == Mode::Write ? OPEN_ALWAYS : OPEN_EXISTING;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_handle = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_handle != INVALID_HANDLE_VALUE)
            return;
        m_openError = GetLastError();
        if (m_openError != ERROR_SHARING_VIOLATION && m_openError != ERROR_LOCK_VIOLATION)
            return;
        Sleep(20);
    }
}

Win32TableFile::~Win32TableFile()
{
    if (m_handle != INVALID_HANDLE_VALUE)
        CloseHandle(m_handle);
}

std::optional<std::uint64_t> Win32TableFile::Size()
{
    LARGE_INTEGER size;
    if (m_handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_handle, &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool Win32TableFile::ReadAt(std::uint64_t offset, std::uint8_t* data, std::size_t size)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    return m_handle != INVALID_HANDLE_VALUE && ReadFile(m_handle, data, static_cast<DWORD>(size), &done, &at) &&
        done == size;
}

bool Win32TableFile::WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size)
{
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    return m_handle != INVALID_HANDLE_VALUE && WriteFile(m_handle, data, static_cast<DWORD>(size), &done, &at) &&
        done == size;
}
