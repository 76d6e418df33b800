// LocalCureSession: open for cure with a copy taken first, close with the copy removed or put back.
#include "local_cure_session.h"

#include "file_blocks.h"
#include "local_file_actions.h"

LocalCureSession::LocalCureSession() : m_isLeadByte(LocalFileActions::AnsiLeadByte) { }

HANDLE LocalCureSession::Open(const std::string& path)
{
    m_path = path;
    m_backup.clear();
    m_attributes = GetFileAttributesA(path.c_str());
    if (m_attributes == INVALID_FILE_ATTRIBUTES || !LocalFileActions::MakeWritable(path))
        return INVALID_HANDLE_VALUE;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        RestoreReadOnly();
        return INVALID_HANDLE_VALUE;
    }
    if (!TakeBackup(file)) {
        CloseHandle(file);
        RestoreReadOnly();
        return INVALID_HANDLE_VALUE;
    }
    GetFileTime(file, nullptr, nullptr, &m_written);
    file_blocks::Rewind(file);
    return file;
}

HANDLE LocalCureSession::CreateBackupFile(const std::string& folder)
{
    // "VXC" and five hex digits: a name of our own, created only where nothing stands yet.
    constexpr size_t kLeafLength = 12;
    if (folder.size() + kLeafLength >= MAX_PATH)
        return INVALID_HANDLE_VALUE;
    const DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 12);
    for (DWORD attempt = 0; attempt < kBackupTries; ++attempt) {
        char leaf[kLeafLength + 1];
        wsprintfA(leaf, "VXC%05lX.TMP", static_cast<unsigned long>((seed + attempt) & 0xFFFFF));
        const std::string candidate = folder + leaf;
        HANDLE backup =
            CreateFileA(candidate.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        if (backup != INVALID_HANDLE_VALUE) {
            m_backup = candidate;
            return backup;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return INVALID_HANDLE_VALUE;
    }
    return INVALID_HANDLE_VALUE;
}

bool LocalCureSession::TakeBackup(HANDLE file)
{
    const size_t separator = local_file_names::LastSeparator(m_path, m_isLeadByte);
    const std::string folder = separator == std::string::npos ? std::string() : m_path.substr(0, separator + 1);
    // The copy goes beside the file, so that it lies on the same volume, under a new name, so
    // that no file of the user's is touched.
    HANDLE backup = CreateBackupFile(folder);
    if (backup == INVALID_HANDLE_VALUE)
        return false;
    const bool whole = file_blocks::CopyAll(file, backup) && file_blocks::SameContent(file, backup);
    CloseHandle(backup);
    if (!whole) {
        DeleteFileA(m_backup.c_str());
        m_backup.clear();
    }
    return whole;
}

bool LocalCureSession::PutBack(HANDLE file)
{
    HANDLE backup = CreateFileA(m_backup.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (backup == INVALID_HANDLE_VALUE)
        return false;
    const bool whole = file_blocks::CopyAll(backup, file) && file_blocks::SameContent(backup, file);
    CloseHandle(backup);
    if (whole)
        SetFileTime(file, nullptr, nullptr, &m_written);
    return whole;
}

void LocalCureSession::Close(HANDLE file, bool cured)
{
    if (file != INVALID_HANDLE_VALUE) {
        const bool copyDone = cured || m_backup.empty() || PutBack(file);
        CloseHandle(file);
        if (copyDone && !m_backup.empty())
            DeleteFileA(m_backup.c_str());
        if (copyDone)
            m_backup.clear();
    }
    RestoreReadOnly();
}

void LocalCureSession::RestoreReadOnly()
{
    if (m_attributes != INVALID_FILE_ATTRIBUTES && (m_attributes & FILE_ATTRIBUTE_READONLY)) {
        const DWORD now = GetFileAttributesA(m_path.c_str());
        if (now != INVALID_FILE_ATTRIBUTES)
            SetFileAttributesA(m_path.c_str(), (now & ~FILE_ATTRIBUTE_NORMAL) | FILE_ATTRIBUTE_READONLY);
    }
    m_attributes = INVALID_FILE_ATTRIBUTES;
}
