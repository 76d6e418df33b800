// CopyToNewFile: each candidate name is created exclusively, so a file that appears between a
// check and the copy is never overwritten.
#include "exclusive_copy.h"

#include <windows.h>

#include <vector>

namespace {

bool CopyBytes(HANDLE from, HANDLE to)
{
    std::vector<char> block(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(from, block.data(), static_cast<DWORD>(block.size()), &read, nullptr))
            return false;
        if (read == 0)
            return true;
        DWORD written = 0;
        if (!WriteFile(to, block.data(), read, &written, nullptr) || written != read)
            return false;
    }
}

}  // namespace

std::string CopyToNewFile(const std::string& source, const std::string& target)
{
    if (target.empty() || lstrcmpiA(source.c_str(), target.c_str()) == 0)
        return {};
    HANDLE from = CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (from == INVALID_HANDLE_VALUE)
        return {};
    std::string candidate = target;
    std::string written;
    for (int attempt = 0; attempt <= 10 && written.empty(); ++attempt) {
        if (attempt > 0)
            candidate.back() = static_cast<char>('0' + attempt - 1);
        HANDLE to = CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (to == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            break;
        }
        const bool copied = CopyBytes(from, to);
        CloseHandle(to);
        if (copied)
            written = candidate;
        else
            DeleteFileA(candidate.c_str());
        break;
    }
    CloseHandle(from);
    return written;
}
