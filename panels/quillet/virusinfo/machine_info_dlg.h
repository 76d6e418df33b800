// CMachineInfoDlg: "Local Machine Information": the computer, its user, and the scanner's versions.
#pragma once

#include <cstdint>
#include <string>

#include "dialog.h"
#include "quillet_plugin.h"

class LocaleFormat;

// What the system says about the computer, gathered when the dialog opens.
struct MachineFacts {
    std::string computerName;
    std::string osVersion;  // "Microsoft NT 5.1" or "Microsoft Windows 4.10"
    std::string userName;
};

MachineFacts ReadMachineFacts();
// "Microsoft NT %d.%d" on the NT platform, "Microsoft Windows %d.%d" otherwise.
std::string OsVersionText(DWORD platform, DWORD major, DWORD minor);

class CMachineInfoDlg : public CDialog {
public:
    CMachineInfoDlg(
        const MachineFacts& facts, const EngineVersions& versions, const LocaleFormat& format, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

private:
    MachineFacts m_facts;
    EngineVersions m_versions;
    const LocaleFormat& m_format;
};

void ShowMachineInformation(CWnd* parent, const EngineVersions& versions);
