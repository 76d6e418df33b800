// LocalCureSession: a local file opened for the engine's cure in place. The content before the
// cure is kept in a copy beside the file, so that a cure the engine gives up on midway leaves
// the file as it was; the read-only attribute comes back after the cure either way.
#pragma once

#include <windows.h>

#include <string>

#include "local_file_names.h"

class LocalCureSession {
public:
    LocalCureSession();
    explicit LocalCureSession(local_file_names::LeadBytePredicate isLeadByte) : m_isLeadByte(isLeadByte) { }
    // A session dropped while open keeps its copy on disk: it may be the only good one.
    LocalCureSession(const LocalCureSession&) = delete;
    LocalCureSession& operator=(const LocalCureSession&) = delete;

    // A handle for reading and writing that nobody else shares, or INVALID_HANDLE_VALUE when
    // the file cannot be opened or its copy cannot be taken (a file is never cured without one).
    HANDLE Open(const std::string& path);
    // Closes the cure's handle. Not cured: the file gets its earlier content back. The copy is
    // removed once it is no longer needed; it stays when the content could not be put back.
    void Close(HANDLE file, bool cured);

    // The copy of the current cure; empty when none is kept.
    const std::string& BackupPath() const { return m_backup; }

private:
    // A new file in `folder` (empty: the current one) for the copy; its name goes to m_backup.
    HANDLE CreateBackupFile(const std::string& folder);
    bool TakeBackup(HANDLE file);

    static constexpr DWORD kBackupTries = 64;
    bool PutBack(HANDLE file);
    void RestoreReadOnly();

    local_file_names::LeadBytePredicate m_isLeadByte;
    std::string m_path;
    std::string m_backup;
    DWORD m_attributes = INVALID_FILE_ATTRIBUTES;
    FILETIME m_written = {};
};
