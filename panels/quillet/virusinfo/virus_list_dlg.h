// CVirusListDlg: "Virus List", the names the installed signatures detect, searched, printed or saved.
#pragma once

#include <string>

#include "dialog.h"
#include "virus_list_file.h"

class CVirusListDlg : public CDialog {
public:
    static constexpr int kSearchLimit = 50;

    // `path` is the virus.lst the contents were read from (printed as it is).
    CVirusListDlg(VirusListContents contents, std::string path, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;

    // "&List To File": the Save dialog, then the names written as a .vst list.
    void SaveList();

    // How long the windows stay disabled from the start of a write (tests shorten it).
    DWORD m_holdMilliseconds = 5000;
    // Where a print goes instead of the printer's port (tests); empty for the port.
    std::string m_printOutputFile;

private:
    void OnSearchChanged();
    void OnPrint();
    void OnSave();
    bool WriteList(const std::string& path) const;
    void HoldWindowsDisabled(DWORD started) const;

    VirusListContents m_contents;
    std::string m_path;
};

// Reads `path` (virus.lst of the current directory) and opens the dialog; a file that cannot be read
// shows 2013 and nothing opens.
void ShowVirusList(CWnd* parent, const std::string& path = "virus.lst");
