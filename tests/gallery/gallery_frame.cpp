// CGalleryFrame: builds the gallery's window and answers its few commands.
#include "gallery_frame.h"

#include <commctrl.h>

#include "gallery_resource.h"
#include "qvctrl.h"

namespace {

class CGalleryPage : public CPropertyPage {
public:
    CGalleryPage() : CPropertyPage(IDD_GALLERY_PAGE) { }
    int messages = 500;
    BOOL OnSetActive() override
    {
        ::SendDlgItemMessageA(m_hWnd, IDC_PAGE_SPIN, QVM_SETRANGE, 0, MAKELPARAM(10, 1000));
        ::SendDlgItemMessageA(m_hWnd, IDC_PAGE_SPIN, QVM_SETVALUE, static_cast<WPARAM>(messages), 0);
        return TRUE;
    }
    BOOL OnKillActive() override
    {
        messages = static_cast<int>(::SendDlgItemMessageA(m_hWnd, IDC_PAGE_SPIN, QVM_GETVALUE, 0, 0));
        return TRUE;
    }
};

}  // namespace

const MessageMap& CGalleryFrame::GetMessageMap() const
{
    static const MessageMap map(CFrameWnd::GetMessageMap(),
        {
            on::Command(ID_GALLERY_START, &CGalleryFrame::OnStart),
            on::Command(ID_GALLERY_STOP, &CGalleryFrame::OnStop),
            on::Command(ID_GALLERY_OPTIONS, &CGalleryFrame::OnOptions),
            on::UpdateCommand(ID_GALLERY_START, &CGalleryFrame::OnUpdateStart),
            on::UpdateCommand(ID_GALLERY_STOP, &CGalleryFrame::OnUpdateStop),
            on::UpdateCommand(IDS_GALLERY_STATE, &CGalleryFrame::OnUpdateState),
        });
    return map;
}

bool CGalleryFrame::Build()
{
    if (!Create(nullptr, "Control Gallery", WS_OVERLAPPEDWINDOW, RECT {0, 0, 760, 520}, nullptr, IDR_GALLERY))
        return false;
    static const UINT buttons[] = {
        ID_GALLERY_START, ID_GALLERY_STOP, ID_SEPARATOR, ID_GALLERY_OPTIONS, ID_SEPARATOR, ID_SEPARATOR};
    m_toolBar.SetSizes(SIZE {36, 32}, SIZE {24, 24});
    m_toolBar.SetHeight(40);
    if (!m_toolBar.Create(this) || !m_toolBar.LoadBitmap(IDB_GALLERY_TOOLBAR) || !m_toolBar.SetButtons(buttons, 6))
        return false;
    m_toolBar.SetSeparatorWidth(4, 24);
    HWND selector = m_toolBar.AddComboBox(5, 160, ID_GALLERY_SELECTOR, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
        128 + 2 * GetSystemMetrics(SM_CYBORDER));
    for (const char* name : {"DEFAULT", "VEXOMAR", "BACKUP"})
        ::SendMessageA(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendMessageA(selector, CB_SETCURSEL, 0, 0);

    static const UINT panes[] = {ID_SEPARATOR, IDS_GALLERY_STATE, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
    if (!m_statusBar.Create(this) || !m_statusBar.SetIndicators(panes, 4))
        return false;
    AddControlBar(&m_toolBar);
    AddControlBar(&m_statusBar);

    if (!m_splitter.CreateStatic(this, 1, 2))
        return false;
    m_form = new CGalleryForm;
    m_form->SetAutoDelete(true);
    m_log = new CEditView;
    m_log->SetAutoDelete(true);
    RECT start = {0, 0, 100, 100};
    if (!m_form->Create(&m_splitter, start, CSplitterWnd::IdFromRowCol(0, 0)) ||
        !m_log->Create(&m_splitter, start, CSplitterWnd::IdFromRowCol(0, 1)))
        return false;
    m_log->SetText("Scan log\r\n13:02  C:\\ scanned, 0 infected\r\n13:05  D:\\ scanned, 1 infected\r\n");
    m_splitter.SetColumnInfo(0, 760 * 3 / 5, 80);
    RecalcLayout();
    m_form->SetFocus();
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    return true;
}

void CGalleryFrame::LayoutClientArea(const RECT& area)
{
    if (m_splitter.m_hWnd)
        m_splitter.MoveWindow(area);
}

void CGalleryFrame::OnStart()
{
    m_running = true;
    m_log->AppendText("Scan started\r\n");
}

void CGalleryFrame::OnStop()
{
    m_running = false;
    m_log->AppendText("Scan stopped\r\n");
}

void CGalleryFrame::OnOptions()
{
    CGalleryPage page;
    CPropertySheet sheet("Service Configuration", this);
    sheet.AddPage(&page);
    sheet.DoModal();
}

void CGalleryFrame::OnUpdateStart(CCmdUI& ui)
{
    ui.Enable(!m_running);
}

void CGalleryFrame::OnUpdateStop(CCmdUI& ui)
{
    ui.Enable(m_running);
}

void CGalleryFrame::OnUpdateState(CCmdUI& ui)
{
    ui.SetText(m_running ? "Service : Started" : "Service : Stopped");
}
