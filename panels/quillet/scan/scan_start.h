// What the Start command does before a job runs: the run guard, the archive extension list
// and the check of the move directory.
#pragma once

#include <windows.h>

#include <string>

#include "archive_library.h"
#include "local_scan_options.h"

// Where the user picks another move directory; "" when the choice was cancelled.
class DirectoryChooser {
public:
    virtual ~DirectoryChooser() = default;
    virtual std::string Choose(HWND owner) = 0;
};

// An Open dialog that lists folders: "All Files(*.*)", the file name "JUNK", the title
// "DIRECTORIES AVAILABLE"; the chosen file's folder is the answer.
class OpenDialogDirectoryChooser : public DirectoryChooser {
public:
    std::string Choose(HWND owner) override;
};

// A move action needs an existing move directory: the user may pick another or cancel the
// scan (then "Scan Cancelled" is shown). True when the scan may start.
bool CheckMoveDirectory(LocalScanOptions& options, HWND owner, DirectoryChooser& chooser);

// Hands the options' archive extensions to the archive library before a scan.
void PassArchiveExtensions(ArchiveLibrary& archive, DWORD library, const LocalScanOptions& options);
