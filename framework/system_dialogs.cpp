// The system's file, printer and folder choosers, and the seam that replaces them in tests.
#include "system_dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

namespace {

SystemDialogs* g_installed = nullptr;

bool RunFileDialog(FileDialogRequest& request, bool save)
{
    std::string filter = FilterFromBars(request.filter);
    std::vector<char> path(32768, '\0');
    request.path.copy(path.data(), path.size() - 1);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = request.filterIndex;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    dialog.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
    dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | request.flags |
        (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    bool chosen = save ? GetSaveFileNameA(&dialog) != FALSE : GetOpenFileNameA(&dialog) != FALSE;
    if (chosen) {
        request.path = path.data();
        request.filterIndex = dialog.nFilterIndex;
    }
    return chosen;
}

}  // namespace

SystemDialogs& SystemDialogs::Current()
{
    static WindowsSystemDialogs system;
    return g_installed ? *g_installed : system;
}

SystemDialogs* SystemDialogs::Install(SystemDialogs* dialogs)
{
    SystemDialogs* previous = g_installed;
    g_installed = dialogs;
    return previous;
}

std::string FilterFromBars(const std::string& filter)
{
    if (filter.empty())
        return {};
    std::string result = filter;
    for (char& c : result) {
        if (c == '|')
            c = '\0';
    }
    if (result.back() != '\0')
        result.push_back('\0');
    result.push_back('\0');
    return result;
}

bool WindowsSystemDialogs::OpenFile(FileDialogRequest& request)
{
    return RunFileDialog(request, false);
}

bool WindowsSystemDialogs::SaveFile(FileDialogRequest& request)
{
    return RunFileDialog(request, true);
}

bool WindowsSystemDialogs::ChoosePrinter(PrinterRequest& request)
{
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.Flags = (request.setupOnly ? PD_PRINTSETUP : PD_RETURNDC) | request.flags;
    if (!PrintDlgA(&dialog))
        return false;
    if (dialog.hDevNames) {
        auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog.hDevNames));
        if (names) {
            request.printerName = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
            GlobalUnlock(dialog.hDevNames);
        }
        GlobalFree(dialog.hDevNames);
    }
    if (dialog.hDevMode)
        GlobalFree(dialog.hDevMode);
    request.dc = dialog.hDC;
    return true;
}

bool WindowsSystemDialogs::ChooseFolder(HWND owner, const std::string& title, std::string& folder)
{
    char display[MAX_PATH] = {};
    BROWSEINFOA browse = {};
    browse.hwndOwner = owner;
    browse.pszDisplayName = display;
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen)
        return false;
    char path[MAX_PATH] = {};
    bool ok = SHGetPathFromIDListA(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (ok)
        folder = path;
    return ok;
}
