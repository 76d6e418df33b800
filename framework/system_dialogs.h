// SystemDialogs: the file, printer and folder choosers behind one replaceable interface.
#pragma once

#include <windows.h>

#include <string>

struct FileDialogRequest {
    HWND owner = nullptr;
    std::string title;
    std::string filter;  // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*"
    std::string defaultExtension;
    std::string initialFolder;
    std::string path;  // the proposed name in, the chosen path out
    DWORD flags = 0;  // OFN_* flags added to the defaults
    DWORD filterIndex = 1;  // the filter shown first in, the one chosen out (1 for the first)
};

struct PrinterRequest {
    HWND owner = nullptr;
    bool setupOnly = false;
    DWORD flags = 0;  // PD_* flags added to PD_RETURNDC (or PD_PRINTSETUP)
    std::string printerName;  // out
    HDC dc = nullptr;  // out, for printing; the caller deletes it
};

class SystemDialogs {
public:
    virtual ~SystemDialogs() = default;
    virtual bool OpenFile(FileDialogRequest& request) = 0;
    virtual bool SaveFile(FileDialogRequest& request) = 0;
    virtual bool ChoosePrinter(PrinterRequest& request) = 0;
    virtual bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) = 0;

    static SystemDialogs& Current();
    static SystemDialogs* Install(SystemDialogs* dialogs);
};

// The common dialogs of the system.
class WindowsSystemDialogs : public SystemDialogs {
public:
    bool OpenFile(FileDialogRequest& request) override;
    bool SaveFile(FileDialogRequest& request) override;
    bool ChoosePrinter(PrinterRequest& request) override;
    bool ChooseFolder(HWND owner, const std::string& title, std::string& folder) override;
};

// "A|B|C|D" as the common dialogs want it: "A\0B\0C\0D\0\0".
std::string FilterFromBars(const std::string& filter);
