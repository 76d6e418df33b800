// The printer dialog answered as a person who picks the prefix's PostScript printer.
#pragma once

#include <windows.h>

#include <string>

#include "system_dialogs.h"

class PostScriptPrinterChoice : public SystemDialogs {
public:
    // Installs itself for its lifetime.
    PostScriptPrinterChoice() { m_previous = Install(this); }
    ~PostScriptPrinterChoice() override { Install(m_previous); }
    bool OpenFile(FileDialogRequest&) override { return false; }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override
    {
        request.printerName = "Vexomar PostScript";
        request.dc = CreateDCA(nullptr, request.printerName.c_str(), nullptr, nullptr);
        return request.dc != nullptr;
    }

private:
    SystemDialogs* m_previous;
};
