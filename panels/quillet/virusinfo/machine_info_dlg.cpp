// CMachineInfoDlg: fills its fields once, on entry, and centres itself where it can be seen.
#include "machine_info_dlg.h"

#include <cstdio>

#include "engine_version_text.h"
#include "locale_format.h"
#include "module.h"
#include "quillet_options_ids.h"

std::string OsVersionText(DWORD platform, DWORD major, DWORD minor)
{
    char text[64];
    std::snprintf(text, sizeof text,
        platform == VER_PLATFORM_WIN32_NT ? "Microsoft NT %d.%d" : "Microsoft Windows %d.%d", static_cast<int>(major),
        static_cast<int>(minor));
    return text;
}

MachineFacts ReadMachineFacts()
{
    MachineFacts facts;
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD computerSize = sizeof computer;
    if (GetComputerNameA(computer, &computerSize))
        facts.computerName = computer;
    char user[257] = {};
    DWORD userSize = sizeof user;
    if (GetUserNameA(user, &userSize))
        facts.userName = user;
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExA(&version))
        facts.osVersion = OsVersionText(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
#pragma GCC diagnostic pop
    return facts;
}

CMachineInfoDlg::CMachineInfoDlg(
    const MachineFacts& facts, const EngineVersions& versions, const LocaleFormat& format, CWnd* parent)
    : CDialog(IDD_QUILLET_MACHINE_INFO, parent), m_facts(facts), m_versions(versions), m_format(format)
{
}

BOOL CMachineInfoDlg::OnInitDialog()
{
    SetDlgItemText(IDC_INFO_NAME, m_facts.computerName);
    SetDlgItemText(IDC_INFO_OS, m_facts.osVersion);
    SetDlgItemText(IDC_INFO_USER, m_facts.userName);
    SetDlgItemText(IDC_INFO_VERSION, LoadResString(IDS_PRODUCT_VERSION));
    SetDlgItemText(IDC_INFO_SIGNATURE, EngineVersionText(m_versions.signatures));
    SetDlgItemText(IDC_INFO_SIGNATURE_DATE, EngineDateText(m_versions.signatureDate, m_format));
    SetDlgItemText(IDC_INFO_ENGINE, EngineVersionText(m_versions.engine));
    SetDlgItemText(IDC_INFO_ENGINE_DATE, EngineDateText(m_versions.engineDate, m_format));
    const HWND parent = ::GetParent(m_hWnd);
    CenterWindow(parent && IsIconic(parent) ? GetDesktopWindow() : parent);
    return TRUE;
}

void ShowMachineInformation(CWnd* parent, const EngineVersions& versions)
{
    CMachineInfoDlg dialog(ReadMachineFacts(), versions, ModuleLocaleFormat(), parent);
    dialog.DoModal();
}
