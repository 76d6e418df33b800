// CViewRecordDlg: the report read whole into a read-only box with the caret at its end.
#include "view_record_dlg.h"

#include <algorithm>
#include <new>

#include "module.h"
#include "prompter.h"
#include "quillet_records_ids.h"
#include "quillet_scan_ids.h"
#include "record_text_unit.h"
#include "scan_log_file.h"

namespace {

void Warn(HWND owner, UINT text)
{
    Prompter::Current().Show(owner, LoadResString(text), LoadResString(IDS_SCAN_CAPTION), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CViewRecordDlg::CViewRecordDlg(std::string path, std::string text, CWnd* parent)
    : CDialog(IDD_VIEW_RECORD, parent), m_path(std::move(path)), m_text(std::move(text))
{
}

BOOL CViewRecordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(FormatResString(IDS_RECORD_FILE_CAPTION, m_path.c_str()));
    HWND box = GetDlgItem(IDC_VIEW_RECORD_TEXT);
    // Stops at 17 1/2 and 35 widths of half the widest character, in the box's dialog units.
    const int half = HalfWidestCharacter(box, reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0)), 5);
    RECT unit = {0, 0, 4, 0};
    MapDialogRect(m_hWnd, &unit);
    const int baseX = unit.right > 0 ? unit.right : 8;
    INT stops[2] = {half * 35 * 4 / (2 * baseX), half * 35 * 4 / baseX};
    ::SendMessageA(box, EM_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops));
    ::SendMessageA(box, EM_LIMITTEXT, kShownLimit, 0);
    ::SetWindowTextA(box, m_text.c_str());
    const LPARAM end = static_cast<LPARAM>(::GetWindowTextLengthA(box));
    ::SetFocus(box);
    ::SendMessageA(box, EM_SETSEL, end, end);
    ::SendMessageA(box, EM_SCROLLCARET, 0, 0);
    return FALSE;
}

bool ReadRecordFile(HWND owner, const std::string& path, std::string& text)
{
    if (!FileExists(path)) {
        PromptFrom(owner, LoadResString(IDS_RECORD_FILE_MISSING), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Warn(owner, IDS_MASTER_DB_UNREACHABLE);
        return false;
    }
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    size_t length = static_cast<size_t>(std::max<LONGLONG>(size.QuadPart, 0));
    const bool cut = size.QuadPart > static_cast<LONGLONG>(CViewRecordDlg::kShownLimit);
    if (cut) {
        PromptFrom(owner, LoadResString(IDS_RECORD_TOO_LONG), MB_OK | MB_ICONEXCLAMATION);
        length = CViewRecordDlg::kShownLimit;
    }
    try {
        text.assign(length, '\0');
    } catch (const std::bad_alloc&) {
        CloseHandle(file);
        PromptFrom(owner, LoadResString(IDS_RECORD_NO_MEMORY), MB_OK | MB_ICONSTOP);
        return false;
    }
    DWORD read = 0;
    const bool complete = ReadFile(file, text.data(), static_cast<DWORD>(length), &read, nullptr) != FALSE;
    CloseHandle(file);
    if (!complete) {
        Warn(owner, IDS_MASTER_DB_UNREACHABLE);
        return false;
    }
    text.resize(read);
    // The report's final line end; a file cut short keeps all it has.
    if (!cut)
        text.resize(text.size() >= 2 ? text.size() - 2 : 0);
    return true;
}

void ShowRecordFile(CWnd* parent, const std::string& path)
{
    std::string text;
    if (!ReadRecordFile(parent ? parent->m_hWnd : nullptr, path, text))
        return;
    CViewRecordDlg dialog(path, std::move(text), parent);
    dialog.DoModal();
}
