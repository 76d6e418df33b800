// CScanStatisticsDlg: target, file, status and the six counts of the server's current or last job.
#include "scan_statistics_dlg.h"

#include "module.h"
#include "prompter.h"
#include "scan_statistics.h"
#include "scan_statistics_text.h"
#include "service_tree_ids.h"

CScanStatisticsDlg::CScanStatisticsDlg(CVexomarServer& server, const ServerStateTexts& texts, CWnd* parent)
    : CDialog(IDD_SCAN_STATISTICS, parent), m_server(server), m_texts(texts)
{
}

const MessageMap& CScanStatisticsDlg::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Timer(&CScanStatisticsDlg::OnTimer),
        });
    return map;
}

BOOL CScanStatisticsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_timerRunning = SetTimer(kReadTimer, kReadInterval) != 0;
    ReadAndShow();
    return TRUE;
}

void CScanStatisticsDlg::OnTimer(UINT_PTR id)
{
    if (id == kReadTimer && m_timerRunning)
        ReadAndShow();
}

void CScanStatisticsDlg::StopTimer()
{
    if (m_timerRunning)
        KillTimer(kReadTimer);
    m_timerRunning = false;
}

void CScanStatisticsDlg::ReadAndShow()
{
    ScanStatisticsRecord record = {};
    if (m_server.ReadScanStatistics(record.data(), static_cast<DWORD>(record.size())) != 0) {
        // Stopped first: the message box would otherwise let the next tick ask again.
        StopTimer();
        PromptFrom(m_hWnd, LoadResString(IDS_STATISTICS_FAILED));
        return;
    }
    const ScanStatistics statistics = DecodeScanStatistics(record);
    SetDlgItemText(IDC_STAT_TARGET, StatisticsTargetText(statistics));
    SetDlgItemText(IDC_STAT_FILE, statistics.currentFile);
    SetDlgItemText(IDC_STAT_STATUS, StatisticsStatusText(statistics, m_texts.scanning, m_texts.done));
    const struct {
        int id;
        unsigned long count;
    } counts[] = {
        {IDC_STAT_FOLDERS, statistics.foldersScanned},
        {IDC_STAT_FILES, statistics.filesScanned},
        {IDC_STAT_INFECTED, statistics.filesInfected},
        {IDC_STAT_VIRUSES, statistics.virusesFound},
        {IDC_STAT_NOT_SCANNED, statistics.filesNotScanned},
        {IDC_STAT_TO_SCAN, statistics.filesToScan},
    };
    for (const auto& count : counts)
        SetDlgItemText(count.id, StatisticsCountText(count.count));
}
