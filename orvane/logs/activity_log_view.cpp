// CActivityLogView: showing, following, clearing and printing ALERT.LOG.
#include "activity_log_view.h"

#include "activity_log_paths.h"
#include "as_tab_wnd.h"
#include "logs_ids.h"
#include "prntbuf.h"
#include "program_values.h"
#include "status_ids.h"

namespace {

HANDLE OpenLogForReading(const char* path)
{
    // No sharing restriction: the service appends while the view reads.
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

CActivityLogView::CActivityLogView(ProgramValues& values) : m_values(values)
{
    // Commands reach the view through the frame, which hands them on to the page it shows.
    m_activatesOnClick = false;
}

CActivityLogView::~CActivityLogView()
{
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
}

const MessageMap& CActivityLogView::GetMessageMap() const
{
    static const MessageMap map(CEditView::GetMessageMap(),
        {
            on::Timer(&CActivityLogView::OnTimer),
            on::Command(ID_ACTIVITY_CLEAR, &CActivityLogView::OnClearLog),
            on::Command(ID_FILE_PRINT, &CActivityLogView::OnPrint),
            on::UpdateCommand(ID_FILE_SAVE_AS, &CActivityLogView::OnUpdateAlwaysEnabled),
            on::Command(ID_PAGE_HELP, &CActivityLogView::OnHelp),
            on::Message(WM_SHOWWINDOW, &CActivityLogView::OnShowWindow),
            on::Destroy(&CActivityLogView::OnDestroyView),
        });
    return map;
}

bool CActivityLogView::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    const DWORD viewStyle = style | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE |
        ES_READONLY | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (!CEditView::Create(parent, rect, id, viewStyle, document))
        return false;
    SetFont(static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)), false);
    return true;
}

bool CActivityLogView::CreateInTab(CASTabWnd& tab, int index)
{
    return Create(&tab, tab.GetPageRect(), static_cast<UINT>(index), WS_CHILD | WS_VISIBLE);
}

void CActivityLogView::Load(int first)
{
    if (first == 1)
        Refresh(1);
}

void CActivityLogView::Refresh(int serviceStopped)
{
    if (!m_timerStarted) {
        SetTimer(kCheckTimer, kCheckMilliseconds);
        m_timerStarted = true;
    }
    if (serviceStopped == 1) {
        ShowPerServiceState();
        return;
    }
    // Read afresh now, not at the next tick: the log may not have grown since it was last read.
    SetText("");
    m_lastLoadLength = 0;
    ShowPerServiceState();
}

void CActivityLogView::ShowPerServiceState()
{
    const int state = m_values.serviceState;
    if (state == kServiceStopped || state == kServiceStopping) {
        SetText(LoadResString(IDS_START_ALERT_SERVICE));
        // The plea replaced the log: whatever length was read, the log must be read again.
        m_lastLoadLength = 0;
    } else {
        ReadLog();
    }
}

void CActivityLogView::ReadLog()
{
    HANDLE log =
        CActivityLogPaths::Resolve(m_values) ? OpenLogForReading(CActivityLogPaths::Path()) : INVALID_HANDLE_VALUE;
    if (log == INVALID_HANDLE_VALUE) {
        m_lastLoadLength = 0;
        SetText("");
        return;
    }
    const DWORD length = GetFileSize(log, nullptr);
    if (length == m_lastLoadLength) {
        CloseHandle(log);
        return;
    }
    m_lastLoadLength = length;
    CWaitCursor wait;
    std::string text;
    char buffer[kReadBufferSize];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(log, buffer, kReadBufferSize, &got, nullptr)) {
            // What was shown stays; the length is forgotten so that the next load tries again
            // instead of taking the unread log as read.
            CloseHandle(log);
            m_lastLoadLength = 0;
            return;
        }
        if (got == 0)
            break;
        text.append(buffer, got);
    }
    CloseHandle(log);
    SetText(text);
}

DWORD CActivityLogView::CurrentLength() const
{
    if (!CActivityLogPaths::Resolve(m_values))
        return 0;
    HANDLE log = OpenLogForReading(CActivityLogPaths::Path());
    if (log == INVALID_HANDLE_VALUE)
        return 0;
    const DWORD length = GetFileSize(log, nullptr);
    CloseHandle(log);
    return length == INVALID_FILE_SIZE ? 0 : length;
}

void CActivityLogView::OnTimer(UINT_PTR id)
{
    if (id != kCheckTimer) {
        Default();
        return;
    }
    const DWORD length = CurrentLength();
    if (length != m_lastCheckLength) {
        ReadLog();
        m_lastCheckLength = length;
    }
    ShowPerServiceState();
    Invalidate();
    UpdateWindow();
}

void CActivityLogView::OnClearLog()
{
    if (CActivityLogPaths::Resolve(m_values)) {
        HANDLE log = CreateFileA(CActivityLogPaths::Path(), GENERIC_READ | GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log != INVALID_HANDLE_VALUE)
            CloseHandle(log);
    }
    m_lastLoadLength = 0;
    SetText("");
}

void CActivityLogView::OnPrint()
{
    std::string title = LoadResString(IDS_ACTIVITY_LOG_JOB);
    if (title.size() > kJobNameLimit)
        title.resize(kJobNameLimit);
    WPrntbuf printer(this);
    if (!m_printOutput.empty())
        printer.SetOutputFile(m_printOutput);
    if (printer.StartJob(title.c_str()))
        printer.PrintEdit(m_hWnd, title, kPrintTabWidth);
}

void CActivityLogView::OnUpdateAlwaysEnabled(CCmdUI& ui)
{
    ui.Enable(true);
}

void CActivityLogView::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}

LRESULT CActivityLogView::OnShowWindow(WPARAM shown, LPARAM)
{
    LRESULT result = Default();
    if (shown)
        ReadLog();
    return result;
}

void CActivityLogView::OnDestroyView()
{
    KillTimer(kCheckTimer);
    m_timerStarted = false;
    CView::OnDestroy();
}
