// Win32File: positioned reads and writes through SetFilePointerEx, ReadFile and WriteFile.
#include "win32_file.h"

namespace kelvex {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool Usable(HANDLE h)
{
    LARGE_INTEGER size;
    return h && h != INVALID_HANDLE_VALUE && GetFileSizeEx(h, &size);
}

// True when both handles are open on one and the same file (volume and file index).
bool SameFile(HANDLE a, HANDLE b)
{
    BY_HANDLE_FILE_INFORMATION x, y;
    if (!GetFileInformationByHandle(a, &x) || !GetFileInformationByHandle(b, &y))
        return false;
    return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
        x.nFileIndexLow == y.nFileIndexLow;
}

bool Seek(HANDLE h, uint64_t offset)
{
    LARGE_INTEGER at;
    at.QuadPart = LONGLONG(offset);
    return SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
}

}  // namespace

Win32File::Win32File(const char* path, HANDLE handle, bool forRepair) : m_path(path ? path : "")
{
    if (Usable(handle)) {
        m_read = handle;
        return;
    }
    if (m_path.empty())
        return;
    const DWORD access = forRepair ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    m_read = CreateFileA(m_path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_read == INVALID_HANDLE_VALUE && forRepair)
        m_read = CreateFileA(
            m_path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_ownsRead = m_read != INVALID_HANDLE_VALUE;
}

Win32File::~Win32File()
{
    if (m_write != INVALID_HANDLE_VALUE && m_write != m_read)
        CloseHandle(m_write);
    if (m_ownsRead)
        CloseHandle(m_read);
}

uint64_t Win32File::Size() const
{
    LARGE_INTEGER size;
    return GetFileSizeEx(m_read, &size) ? uint64_t(size.QuadPart) : 0;
}

bool Win32File::Read(uint64_t offset, void* buffer, size_t size, size_t& got)
{
    got = 0;
    DWORD n = 0;
    if (!Seek(m_read, offset) || !ReadFile(m_read, buffer, DWORD(size), &n, nullptr))
        return false;
    got = n;
    return true;
}

// The handle the scanner passed may be read-only: try it, then the path with write access.
// The path may by now name another file (renamed or replaced since the scan): a repair is
// written only through a handle on the very file that was scanned.
HANDLE Win32File::Writer()
{
    if (m_write != INVALID_HANDLE_VALUE || m_writerTried)
        return m_write;
    m_writerTried = true;
    if (m_path.empty())
        return m_write;
    m_write = CreateFileA(m_path.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_write != INVALID_HANDLE_VALUE && !SameFile(m_read, m_write)) {
        CloseHandle(m_write);
        m_write = INVALID_HANDLE_VALUE;
    }
    return m_write;
}

bool Win32File::Write(uint64_t offset, const void* data, size_t size)
{
    DWORD n = 0;
    if (Seek(m_read, offset) && WriteFile(m_read, data, DWORD(size), &n, nullptr) && n == size)
        return true;
    HANDLE w = Writer();
    return w != INVALID_HANDLE_VALUE && Seek(w, offset) && WriteFile(w, data, DWORD(size), &n, nullptr) && n == size;
}

bool Win32File::Truncate(uint64_t size)
{
    if (Seek(m_read, size) && SetEndOfFile(m_read))
        return true;
    HANDLE w = Writer();
    return w != INVALID_HANDLE_VALUE && Seek(w, size) && SetEndOfFile(w);
}

}  // namespace kelvex
