// CScanResultsDlg: dialog 800 over the last job's counters, times and detections.
#include "scan_results_dlg.h"

#include "module.h"
#include "prompter.h"
#include "quillet_records_ids.h"

namespace {

// Each count of the dialog with the counter it shows.
struct CountField {
    int id;
    std::uint32_t ScanCounters::*value;
};
constexpr CountField kCountFields[] = {
    {IDC_RESULTS_DIRS, &ScanCounters::directoriesScanned},
    {IDC_RESULTS_FILES, &ScanCounters::filesScanned},
    {IDC_RESULTS_VIRUSES, &ScanCounters::virusesFound},
    {IDC_RESULTS_BOOT_SCANNED, &ScanCounters::bootSectorsScanned},
    {IDC_RESULTS_BOOT_INFECTED, &ScanCounters::bootSectorInfections},
    {IDC_RESULTS_BOOT_CURED, &ScanCounters::bootSectorsCured},
    {IDC_RESULTS_INFECTED, &ScanCounters::filesInfected},
    {IDC_RESULTS_CURED, &ScanCounters::filesCured},
    {IDC_RESULTS_DELETED, &ScanCounters::filesDeleted},
    {IDC_RESULTS_PURGED, &ScanCounters::filesPurged},
    {IDC_RESULTS_RENAMED, &ScanCounters::filesRenamed},
    {IDC_RESULTS_MOVED, &ScanCounters::filesMoved},
    {IDC_RESULTS_MOVED_RENAMED, &ScanCounters::filesRenamedAndMoved},
};

bool TimeSet(const SYSTEMTIME& time)
{
    return time.wYear != 0;
}

}  // namespace

CScanResultsDlg::CScanResultsDlg(
    const LocalScanOptions& options, const ScanJob& job, std::vector<ScanResultLine> detections, CWnd* parent)
    : CDialog(IDD_SCAN_RESULTS, parent), m_options(options), m_job(job), m_rows(std::move(detections))
{
}

const MessageMap& CScanResultsDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Timer(&CScanResultsDlg::OnTimer),
            on::ControlCode(kListId, LBN_DBLCLK, &CScanResultsDlg::OnListDoubleClick),
            on::Destroy(&CScanResultsDlg::OnDestroyDialog),
        });
    return map;
}

std::string CScanResultsDlg::ElapsedText(const SYSTEMTIME& start, const SYSTEMTIME& stop)
{
    FILETIME from = {};
    FILETIME to = {};
    long long seconds = 0;
    if (TimeSet(start) && TimeSet(stop) && SystemTimeToFileTime(&start, &from) && SystemTimeToFileTime(&stop, &to)) {
        const long long ticks = ((static_cast<long long>(to.dwHighDateTime) << 32) | to.dwLowDateTime) -
            ((static_cast<long long>(from.dwHighDateTime) << 32) | from.dwLowDateTime);
        seconds = ticks > 0 ? ticks / 10000000LL : 0;
    }
    return FormatText("%02ld:%02d:%02d", static_cast<long>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
        static_cast<int>(seconds % 60));
}

std::string CScanResultsDlg::TimeText(const SYSTEMTIME& time)
{
    if (!TimeSet(time))
        return {};
    char text[64] = {};
    if (!GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text))
        return {};
    return text;
}

BOOL CScanResultsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const ScanCounters& counters = m_job.Counters();
    for (const CountField& field : kCountFields)
        SetDlgItemText(field.id, std::to_string(counters.*field.value));
    SetDlgItemText(IDC_RESULTS_START, TimeText(m_job.StartTime()));
    SetDlgItemText(IDC_RESULTS_STOP, TimeText(m_job.StopTime()));
    SetDlgItemText(IDC_RESULTS_ELAPSED, ElapsedText(m_job.StartTime(), m_job.StopTime()));
    if (m_detections.Create(m_hWnd, IDC_RESULTS_LIST, kListId)) {
        for (const ScanResultLine& row : m_rows)
            m_detections.Append(row);
        // The first rows in view, as a person reads a finished list.
        ::SendMessageA(m_detections.Window().ListBox(), LB_SETTOPINDEX, 0, 0);
    }
    if (m_job.Counters().virusesFound > 0 && m_options.beepOnDetect)
        SetTimer(kBeepTimer, kBeepMilliseconds);
    return TRUE;
}

void CScanResultsDlg::OnTimer(UINT_PTR id)
{
    if (id == kBeepTimer)
        OnBeepTick();
}

void CScanResultsDlg::OnBeepTick()
{
    if (m_job.Counters().virusesFound == 0 || !m_options.beepOnDetect || !IsWindowVisible())
        return;
    const HWND focus = ::GetFocus();
    if (focus != m_hWnd && !IsChild(m_hWnd, focus))
        return;
    Prompter::Current().Beep(MB_OK);
}

void CScanResultsDlg::OnListDoubleClick()
{
    ShowMessageInfo(static_cast<int>(::SendMessageA(m_detections.Window().ListBox(), LB_GETCURSEL, 0, 0)));
}

void CScanResultsDlg::ShowMessageInfo(int position)
{
    if (position < 0)
        return;
    const std::string info = m_detections.MessageInfoAt(position);
    // A plain file's row has no message: an empty box would only be in the way.
    if (!info.empty())
        Prompter::Current().Show(m_hWnd, info, GetWindowText(), MB_OK | MB_ICONINFORMATION);
}

void CScanResultsDlg::OnDestroyDialog()
{
    KillTimer(kBeepTimer);
    m_detections.Destroy();
}
