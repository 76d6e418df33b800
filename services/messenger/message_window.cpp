// CMessageWindow: one message in a window of its own, so that the next can arrive meanwhile.
#include "message_window.h"

#include "edit_control.h"
#include "messenger_ids.h"
#include "module.h"

namespace {

std::string Formatted(DWORD flags, const SYSTEMTIME& when, bool date)
{
    char text[128] = {};
    const int written = date ? GetDateFormatA(LOCALE_USER_DEFAULT, flags, &when, nullptr, text, sizeof text)
                             : GetTimeFormatA(LOCALE_USER_DEFAULT, flags, &when, nullptr, text, sizeof text);
    return written > 0 ? std::string(text) : std::string();
}

}  // namespace

int CMessageWindow::s_open = 0;

CMessageWindow::CMessageWindow(MessengerMessage message, const SYSTEMTIME& received)
    : CDialog(IDD_MESSENGER_MESSAGE), m_message(std::move(message)), m_received(received)
{
    ++s_open;
}

CMessageWindow::~CMessageWindow()
{
    --s_open;
}

CMessageWindow* CMessageWindow::Show(const MessengerMessage& message, const SYSTEMTIME& received)
{
    auto* window = new CMessageWindow(message, received);
    if (!window->Create()) {
        delete window;
        return nullptr;
    }
    window->SetAutoDelete(true);
    const int step = ((s_open - 1) % kCascadeDepth) * kCascadeStep;
    if (step > 0) {
        RECT place;
        ::GetWindowRect(window->m_hWnd, &place);
        ::SetWindowPos(window->m_hWnd, nullptr, place.left + step, place.top + step, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::ShowWindow(window->m_hWnd, SW_SHOWNORMAL);
    return window;
}

BOOL CMessageWindow::OnInitDialog()
{
    const std::string caption =
        FormatResString(IDS_MESSAGE_CAPTION, m_message.sender.c_str(), m_message.recipient.c_str());
    ::SetWindowTextA(m_hWnd, caption.c_str());
    const std::string received = FormatResString(IDS_MESSAGE_RECEIVED,
        Formatted(DATE_SHORTDATE, m_received, true).c_str(), Formatted(0, m_received, false).c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_MESSAGE_RECEIVED, received.c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_MESSAGE_TEXT, messenger_message::DisplayText(m_message.text).c_str());
    CDialog::OnInitDialog();
    // The focus on OK, so the text is not shown all selected.
    ::SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

std::string CMessageWindow::Caption() const
{
    return WindowText(m_hWnd);
}

std::string CMessageWindow::ShownText() const
{
    return WindowText(GetDlgItem(IDC_MESSAGE_TEXT));
}
