// The kind of a file in the panel's file list, which picks its icon; a file a scan would not
// look at is not listed at all.
#pragma once

#include <functional>
#include <string>

#include "scan_item_rules.h"

enum FileListKind : int { kFileNotListed = 0, kFileExecutable = 2, kFilePlain = 3, kFileArchive = 5, kFileMailDatabase = 6 };

struct FileKindRules {
    scan_rules::PlainFileRule plain;
    bool scanArchives = false;
    bool scanMailDatabases = false;
    bool mailAgentConnected = false;
    // The archive library's type of the file (1, 2 and 4 are archives it opens).
    std::function<int(const std::string& name)> archiveType;
    std::function<bool(const std::string& extension)> isMailDatabaseExtension;
};

// In this order: the rename extension (and its digit variants) is never listed; the executable
// list gives 2; an archive with an extension 5; a mail database 6; otherwise 3, or not listed
// when only executables are scanned.
FileListKind KindOfFile(const std::string& name, const FileKindRules& rules);
