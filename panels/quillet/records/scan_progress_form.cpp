// CScanProgressForm: dialog 2505 as a child window, fed from the running job on its timer.
#include "scan_progress_form.h"

#include <algorithm>

#include "module.h"
#include "quillet_records_ids.h"

namespace {

RECT ChildRect(HWND parent, int id)
{
    RECT rect = {};
    if (HWND child = ::GetDlgItem(parent, id)) {
        ::GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return rect;
}

// Only a text that changed is set again: the form is refreshed twice a second without flicker.
void ShowText(CWnd& form, int id, const std::string& text)
{
    if (form.GetDlgItemText(id) != text)
        form.SetDlgItemText(id, text);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

CScanProgressForm::CScanProgressForm() : CDialog(IDD_SCAN_PROGRESS)
{
}

CScanProgressForm::~CScanProgressForm()
{
    if (m_hWnd)
        DestroyWindow();
}

const MessageMap& CScanProgressForm::GetMessageMap() const
{
    static const MessageMap map(CDialog::GetMessageMap(),
        {
            on::Timer(&CScanProgressForm::OnTimer),
            on::Size(&CScanProgressForm::OnSizeForm),
            on::Destroy(&CScanProgressForm::OnDestroyForm),
        });
    return map;
}

bool CScanProgressForm::Create(HWND parent)
{
    m_modal = false;
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    return CreateDialogWindow(module, m_templateName, parent) && m_detections.Handle();
}

BOOL CScanProgressForm::OnInitDialog()
{
    CDialog::OnInitDialog();
    const RECT client = GetClientRect();
    m_lineMargin = client.right - ChildRect(m_hWnd, IDC_PROGRESS_FILE).right;
    const RECT list = ChildRect(m_hWnd, IDC_PROGRESS_LIST);
    m_listMargin = client.bottom - list.bottom;
    m_detections.Create(m_hWnd, IDC_PROGRESS_LIST, kListId);
    return FALSE;
}

void CScanProgressForm::SetBounds(const RECT& bounds)
{
    if (m_hWnd)
        MoveWindow(bounds);
}

void CScanProgressForm::Begin(const ScanJob& job)
{
    m_job = &job;
    m_node.clear();
    m_shownResults = 0;
    m_detections.Clear();
    if (!m_hWnd)
        return;
    Refresh();
    ShowWindow(SW_SHOW);
    SetTimer(kRefreshTimer, kRefreshMilliseconds);
}

void CScanProgressForm::End()
{
    if (!m_hWnd)
        return;
    KillTimer(kRefreshTimer);
    Refresh();
    ShowWindow(SW_HIDE);
}

void CScanProgressForm::ShowNode(const std::string& text)
{
    m_node = text;
}

void CScanProgressForm::ShowCounters(const ScanCounters&)
{
}

void CScanProgressForm::Finished()
{
    Refresh();
}

void CScanProgressForm::Refresh()
{
    if (!m_job || !m_hWnd)
        return;
    const ScanCounters& counters = m_job->Counters();
    ShowText(*this, IDC_PROGRESS_DIRS, std::to_string(counters.directoriesScanned));
    ShowText(*this, IDC_PROGRESS_FILES, std::to_string(counters.filesScanned));
    ShowText(*this, IDC_PROGRESS_INFECTED, std::to_string(counters.filesInfected));
    ShowText(*this, IDC_PROGRESS_BOOT, std::to_string(counters.bootSectorInfections));
    const std::string& item = m_job->CurrentItem();
    const std::string folder = FolderOf(item);
    ShowText(*this, IDC_PROGRESS_DIRECTORY, folder.empty() ? m_node : folder);
    ShowText(*this, IDC_PROGRESS_FILE, item);
    const std::vector<ScanResultLine>& results = m_job->Results();
    // A job that started again has fewer rows than were shown: its rows start afresh.
    if (results.size() < m_shownResults) {
        m_detections.Clear();
        m_shownResults = 0;
    }
    for (; m_shownResults < results.size(); ++m_shownResults)
        m_detections.Append(results[m_shownResults]);
}

void CScanProgressForm::OnTimer(UINT_PTR id)
{
    if (id == kRefreshTimer)
        Refresh();
}

void CScanProgressForm::OnSizeForm(UINT, int cx, int cy)
{
    for (int id : {IDC_PROGRESS_DIRECTORY, IDC_PROGRESS_FILE}) {
        const RECT line = ChildRect(m_hWnd, id);
        if (HWND child = GetDlgItem(id))
            ::MoveWindow(
                child, line.left, line.top, std::max(0L, cx - m_lineMargin - line.left), line.bottom - line.top, TRUE);
    }
    if (HWND list = m_detections.Handle()) {
        const RECT place = ChildRect(m_hWnd, CScanProgressForm::kListId);
        ::MoveWindow(list, place.left, place.top, std::max(0L, cx - m_lineMargin - place.left),
            std::max(0L, cy - m_listMargin - place.top), TRUE);
    }
}

void CScanProgressForm::OnDestroyForm()
{
    KillTimer(kRefreshTimer);
    m_detections.Destroy();
    m_job = nullptr;
}
