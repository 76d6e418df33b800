// CViewEventDlg: the "View Event File" dialog, the text of one alert's event file.
#include "view_event_dlg.h"

#include "event_dlg.h"
#include "logs_ids.h"
#include "module.h"
#include "prntbuf.h"
#include "program_values.h"

CViewEventDlg::CViewEventDlg(const ProgramValues& values, const std::string& eventFile, CWnd* parent)
    : CDialog(IDD_VIEW_EVENT_FILE, parent), m_values(values), m_eventFile(eventFile)
{
}

const MessageMap& CViewEventDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Command(IDC_EVENT_FILE_PRINT, &CViewEventDlg::OnPrint),
            on::Command(IDHELP, &CViewEventDlg::OnHelp),
        });
    return map;
}

BOOL CViewEventDlg::OnInitDialog()
{
    char directory[512] = {};
    if (AlertCore::HomeSucceeded(m_values.Core().AlertGetHomeEventLog(m_values.serverName, directory))) {
        directory[sizeof directory - 1] = '\0';
        alert_table::BuildEventFilePath(directory, m_eventFile, m_path);
    }
    m_text = alert_table::ReadEventFileHead(m_path);
    HWND edit = GetDlgItem(IDC_EVENT_FILE_TEXT);
    ::SendMessageA(edit, EM_LIMITTEXT, alert_table::kEventFileShown, 0);
    ::SetWindowTextA(edit, m_text.c_str());
    CDialog::OnInitDialog();
    // The focus on OK, so the text is not shown all selected.
    ::SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

void CViewEventDlg::OnPrint()
{
    WPrntbuf printer(this);
    printer.SetOutputFile(printOutputFile);
    const std::string job = LoadResString(IDS_EVENT_FILE_PRINT_JOB).substr(0, kJobNameLimit);
    if (printer.StartJob(job.c_str()))
        printer.PrintEdit(GetDlgItem(IDC_EVENT_FILE_TEXT), job, 8);
}

void CViewEventDlg::OnHelp()
{
    m_values.OpenHelp(m_hWnd, CEventDlg::kFileHelpTopic);
}
