// CAlStaticWnd: counts, service state, service commands and the three pictures.
#include "al_static_wnd.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "alert_record_table.h"
#include "program_values.h"
#include "service_control.h"
#include "status_ids.h"

namespace {

constexpr UINT kPictureFrames[3] = {IDC_CRITICAL_PICTURE, IDC_WARNING_PICTURE, IDC_INFORMATIONAL_PICTURE};
constexpr UINT kPictureBitmaps[3] = {IDB_CRITICAL_ALERTS, IDB_WARNING_ALERTS, IDB_INFORMATIONAL_ALERTS};
constexpr UINT kCountEdits[3] = {IDC_CRITICAL_COUNT, IDC_WARNING_COUNT, IDC_INFORMATIONAL_COUNT};
// The pictures are drawn on the classic button face; the page's own face replaces it.
constexpr COLORREF kDrawnFace = RGB(192, 192, 192);

// A copy of `source` with every pixel of the drawn face in `face`; the source itself when the
// copy cannot be made. The source is released when a copy replaces it.
HBITMAP OnFace(HBITMAP source, COLORREF face)
{
    BITMAP info = {};
    if (!source || !GetObjectA(source, sizeof info, &info) || face == kDrawnFace)
        return source;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
    HDC screen = GetDC(nullptr);
    HBITMAP copy = nullptr;
    if (GetDIBits(screen, source, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS)) {
        // 32-bit pixels are 0x00RRGGBB.
        const DWORD drawn = 0xC0C0C0;
        const DWORD wanted = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
        for (DWORD& pixel : pixels) {
            if ((pixel & 0xFFFFFF) == drawn)
                pixel = wanted;
        }
        copy = CreateDIBitmap(screen, &format.bmiHeader, CBM_INIT, pixels.data(), &format, DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    if (!copy)
        return source;
    DeleteObject(source);
    return copy;
}

}  // namespace

CAlStaticWnd::CAlStaticWnd(ProgramValues& values)
    : CAdminFV(IDD_ALERT_SUMMARY), m_values(values), m_control(values.Services())
{
}

CAlStaticWnd::~CAlStaticWnd()
{
    // Destroyed here, while this class's handlers still answer, so that the page's own
    // clean-up runs; then the pictures go.
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    for (HBITMAP& bitmap : m_bitmaps) {
        if (bitmap)
            DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

const MessageMap& CAlStaticWnd::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Timer(&CAlStaticWnd::OnTimer),
            on::Command(ID_SERVICE_START, &CAlStaticWnd::OnStart),
            on::Command(ID_SERVICE_PAUSE, &CAlStaticWnd::OnPause),
            on::Command(ID_SERVICE_PAUSE_MENU, &CAlStaticWnd::OnPause),
            on::Command(ID_SERVICE_STOP, &CAlStaticWnd::OnStop),
            on::Command(ID_PAGE_HELP, &CAlStaticWnd::OnHelp),
            on::UpdateCommand(ID_SERVICE_START, &CAlStaticWnd::OnUpdateStart),
            on::UpdateCommand(ID_SERVICE_PAUSE, &CAlStaticWnd::OnUpdatePause),
            on::UpdateCommand(ID_SERVICE_PAUSE_MENU, &CAlStaticWnd::OnUpdatePause),
            on::UpdateCommand(ID_SERVICE_STOP, &CAlStaticWnd::OnUpdateStop),
            on::Paint(&CAlStaticWnd::OnPaint),
            on::Destroy(&CAlStaticWnd::OnDestroyPage),
        });
    return map;
}

bool CAlStaticWnd::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    if (!CAdminFV::Create(parent, rect, id, style, document))
        return false;
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    for (int i = 0; i < 3; ++i) {
        if (!m_bitmaps[i])
            m_bitmaps[i] = OnFace(LoadBitmapA(module, MAKEINTRESOURCEA(kPictureBitmaps[i])), FaceColour());
    }
    return true;
}

const char* CAlStaticWnd::ServiceComputerName() const
{
    return m_values.IsLocalServer() ? LocalComputerName() : m_values.serverName;
}

void CAlStaticWnd::Load(int first)
{
    if (first == 1)
        SetTimer(kPollTimer, kPollMilliseconds);
    const DWORD status = m_control.QueryLocal();
    m_values.serviceState = status == SERVICE_STOPPED ? kServiceStopped
        : status == SERVICE_PAUSED                    ? kServicePaused
                                                      : kServiceRunning;
    // Opening creates the table when the service never wrote one.
    CAlertRecordTable table(m_values);
    table.Open();
    ShowCounts();
    RememberStatus();
}

void CAlStaticWnd::ShowCounts()
{
    BYTE record[kStatisticsSize] = {};
    if (AlertCore::Failed(m_values.Core().AlertGetStatistics(m_values.serverName, record)))
        std::memset(record, 0, sizeof record);
    for (int i = 0; i < 3; ++i) {
        std::int32_t count = 0;
        std::memcpy(&count, record + 4 * i, sizeof count);
        SetDlgItemText(static_cast<int>(kCountEdits[i]), FormatText("%d", static_cast<int>(count)));
    }
}

bool CAlStaticWnd::QueryStatus(DWORD& status)
{
    if (!m_values.IsLocalServer())
        return m_control.QueryRemote(m_values.serverName, status);
    status = m_control.QueryLocal();
    return true;
}

void CAlStaticWnd::RememberStatus()
{
    DWORD status = 0;
    m_statusKnown = QueryStatus(status);
    if (m_statusKnown)
        m_lastStatus = status;
}

void CAlStaticWnd::PublishStatus(DWORD status)
{
    std::string message;
    if (status == SERVICE_STOPPED) {
        m_values.serviceState = kServiceStopped;
        message = LoadResString(IDS_START_SERVICE_FIRST);
    } else if (status == SERVICE_PAUSED) {
        m_values.serviceState = kServicePaused;
    } else {
        m_values.serviceState = kServiceRunning;
    }
    SetDlgItemText(IDC_SERVICE_MESSAGE, message);
    // The message is shown at once, not at the next paint.
    if (HWND text = GetDlgItem(IDC_SERVICE_MESSAGE))
        ::UpdateWindow(text);
}

void CAlStaticWnd::OnTimer(UINT_PTR id)
{
    if (id != kPollTimer) {
        Default();
        return;
    }
    ShowCounts();
    RememberStatus();
    // Another server whose status cannot be read keeps the state it had.
    if (m_statusKnown)
        PublishStatus(m_lastStatus);
}

void CAlStaticWnd::OnStart()
{
    const char* computer = ServiceComputerName();
    DWORD status = 0;
    if (!m_control.QueryRemote(computer, status))
        return;
    int result = 0;
    if (status == SERVICE_STOPPED)
        result = m_values.Core().AlertStartService(computer, 0);
    else if (status == SERVICE_PAUSED)
        result = m_values.Core().AlertContinueService(computer, 0);
    if (result != 0) {
        RememberStatus();
        return;
    }
    SettleAndReload(0);
    RememberStatus();
}

void CAlStaticWnd::OnPause()
{
    m_values.Core().AlertPauseService(ServiceComputerName(), 0);
    RememberStatus();
}

void CAlStaticWnd::OnStop()
{
    if (m_values.Core().AlertStopService(ServiceComputerName(), 0) == 0) {
        m_values.serviceState = kServiceStopping;
        // "Stopping" stands in the status bar through the settle pause below.
        if (m_values.frame)
            m_values.frame->ShowServiceStateNow();
    }
    // Reloaded as stopped even when the stop failed; the next poll puts the state right.
    SettleAndReload(1);
    RememberStatus();
}

void CAlStaticWnd::SettleAndReload(int serviceStopped)
{
    if (m_wait)
        m_wait(kSettleMilliseconds);
    if (FrameRequests* frame = m_values.frame)
        frame->ReloadAllPages(serviceStopped);
}

void CAlStaticWnd::OnHelp()
{
    m_values.OpenHelp(m_hWnd, kHelpTopic);
}

// Another server whose status cannot be read leaves Start, Pause and Stop disabled: its service
// control manager is out of reach, so none of them could be carried out.
void CAlStaticWnd::OnUpdateStart(CCmdUI& ui)
{
    ui.Enable(m_statusKnown && (m_lastStatus == SERVICE_STOPPED || m_lastStatus == SERVICE_PAUSED));
}

void CAlStaticWnd::OnUpdatePause(CCmdUI& ui)
{
    ui.Enable(m_statusKnown && m_lastStatus == SERVICE_RUNNING);
}

void CAlStaticWnd::OnUpdateStop(CCmdUI& ui)
{
    ui.Enable(m_statusKnown && m_lastStatus != SERVICE_STOPPED);
}

void CAlStaticWnd::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    HDC memory = CreateCompatibleDC(dc);
    for (int i = 0; i < 3; ++i) {
        HWND frame = GetDlgItem(static_cast<int>(kPictureFrames[i]));
        BITMAP info = {};
        if (!frame || !m_bitmaps[i] || !GetObjectA(m_bitmaps[i], sizeof info, &info))
            continue;
        RECT target = {};
        ::GetWindowRect(frame, &target);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&target), 2);
        HGDIOBJ previous = SelectObject(memory, m_bitmaps[i]);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, memory, 0, 0,
            info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(memory, previous);
    }
    DeleteDC(memory);
    EndPaint(m_hWnd, &paint);
}

void CAlStaticWnd::OnDestroyPage()
{
    KillTimer(kPollTimer);
    m_control.CloseLocal();
    CView::OnDestroy();
}
