// Whole-file copies and comparisons through open handles.
#include "file_blocks.h"

#include <cstring>
#include <vector>

namespace file_blocks {

namespace {

constexpr DWORD kBlockBytes = 64 * 1024;

// Reads until `wanted` bytes or the end; false on a read error.
bool ReadBlock(HANDLE file, char* buffer, DWORD wanted, DWORD& got)
{
    got = 0;
    while (got < wanted) {
        DWORD read = 0;
        if (!ReadFile(file, buffer + got, wanted - got, &read, nullptr))
            return false;
        if (read == 0)
            break;
        got += read;
    }
    return true;
}

}  // namespace

bool Rewind(HANDLE file)
{
    LARGE_INTEGER start = {};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != FALSE;
}

bool CopyAll(HANDLE from, HANDLE to)
{
    if (!Rewind(from) || !Rewind(to))
        return false;
    std::vector<char> buffer(kBlockBytes);
    for (;;) {
        DWORD got = 0;
        if (!ReadBlock(from, buffer.data(), kBlockBytes, got))
            return false;
        if (got == 0)
            break;
        DWORD written = 0;
        if (!WriteFile(to, buffer.data(), got, &written, nullptr) || written != got)
            return false;
    }
    return SetEndOfFile(to) && FlushFileBuffers(to);
}

bool SameContent(HANDLE a, HANDLE b)
{
    if (!Rewind(a) || !Rewind(b))
        return false;
    std::vector<char> left(kBlockBytes), right(kBlockBytes);
    for (;;) {
        DWORD gotLeft = 0, gotRight = 0;
        if (!ReadBlock(a, left.data(), kBlockBytes, gotLeft) || !ReadBlock(b, right.data(), kBlockBytes, gotRight))
            return false;
        if (gotLeft != gotRight || std::memcmp(left.data(), right.data(), gotLeft) != 0)
            return false;
        if (gotLeft == 0)
            return true;
    }
}

}  // namespace file_blocks
