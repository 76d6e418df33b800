// Win32File: reads and repairs through ReadFile, WriteFile and SetEndOfFile at tracked positions.
#include "win32_file.h"

#include <algorithm>

namespace kelvex {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// One ReadFile never asks for more than this, whatever the caller's buffer.
constexpr size_t kLargestRead = 1u << 30;

// The size is asked once per file: under Wine every query is a stat and an attribute read.
bool SizeOf(HANDLE h, uint64_t& size)
{
    LARGE_INTEGER value;
    if (!h || h == INVALID_HANDLE_VALUE || !GetFileSizeEx(h, &value) || value.QuadPart < 0)
        return false;
    size = uint64_t(value.QuadPart);
    return true;
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

HANDLE OpenPath(const std::string& path, DWORD access)
{
    return CreateFileA(path.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

Win32File::Win32File(const char* path, HANDLE handle, bool forRepair) : m_path(path ? path : "")
{
    if (SizeOf(handle, m_size)) {
        m_read = handle;
        return;
    }
    if (m_path.empty())
        return;
    m_read = OpenPath(m_path, forRepair ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ);
    if (m_read == INVALID_HANDLE_VALUE && forRepair)
        m_read = OpenPath(m_path, GENERIC_READ);
    if (m_read == INVALID_HANDLE_VALUE)
        return;
    m_ownsRead = true;
    // A file whose size cannot be had would pass for an empty, clean one.
    if (!SizeOf(m_read, m_size)) {
        CloseHandle(m_read);
        m_read = INVALID_HANDLE_VALUE;
        m_ownsRead = false;
    }
}

Win32File::~Win32File()
{
    if (m_write != INVALID_HANDLE_VALUE && m_write != m_read)
        CloseHandle(m_write);
    if (m_ownsRead)
        CloseHandle(m_read);
}

bool Win32File::SeekReader(uint64_t offset)
{
    if (m_position == offset)
        return true;
    m_position = kUnknownPosition;
    if (!Seek(m_read, offset))
        return false;
    m_position = offset;
    return true;
}

bool Win32File::Read(uint64_t offset, void* buffer, size_t size, size_t& got)
{
    got = 0;
    if (!SeekReader(offset))
        return false;
    DWORD n = 0;
    if (!ReadFile(m_read, buffer, DWORD(std::min(size, kLargestRead)), &n, nullptr)) {
        m_position = kUnknownPosition;
        return false;
    }
    m_position = offset + n;
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
    m_write = OpenPath(m_path, GENERIC_READ | GENERIC_WRITE);
    if (m_write != INVALID_HANDLE_VALUE && !SameFile(m_read, m_write)) {
        CloseHandle(m_write);
        m_write = INVALID_HANDLE_VALUE;
    }
    return m_write;
}

// A write may extend the file: the next scan of the repaired file sees its new end.
void Win32File::Wrote(uint64_t end)
{
    m_size = std::max(m_size, end);
}

bool Win32File::Write(uint64_t offset, const void* data, size_t size)
{
    // Writing moves the read handle's pointer (or leaves it where a failed write stopped).
    m_position = kUnknownPosition;
    DWORD n = 0;
    if (Seek(m_read, offset) && WriteFile(m_read, data, DWORD(size), &n, nullptr) && n == size) {
        Wrote(offset + size);
        return true;
    }
    HANDLE w = Writer();
    if (w == INVALID_HANDLE_VALUE || !Seek(w, offset) || !WriteFile(w, data, DWORD(size), &n, nullptr) || n != size)
        return false;
    Wrote(offset + size);
    return true;
}

bool Win32File::Truncate(uint64_t size)
{
    m_position = kUnknownPosition;
    bool done = Seek(m_read, size) && SetEndOfFile(m_read);
    if (!done) {
        HANDLE w = Writer();
        done = w != INVALID_HANDLE_VALUE && Seek(w, size) && SetEndOfFile(w);
    }
    if (done)
        m_size = size;
    return done;
}

}  // namespace kelvex
