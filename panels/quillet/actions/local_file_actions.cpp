// LocalFileActions: the file operations on an infected local file. No operation deletes or
// overwrites a file other than the one it was asked to act on.
#include "local_file_actions.h"

#include <vector>

#include "file_blocks.h"

namespace {

// Puts back the attributes a failed operation had cleared.
void RestoreAttributes(const std::string& path, DWORD attributes)
{
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(path.c_str(), attributes);
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

LocalFileActions::LocalFileActions() : m_isLeadByte(AnsiLeadByte) { }

bool LocalFileActions::AnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != FALSE;
}

bool LocalFileActions::MakeWritable(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if (!(attributes & FILE_ATTRIBUTE_READONLY))
        return true;
    // A file whose only attribute was read-only must be given "normal", not 0.
    const DWORD writable = attributes & ~FILE_ATTRIBUTE_READONLY;
    return SetFileAttributesA(path.c_str(), writable ? writable : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool LocalFileActions::Delete(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (!MakeWritable(path))
        return false;
    if (DeleteFileA(path.c_str()))
        return true;
    const DWORD error = GetLastError();
    RestoreAttributes(path, attributes);
    SetLastError(error);
    return false;
}

bool LocalFileActions::Purge(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (!MakeWritable(path))
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        RestoreAttributes(path, attributes);
        return false;
    }
    LARGE_INTEGER size = {};
    bool whole = GetFileSizeEx(file, &size) != FALSE;
    const std::vector<char> zeros(kPurgeBlockBytes, 0);
    for (LONGLONG left = size.QuadPart; whole && left > 0;) {
        const DWORD block = static_cast<DWORD>(left < kPurgeBlockBytes ? left : kPurgeBlockBytes);
        DWORD written = 0;
        whole = WriteFile(file, zeros.data(), block, &written, nullptr) && written == block;
        left -= block;
    }
    whole = whole && FlushFileBuffers(file);
    CloseHandle(file);
    if (whole && DeleteFileA(path.c_str()))
        return true;
    RestoreAttributes(path, attributes);
    return false;
}

std::string LocalFileActions::RenameTarget(const std::string& path, const std::string& extension) const
{
    return local_file_names::RenameTarget(path, extension, m_isLeadByte);
}

std::string LocalFileActions::MoveTarget(const std::string& directory, const std::string& path) const
{
    return local_file_names::MoveTarget(directory, path, m_isLeadByte);
}

std::string LocalFileActions::RenameAndMoveTarget(
    const std::string& directory, const std::string& path, const std::string& extension) const
{
    return local_file_names::RenameAndMoveTarget(directory, path, extension, m_isLeadByte);
}

bool LocalFileActions::Rename(const std::string& path, const std::string& extension)
{
    return RenameOrCopy(path, RenameTarget(path, extension));
}

bool LocalFileActions::Move(const std::string& path, const std::string& directory)
{
    return RenameOrCopy(path, MoveTarget(directory, path));
}

bool LocalFileActions::RenameAndMove(const std::string& path, const std::string& directory, const std::string& extension)
{
    return SafeCopy(path, RenameAndMoveTarget(directory, path, extension));
}

bool LocalFileActions::RenameOrCopy(const std::string& path, const std::string& target)
{
    if (local_file_names::SameName(path, target))
        return false;
    // Neither replacing nor copying: a taken name or another volume goes to the safe copy, so
    // that no file is overwritten and the source stays until its copy is whole.
    if (MoveFileExA(path.c_str(), target.c_str(), 0)) {
        m_lastTarget = target;
        return true;
    }
    return SafeCopy(path, target);
}

HANDLE LocalFileActions::CreateFreeName(const std::string& target, std::string& created) const
{
    std::string candidate = target;
    for (int tries = 0;; ++tries) {
        HANDLE file = CreateFileA(
            candidate.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            created = candidate;
            return file;
        }
        const DWORD error = GetLastError();
        const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS || Exists(candidate);
        if (!taken || tries == kNumberedTries)
            return INVALID_HANDLE_VALUE;
        candidate = local_file_names::NumberedName(target, tries, m_isLeadByte);
    }
}

bool LocalFileActions::SafeCopy(const std::string& path, const std::string& target)
{
    if (local_file_names::SameName(path, target))
        return false;
    // Others may read the source meanwhile, but not change it, so the copy is of one state.
    HANDLE source = CreateFileA(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (source == INVALID_HANDLE_VALUE)
        return false;
    std::string created;
    HANDLE copy = CreateFreeName(target, created);
    if (copy == INVALID_HANDLE_VALUE) {
        CloseHandle(source);
        return false;
    }
    FILETIME written = {};
    bool whole = file_blocks::CopyAll(source, copy) && file_blocks::SameContent(source, copy);
    if (whole && GetFileTime(source, nullptr, nullptr, &written))
        SetFileTime(copy, nullptr, nullptr, &written);
    CloseHandle(copy);
    CloseHandle(source);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    // Only now, with a whole copy in place, may the source go; when it cannot, the copy goes.
    if (!whole || !Delete(path)) {
        DeleteFileA(created.c_str());
        return false;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(created.c_str(), attributes);
    m_lastTarget = created;
    return true;
}
