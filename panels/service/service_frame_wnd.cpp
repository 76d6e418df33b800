// CServiceFrameWnd: creation of the panel's parts, the layout at 2/5, the command route and the timer.
#include "service_frame_wnd.h"

#include "module.h"
#include "plugin_protocol.h"
#include "service_tree_ids.h"

namespace {

struct TextSource {
    UINT id;
    std::string ServerStateTexts::*text;
};

const TextSource kStateTextIds[] = {
    {IDS_STATE_ACTIVE, &ServerStateTexts::active},
    {IDS_STATE_INACTIVE, &ServerStateTexts::inactive},
    {IDS_STATE_REALTIME_INACTIVE, &ServerStateTexts::realTimeInactive},
    {IDS_STATE_NA, &ServerStateTexts::notAvailable},
    {IDS_STATE_NO_JOBS, &ServerStateTexts::noJobs},
    {IDS_STATE_SCHEDULED, &ServerStateTexts::scheduled},
    {IDS_STATE_PRESCANNING, &ServerStateTexts::preScanning},
    {IDS_STATE_SCANNING, &ServerStateTexts::scanning},
    {IDS_STATE_DONE, &ServerStateTexts::done},
    {IDS_STATE_UNKNOWN, &ServerStateTexts::unknown},
};

HFONT CreatePanelFont()
{
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, 600, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

}  // namespace

// Configure Service, Configure Broadcasts, three separators, Start and Stop.
const UINT CServiceFrameWnd::kToolbarButtons[7] = {ID_NODE_CONFIGURE_SERVICE, ID_NODE_CONFIGURE_BROADCASTS,
    ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_NODE_START_SERVICE, ID_NODE_STOP_SERVICE};

CServiceFrameWnd::CServiceFrameWnd(ServiceCore& core, HWND host)
    : CPanelFrameWnd(
          PanelToolbar {IDB_SERVICE_PANEL_TOOLBAR, {std::begin(kToolbarButtons), std::end(kToolbarButtons)}}),
      m_core(core), m_host(host)
{
}

CServiceFrameWnd::~CServiceFrameWnd()
{
    if (m_font)
        DeleteObject(m_font);
}

const MessageMap& CServiceFrameWnd::GetMessageMap() const
{
    static const MessageMap map(CPanelFrameWnd::GetMessageMap(),
        {
            on::Create(&CServiceFrameWnd::OnCreate),
            on::Size(&CServiceFrameWnd::OnSize),
            on::SetFocus(&CServiceFrameWnd::OnSetFocus),
            on::Timer(&CServiceFrameWnd::OnTimer),
            on::Message(kStartUpMessage, &CServiceFrameWnd::OnStartUp),
        });
    return map;
}

void CServiceFrameWnd::LoadStateTexts()
{
    for (const TextSource& source : kStateTextIds) {
        std::string text = LoadResString(source.id);
        if (!text.empty())
            m_texts.*source.text = std::move(text);
    }
}

int CServiceFrameWnd::AverageCharWidth() const
{
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, m_font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
    return metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 6;
}

int CServiceFrameWnd::OnCreate(CREATESTRUCTA&)
{
    m_font = CreatePanelFont();
    if (!m_font || !ToolBar().Create(this, WS_CHILD | WS_VISIBLE, 0xE800) ||
        !ToolBar().LoadBitmap(IDB_SERVICE_PANEL_TOOLBAR) ||
        !ToolBar().SetButtons(kToolbarButtons, static_cast<int>(std::size(kToolbarButtons))))
        return -1;
    LoadStateTexts();
    if (!m_splitter.CreateStatic(this, 1, 2))
        return -1;
    m_details = new CServiceManagerPanelWnd(m_texts, AverageCharWidth());
    if (!m_details->CreatePane(&m_splitter, CSplitterWnd::IdFromRowCol(0, 1))) {
        if (!m_details->m_hWnd)
            delete m_details;
        m_details = nullptr;
        return -1;
    }
    m_treePane = new CListWnd(m_core, *m_details, m_texts);
    if (!m_treePane->CreatePane(&m_splitter, CSplitterWnd::IdFromRowCol(0, 0))) {
        if (!m_treePane->m_hWnd)
            delete m_treePane;
        m_treePane = nullptr;
        return -1;
    }
    m_treePane->SetHost(m_host);
    m_splitter.SetPane(0, m_treePane->m_hWnd);
    m_splitter.SetPane(1, m_details->m_hWnd);
    m_treePane->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    m_details->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    ::SetFocus(m_treePane->Tree().m_hWnd);
    m_treePane->SetTickCallback([this] { OnPanelRefresh(0, 0); });
    PostMessage(kStartUpMessage);
    return 0;
}

LRESULT CServiceFrameWnd::OnStartUp(WPARAM, LPARAM)
{
    if (m_treePane && m_treePane->Branches().empty())
        m_treePane->InsertBranches();
    return 0;
}

void CServiceFrameWnd::OnSize(UINT, int width, int height)
{
    LayOutBarAndSplitter(m_splitter, m_splitPlaced, width, height);
}

void CServiceFrameWnd::OnSetFocus(HWND)
{
    if (m_treePane && m_treePane->Tree().m_hWnd)
        ::SetFocus(m_treePane->Tree().m_hWnd);
}

void CServiceFrameWnd::OnTimer(UINT_PTR id)
{
    if (id == kHostTimer && m_treePane)
        m_treePane->Tick();
}

bool CServiceFrameWnd::OnCmdMsg(CommandRequest& request)
{
    if (CPanelFrameWnd::OnCmdMsg(request))
        return true;
    // The right pane first when the keyboard is in it, then the tree pane for its node.
    HWND focus = ::GetFocus();
    if (m_details && m_details->m_hWnd && focus &&
        (focus == m_details->m_hWnd || ::IsChild(m_details->m_hWnd, focus)) && m_details->OnCmdMsg(request))
        return true;
    return m_treePane && m_treePane->OnCmdMsg(request);
}

bool CServiceFrameWnd::PreTranslateMessage(MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != 'R' || (GetKeyState(VK_CONTROL) & 0x8000) == 0)
        return false;
    if (message.hwnd != m_hWnd && !::IsChild(m_hWnd, message.hwnd))
        return false;
    RouteCommand(ID_NODE_REFRESH_BROWSER);
    return true;
}
