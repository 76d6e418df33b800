// CVirusListDlg: the list box over virus.lst's names, the search box, printing and the .vst file.
#include "virus_list_dlg.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "list_box.h"
#include "module.h"
#include "prntbuf.h"
#include "prompter.h"
#include "quillet_options_ids.h"
#include "system_dialogs.h"
#include "win_app.h"

namespace {

constexpr DWORD kVstFilter = 1;
constexpr int kPrintTabWidth = 8;

bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream contents;
    contents << file.rdbuf();
    text = contents.str();
    return !file.bad();
}

}  // namespace

CVirusListDlg::CVirusListDlg(VirusListContents contents, std::string path, CWnd* parent)
    : CDialog(IDD_QUILLET_VIRUS_LIST, parent), m_contents(std::move(contents)), m_path(std::move(path))
{
}

const MessageMap& CVirusListDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::ControlCode(IDC_VLIST_SEARCH, EN_CHANGE, &CVirusListDlg::OnSearchChanged),
            on::Command(IDC_VLIST_PRINT, &CVirusListDlg::OnPrint),
            on::Command(IDC_VLIST_SAVE, &CVirusListDlg::OnSave),
        });
    return map;
}

BOOL CVirusListDlg::OnInitDialog()
{
    SetWindowText(LoadResString(IDS_VIRUS_LIST_CAPTION));
    SetDlgItemText(IDC_VLIST_VERSION, m_contents.signatureVersion);
    SetDlgItemText(IDC_VLIST_COUNT, m_contents.virusCount);
    ::SendDlgItemMessageA(m_hWnd, IDC_VLIST_SEARCH, EM_LIMITTEXT, kSearchLimit, 0);
    CListBox names(GetDlgItem(IDC_VLIST_NAMES));
    ::SendMessageA(names.m_hWnd, WM_SETREDRAW, FALSE, 0);
    for (const std::string& name : m_contents.names)
        names.AddString(name);
    ::SendMessageA(names.m_hWnd, WM_SETREDRAW, TRUE, 0);
    return TRUE;
}

void CVirusListDlg::OnSearchChanged()
{
    std::string text = GetDlgItemText(IDC_VLIST_SEARCH);
    if (text.size() > kSearchLimit)
        text.resize(kSearchLimit);
    // A text that matches nothing leaves the list where it is.
    if (const auto found = FindVirusName(m_contents.names, text))
        ::SendDlgItemMessageA(m_hWnd, IDC_VLIST_NAMES, LB_SETTOPINDEX, *found, 0);
}

void CVirusListDlg::OnPrint()
{
    WPrntbuf printer(this);
    printer.SetOutputFile(m_printOutputFile);
    const std::string job = LoadResString(IDS_VIRUS_LIST_CAPTION);
    if (printer.StartJob(job.c_str()))
        printer.PrintFile(m_path, kPrintTabWidth);
}

void CVirusListDlg::OnSave()
{
    SaveList();
}

void CVirusListDlg::SaveList()
{
    FileDialogRequest request;
    request.owner = m_hWnd;
    request.filter = "Virus List (*.vst)|*.vst|All Files(*.*)|*.*";
    request.filterIndex = kVstFilter;
    request.flags = OFN_PATHMUSTEXIST;
    if (!SystemDialogs::Current().SaveFile(request))
        return;
    const std::string path = VirusListSaveName(request.path, request.filterIndex == kVstFilter);
    if (m_contents.names.empty()) {
        SoundBeep();
        return;
    }
    const DWORD started = GetTickCount();
    CWinApp* app = CWinApp::Get();
    HWND mainWindow = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    if (mainWindow)
        ::EnableWindow(mainWindow, FALSE);
    EnableWindow(false);
    const bool written = WriteList(path);
    if (written)
        HoldWindowsDisabled(started);
    EnableWindow(true);
    if (mainWindow)
        ::EnableWindow(mainWindow, TRUE);
    if (!written)
        SoundBeep();
}

bool CVirusListDlg::WriteList(const std::string& path) const
{
    const std::string text = VstText(m_contents.names);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(file);
    return complete;
}

void CVirusListDlg::HoldWindowsDisabled(DWORD started) const
{
    // The windows keep painting while they wait: messages are pumped, input goes nowhere.
    while (GetTickCount() - started < m_holdMilliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, m_holdMilliseconds - (GetTickCount() - started), QS_ALLINPUT);
        if (!PumpMessages())
            return;
    }
}

void ShowVirusList(CWnd* parent, const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        PromptId(IDS_VIRUS_LIST_MISSING, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CVirusListDlg dialog(ParseVirusList(text), path, parent);
    dialog.DoModal();
}
