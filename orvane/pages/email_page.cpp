// CEmail: the page's controls and layout, Load from the settings cache, the date poll and Commit.
#include "email_page.h"

#include <algorithm>
#include <cstring>

#include "al_tab_wnd.h"
#include "alert_settings.h"
#include "edit_control.h"
#include "email_ids.h"
#include "list_box.h"
#include "mapi_library.h"
#include "module.h"
#include "pages_ids.h"

namespace {

constexpr std::size_t kDateSize = 256;

struct ChildControl {
    UINT id;
    const char* className;
    const char* text;
    DWORD style;
    DWORD exStyle;
};

const ChildControl kControls[] = {
    {IDC_EMAIL_TO_LABEL, "STATIC", "To :", SS_LEFT, 0},
    {IDC_EMAIL_TO, "LISTBOX", "", LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE},
    {IDC_EMAIL_CC_LABEL, "STATIC", "CC :", SS_LEFT, 0},
    {IDC_EMAIL_CC, "LISTBOX", "", LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE},
    {IDC_EMAIL_SUBJECT_LABEL, "STATIC", "Subject :", SS_LEFT, 0},
    {IDC_EMAIL_SUBJECT, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE},
    {IDC_EMAIL_FILES_LABEL, "STATIC", "File Name :", SS_LEFT, 0},
    {IDC_EMAIL_FILES, "LISTBOX", "", LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
        WS_EX_CLIENTEDGE},
    {ID_EMAIL_ADDRESS, "BUTTON", "A&ddress", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ID_EMAIL_ATTACH, "BUTTON", "&Attach", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {ID_EMAIL_DETACH, "BUTTON", "De&tach", BS_PUSHBUTTON | WS_TABSTOP, 0},
    {IDC_EMAIL_RECEIPT, "BUTTON", "Return receipt", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
    {IDC_EMAIL_STATUS, "STATIC", "", SS_LEFT | SS_NOPREFIX, 0},
};

}  // namespace

std::string& CEmail::LastDate()
{
    static std::string date;
    return date;
}

CEmail::CEmail(ProgramValues& values) : CEmail(values, std::make_unique<MapiLibrary>())
{
}

CEmail::CEmail(ProgramValues& values, std::unique_ptr<SimpleMapi> mapi)
    : CAdminFV(IDD_EMAIL_PAGE), m_values(values), m_mapi(std::move(mapi))
{
}

CEmail::~CEmail()
{
    if (m_session != 0)
        m_mapi->Logoff(m_session, nullptr);
}

const MessageMap& CEmail::GetMessageMap() const
{
    static const MessageMap map(CAdminFV::GetMessageMap(),
        {
            on::Command(ID_EMAIL_ADDRESS, &CEmail::OnAddress),
            on::Command(ID_EMAIL_ATTACH, &CEmail::OnAttach),
            on::Command(ID_EMAIL_DETACH, &CEmail::OnDetach),
            on::Command(IDC_EMAIL_RECEIPT, &CEmail::Commit),
            on::Command(ID_EMAIL_RECEIPT, &CEmail::OnReceiptCommand),
            on::Command(ID_EMAIL_TOGGLE, &CEmail::OnToggle),
            on::Command(ID_EMAIL_SETUP, &CEmail::OnSetupSubject),
            on::Command(ID_PAGE_HELP, &CEmail::OnHelp),
            on::ControlCode(IDC_EMAIL_SUBJECT, EN_KILLFOCUS, &CEmail::OnSubjectLeft),
            on::UpdateCommand(ID_EMAIL_ADDRESS, &CEmail::OnUpdateAddress),
            on::UpdateCommand(ID_EMAIL_TOGGLE, &CEmail::OnUpdateToggle),
            on::UpdateCommand(ID_EMAIL_RECEIPT, &CEmail::OnUpdateReceipt),
            on::Timer(&CEmail::OnTimer),
            on::Size(&CEmail::OnSizePage),
            on::Destroy(&CEmail::OnDestroyPage),
        });
    return map;
}

void CEmail::CreateControls()
{
    m_font = GetFont();
    if (!m_font)
        m_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ previous = SelectObject(dc, m_font);
    GetTextMetricsA(dc, &m_metrics);
    SelectObject(dc, previous);
    ::ReleaseDC(m_hWnd, dc);
    for (const ChildControl& control : kControls) {
        HWND child = CreateWindowExA(control.exStyle, control.className, control.text,
            WS_CHILD | WS_VISIBLE | control.style, 0, 0, 10, 10, m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)), ModuleInstance(), nullptr);
        if (child)
            ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    }
    CEdit(Control(IDC_EMAIL_SUBJECT)).LimitText(static_cast<int>(mail_record::kSubjectLimit));
    if (!m_mapi->Available())
        SetDlgItemText(IDC_EMAIL_STATUS, m_mapi->Why());
    const RECT client = GetClientRect();
    LayOut(client.right - client.left, client.bottom - client.top);
}

// Labels on the left, the four fields in the middle, the buttons on the right; the three lists
// share the height that the subject, the check box and the status line leave.
void CEmail::LayOut(int width, int height)
{
    if (!Control(IDC_EMAIL_TO))
        return;
    const int line = m_metrics.tmHeight + m_metrics.tmExternalLeading;
    const int margin = m_metrics.tmAveCharWidth;
    const int labelWidth = 11 * m_metrics.tmAveCharWidth;
    const int buttonWidth = 12 * m_metrics.tmAveCharWidth;
    const int buttonHeight = line + 10;
    const int fieldLeft = margin + labelWidth;
    const int fieldWidth = std::max(width - fieldLeft - buttonWidth - 3 * margin, 4 * margin);
    const int buttonLeft = fieldLeft + fieldWidth + 2 * margin;
    const int editHeight = line + 8;
    const int statusHeight = 2 * line;
    const int fixed = editHeight + buttonHeight + statusHeight + 6 * margin;
    const int lists = std::max(height - fixed, 6 * line);
    const int toHeight = lists * 3 / 10;
    const int ccHeight = lists * 3 / 10;
    const int filesHeight = lists - toHeight - ccHeight;
    auto place = [this](UINT id, int x, int y, int w, int h) {
        if (HWND child = Control(id))
            ::MoveWindow(child, x, y, w, h, TRUE);
    };
    int top = margin;
    place(IDC_EMAIL_TO_LABEL, margin, top + 2, labelWidth, line);
    place(IDC_EMAIL_TO, fieldLeft, top, fieldWidth, toHeight);
    place(ID_EMAIL_ADDRESS, buttonLeft, top, buttonWidth, buttonHeight);
    top += toHeight + margin;
    place(IDC_EMAIL_CC_LABEL, margin, top + 2, labelWidth, line);
    place(IDC_EMAIL_CC, fieldLeft, top, fieldWidth, ccHeight);
    top += ccHeight + margin;
    place(IDC_EMAIL_SUBJECT_LABEL, margin, top + 4, labelWidth, line);
    place(IDC_EMAIL_SUBJECT, fieldLeft, top, fieldWidth, editHeight);
    top += editHeight + margin;
    place(IDC_EMAIL_FILES_LABEL, margin, top + 2, labelWidth, line);
    place(IDC_EMAIL_FILES, fieldLeft, top, fieldWidth, filesHeight);
    place(ID_EMAIL_ATTACH, buttonLeft, top, buttonWidth, buttonHeight);
    place(ID_EMAIL_DETACH, buttonLeft, top + buttonHeight + margin, buttonWidth, buttonHeight);
    top += filesHeight + margin;
    place(IDC_EMAIL_RECEIPT, fieldLeft, top, fieldWidth, buttonHeight);
    top += buttonHeight + margin;
    place(IDC_EMAIL_STATUS, margin, top, width - 2 * margin, statusHeight);
}

void CEmail::OnSizePage(UINT type, int cx, int cy)
{
    CFormView::OnSize(type, cx, cy);
    LayOut(cx, cy);
}

CAlertSettings* CEmail::Settings() const
{
    CALTabWnd* tab = CALTabWnd::FromPage(m_hWnd);
    return tab ? &tab->Settings() : nullptr;
}

void CEmail::Load(int first)
{
    if (first == 1 && !Control(IDC_EMAIL_TO)) {
        CreateControls();
        SetTimer(kPollTimer, kPollMilliseconds);
    }
    CAlertSettings* settings = Settings();
    if (!settings || !Control(IDC_EMAIL_TO))
        return;
    char date[kDateSize] = {};
    if (AlertCore::Failed(
            m_values.Core().AlertGetCFGDate(m_values.serverName, settings->ApplicationName().c_str(), date)))
        return;
    const std::string current(date, strnlen(date, kDateSize));
    if (current == LastDate() && !m_stale)
        return;
    LastDate() = current;
    m_stale = false;
    void* array = nullptr;
    int enabled = 0;
    const int count =
        settings->GetEMail(enabled, array, reinterpret_cast<BYTE*>(&m_mail), reinterpret_cast<BYTE*>(&m_attachments));
    // The stored flag is kept as it is: a disabled method shows "&Enable" and stays disabled at
    // the next change instead of being switched on behind the administrator's back.
    m_enabled = enabled != 0 ? 1 : 0;
    Show();
    CListBox to(Control(IDC_EMAIL_TO));
    CListBox cc(Control(IDC_EMAIL_CC));
    to.ResetContent();
    cc.ResetContent();
    const auto* records = static_cast<const EMailRecipientRecord*>(array);
    for (int i = 0; records && i < count; ++i) {
        const std::string name = mail_record::Text(records[i].name);
        if (records[i].recipientClass == mail_record::kTo)
            to.AddString(name);
        else if (records[i].recipientClass == mail_record::kCc)
            cc.AddString(name);
    }
    if (array)
        GlobalFree(array);
    m_values.Core().AlertFreeCheckEverySetting(m_values.serverName, 2);
}

// The subject, the box and the files from the two records.
void CEmail::Show()
{
    SetDlgItemText(IDC_EMAIL_SUBJECT, mail_record::Text(m_mail.subject));
    CheckDlgButton(IDC_EMAIL_RECEIPT, m_mail.returnReceipt ? BST_CHECKED : BST_UNCHECKED);
    CListBox files(Control(IDC_EMAIL_FILES));
    files.ResetContent();
    const int attached = mail_record::AttachmentCount(m_attachments);
    for (int i = 0; i < attached; ++i)
        files.AddString(mail_record::Text(m_attachments.paths[i]));
}

void CEmail::ReleaseItems()
{
    // The next load reads the settings again, even when the (new) application's date text
    // equals the last one.
    LastDate().clear();
    m_stale = true;
}

std::vector<std::string> CEmail::Lines(UINT listId) const
{
    CListBox list(Control(listId));
    std::vector<std::string> lines;
    for (int i = 0; i < list.GetCount(); ++i)
        lines.push_back(list.GetText(i));
    return lines;
}

void CEmail::Commit()
{
    CAlertSettings* settings = Settings();
    if (!settings || !Control(IDC_EMAIL_TO))
        return;
    const std::vector<std::string> to = Lines(IDC_EMAIL_TO);
    const std::vector<std::string> cc = Lines(IDC_EMAIL_CC);
    const std::size_t count = to.size() + cc.size();
    EMailRecipientRecord* array = nullptr;
    if (count > 0) {
        array = static_cast<EMailRecipientRecord*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, count * sizeof *array));
        if (!array)
            return;
    }
    std::size_t next = 0;
    for (const auto& [names, recipientClass] : {std::pair {&to, mail_record::kTo}, std::pair {&cc, mail_record::kCc}}) {
        for (const std::string& name : *names) {
            // Every line was checked to fit when it was added.
            mail_record::SetText(array[next].name, name);
            array[next].recipientClass = recipientClass;
            ++next;
        }
    }
    const std::vector<std::string> files = Lines(IDC_EMAIL_FILES);
    std::memset(m_attachments.paths, 0, sizeof m_attachments.paths);
    m_attachments.count = static_cast<std::uint32_t>(std::min<std::size_t>(files.size(), mail_record::kMaxAttachments));
    for (std::uint32_t i = 0; i < m_attachments.count; ++i)
        mail_record::SetText(m_attachments.paths[i], files[i]);
    std::string subject = GetDlgItemText(IDC_EMAIL_SUBJECT);
    if (subject.size() > mail_record::kSubjectLimit)
        subject.resize(mail_record::kSubjectLimit);
    mail_record::SetText(m_mail.subject, subject);
    m_mail.returnReceipt = IsDlgButtonChecked(IDC_EMAIL_RECEIPT) == BST_CHECKED ? 1 : 0;
    // The cache keeps the array until the next SetEMail and frees it then.
    settings->SetEMail(static_cast<WORD>(count), m_enabled, array, reinterpret_cast<const BYTE*>(&m_mail),
        reinterpret_cast<const BYTE*>(&m_attachments));
}

void CEmail::OnSubjectLeft()
{
    if (GetDlgItemText(IDC_EMAIL_SUBJECT) != mail_record::Text(m_mail.subject))
        Commit();
}

void CEmail::OnTimer(UINT_PTR id)
{
    if (id == kPollTimer)
        Load(0);
}

void CEmail::OnDestroyPage()
{
    KillTimer(kPollTimer);
    CView::OnDestroy();
}

void CEmail::OnUpdateAddress(CCmdUI& ui)
{
    ui.Enable(m_mapi->Available());
}

void CEmail::OnUpdateToggle(CCmdUI& ui)
{
    ui.SetText(LoadResString(m_enabled ? IDS_NOTIFY_DISABLE : IDS_NOTIFY_ENABLE));
}

void CEmail::OnUpdateReceipt(CCmdUI& ui)
{
    ui.SetCheck(IsDlgButtonChecked(IDC_EMAIL_RECEIPT) == BST_CHECKED ? 1 : 0);
}
