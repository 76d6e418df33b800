// The Start command's checks before a scan.
#include "scan_start.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "module.h"
#include "prompter.h"
#include "quillet_options_ids.h"
#include "quillet_scan_ids.h"

namespace {

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string OpenDialogDirectoryChooser::Choose(HWND owner)
{
    char file[MAX_PATH] = "JUNK";
    const std::string title = LoadResString(IDS_SCAN_DIRECTORIES_AVAILABLE);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "All Files(*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOVALIDATE | OFN_PATHMUSTEXIST;
    if (!GetOpenFileNameA(&dialog))
        return {};
    std::string chosen = file;
    // The dummy name stands for the folder the user went to.
    chosen.resize(dialog.nFileOffset > 0 ? dialog.nFileOffset : chosen.size());
    while (chosen.size() > 3 && (chosen.back() == '\\' || chosen.back() == '/'))
        chosen.pop_back();
    return chosen;
}

bool CheckMoveDirectory(LocalScanOptions& options, HWND owner, DirectoryChooser& chooser)
{
    if (options.infectionAction != kActionMove && options.infectionAction != kActionRenameAndMove)
        return true;
    const std::string directory(options.moveDirectory, strnlen(options.moveDirectory, sizeof options.moveDirectory));
    if (DirectoryExists(directory))
        return true;
    Prompter& prompter = Prompter::Current();
    const std::string caption = LoadResString(IDS_SCAN_CAPTION);
    const std::string question =
        LoadResString(IDS_SCAN_MOVE_DIRECTORY_INVALID) + directory + LoadResString(IDS_SCAN_CONTINUE_SCAN);
    std::string chosen;
    if (prompter.Show(owner, question, caption, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
        chosen = chooser.Choose(owner);
    // The record holds 99 characters and its NUL; a longer folder cannot be kept.
    if (chosen.empty() || chosen.size() >= sizeof options.moveDirectory) {
        prompter.Show(owner, LoadResString(IDS_SCAN_CANCELLED), caption, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    std::memset(options.moveDirectory, 0, sizeof options.moveDirectory);
    std::memcpy(options.moveDirectory, chosen.data(), chosen.size());
    return true;
}

void PassArchiveExtensions(ArchiveLibrary& archive, DWORD library, const LocalScanOptions& options)
{
    if (library)
        archive.SetExtensionList(
            library, &options.archiveExtensions[0][0], std::clamp(options.archiveCount, 0, kExtensionListCapacity));
}
