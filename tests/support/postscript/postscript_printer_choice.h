// The printer dialog of a person who takes the prefix's PostScript printer, or who cancels.
#pragma once

#include <windows.h>

#include <string>

#include "system_dialogs.h"

class PostScriptPrinterChoice : public SystemDialogs {
public:
    static constexpr const char* kPrinter = "Vexomar PostScript";
    PostScriptPrinterChoice() { m_previous = Install(this); }
    ~PostScriptPrinterChoice() override { Install(m_previous); }

    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override;

    int asked = 0;
    DWORD flags = 0;  // what the last request asked the dialog for
    bool accept = true;

private:
    SystemDialogs* m_previous;
};
