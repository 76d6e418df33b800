// The data exchange helpers for edits, check boxes, radio groups and combo boxes.
#include "data_exchange.h"

#include <cstdlib>
#include <cstring>

#include "edit_control.h"
#include "module.h"
#include "prompter.h"
#include "wnd.h"

namespace {

bool IsRadioButton(HWND control)
{
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0)
        return false;
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// A text over its field's limit fails the exchange with the framework's standard message.
bool WithinLimit(CDataExchange& exchange, const std::string& text, int maxLength)
{
    if (maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength))
        return true;
    exchange.Fail(FormatText("Enter no more than %d characters.", maxLength));
    return false;
}

}  // namespace

CDataExchange::CDataExchange(CWnd& dialog, bool saveAndValidate) : m_dialog(dialog), m_bSaveAndValidate(saveAndValidate)
{
}

HWND CDataExchange::PrepareControl(int id)
{
    // After a failed field the rest are left as they are, with the focus on the failed one.
    if (m_failed)
        return nullptr;
    m_lastControl = id;
    return m_dialog.GetDlgItem(id);
}

void CDataExchange::Fail(const std::string& message)
{
    m_failed = true;
    if (!message.empty())
        PromptFrom(m_dialog.m_hWnd, message, MB_OK | MB_ICONEXCLAMATION);
    if (HWND control = m_dialog.GetDlgItem(m_lastControl)) {
        ::SetFocus(control);
        SendMessageA(control, EM_SETSEL, 0, -1);
    }
}

void CWnd::DoDataExchange(CDataExchange&)
{
}

bool CWnd::UpdateData(bool saveAndValidate)
{
    CDataExchange exchange(*this, saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.m_failed;
}

void ExchangeText(CDataExchange& exchange, int id, std::string& value, int maxLength)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    if (!exchange.m_bSaveAndValidate) {
        if (maxLength > 0)
            SendMessageA(control, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
        SetWindowTextA(control, value.c_str());
        return;
    }
    std::string text = WindowText(control);
    if (WithinLimit(exchange, text, maxLength))
        value = text;
}

void ExchangeTextBuffer(CDataExchange& exchange, int id, char* buffer, size_t size)
{
    if (size == 0)
        return;
    std::string value(buffer, strnlen(buffer, size));
    ExchangeText(exchange, id, value, static_cast<int>(size - 1));
    if (exchange.m_bSaveAndValidate && !exchange.m_failed) {
        memset(buffer, 0, size);
        memcpy(buffer, value.data(), value.size() < size ? value.size() : size - 1);
    }
}

void ExchangeInt(CDataExchange& exchange, int id, int& value, int minimum, int maximum)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    if (!exchange.m_bSaveAndValidate) {
        SetWindowTextA(control, std::to_string(value).c_str());
        return;
    }
    std::string text = WindowText(control);
    char* end = nullptr;
    long number = std::strtol(text.c_str(), &end, 10);
    bool whole = !text.empty() && end && *end == '\0';
    if (!whole || number < minimum || number > maximum) {
        exchange.Fail(FormatText("Enter a whole number from %d to %d.", minimum, maximum));
        return;
    }
    value = static_cast<int>(number);
}

void ExchangeCheck(CDataExchange& exchange, int id, int& value)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    if (exchange.m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value), 0);
}

void ExchangeRadio(CDataExchange& exchange, int firstId, int& value)
{
    HWND control = exchange.PrepareControl(firstId);
    if (!control)
        return;
    if (exchange.m_bSaveAndValidate)
        value = -1;
    int index = 0;
    // The group runs from the first button to the next control that starts a group.
    for (HWND button = control; button; button = GetWindow(button, GW_HWNDNEXT)) {
        if (button != control && (GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
        if (!IsRadioButton(button))
            continue;
        if (exchange.m_bSaveAndValidate) {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        } else {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void ExchangeComboIndex(CDataExchange& exchange, int id, int& index)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    if (exchange.m_bSaveAndValidate)
        index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    else
        SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ExchangeComboText(CDataExchange& exchange, int id, std::string& value, int maxLength)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    bool list = (GetWindowLongA(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
    if (!exchange.m_bSaveAndValidate) {
        if (list) {
            LRESULT found = SendMessageA(
                control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str()));
            SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        } else {
            if (maxLength > 0)
                SendMessageA(control, CB_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
            SetWindowTextA(control, value.c_str());
        }
        return;
    }
    std::string text;
    if (list) {
        LRESULT selected = SendMessageA(control, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR) {
            LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
            text.assign(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
            SendMessageA(control, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
            text.resize(strlen(text.c_str()));
        }
    } else {
        text = WindowText(control);
    }
    if (WithinLimit(exchange, text, maxLength))
        value = text;
}
