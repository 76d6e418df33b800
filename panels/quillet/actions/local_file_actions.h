// LocalFileActions: what the infection handling does to a file on a drive of this computer or
// a share: delete, purge, rename, move, rename and move, and the safe copy behind them.
#pragma once

#include <windows.h>

#include <string>

#include "local_file_names.h"

class LocalFileActions {
public:
    // Names are split by the double-byte rule of the ANSI code page.
    LocalFileActions();
    explicit LocalFileActions(local_file_names::LeadBytePredicate isLeadByte) : m_isLeadByte(isLeadByte) { }

    // The double-byte rule of the ANSI code page.
    static bool AnsiLeadByte(unsigned char byte);
    // Clears the read-only attribute and keeps the others.
    static bool MakeWritable(const std::string& path);

    bool Delete(const std::string& path);
    // Overwrites every byte with zeros, in blocks of 10240, then deletes; a file that could
    // not be overwritten to its end is left where it is and the purge fails.
    bool Purge(const std::string& path);

    std::string RenameTarget(const std::string& path, const std::string& extension) const;
    std::string MoveTarget(const std::string& directory, const std::string& path) const;
    std::string RenameAndMoveTarget(
        const std::string& directory, const std::string& path, const std::string& extension) const;

    // A rename or move of the entry when the name is free on the same volume, else the safe copy.
    bool Rename(const std::string& path, const std::string& extension);
    bool Move(const std::string& path, const std::string& directory);
    // Always the safe copy.
    bool RenameAndMove(const std::string& path, const std::string& directory, const std::string& extension);

    // Copies `path` to `target`, or to the first of its numbered names (last character 0 to 9)
    // that did not exist, created exclusively; only once the copy is complete and reads back
    // the same is `path` removed. On failure nothing but `path` stays, as it was.
    bool SafeCopy(const std::string& path, const std::string& target);

    // Where the last successful rename, move or copy put the file.
    const std::string& LastTarget() const { return m_lastTarget; }

    static constexpr DWORD kPurgeBlockBytes = 10240;
    // Numbered names tried after the target itself.
    static constexpr int kNumberedTries = 10;

private:
    bool RenameOrCopy(const std::string& path, const std::string& target);
    // The first free name of `target` and its numbered names, created; INVALID_HANDLE_VALUE when
    // all are taken or the folder takes no new file.
    HANDLE CreateFreeName(const std::string& target, std::string& created) const;

    local_file_names::LeadBytePredicate m_isLeadByte;
    std::string m_lastTarget;
};
