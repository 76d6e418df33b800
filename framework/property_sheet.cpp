// CPropertySheet: the modeless common sheet run in our own modal loop, and its page set.
#include "property_sheet.h"

#include <algorithm>
#include <exception>

#include "modal_driver.h"
#include "modal_loop.h"
#include "module.h"
#include "win_app.h"

namespace {

thread_local CPropertySheet* t_sheetCreating = nullptr;

}  // namespace

CPropertySheet::CPropertySheet(const std::string& caption, CWnd* parent, UINT startPage)
    : m_caption(caption), m_parent(parent), m_startPage(startPage)
{
}

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT startPage)
    : m_caption(LoadResString(captionId)), m_parent(parent), m_startPage(startPage)
{
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM)
{
    if (message == PSCB_INITIALIZED && t_sheetCreating) {
        CPropertySheet* sheet = t_sheetCreating;
        t_sheetCreating = nullptr;
        try {
            sheet->SubclassWindow(window);
        } catch (const std::exception& error) {
            ReportFault("property sheet creation", error.what());
        }
    }
    return 0;
}

void CPropertySheet::AddPage(CPropertyPage* page)
{
    if (!page || GetPageIndex(page) >= 0)
        return;
    m_pages.push_back(page);
    if (IsOpen()) {
        if (HPROPSHEETPAGE handle = page->CreatePageHandle(this))
            ::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle));
    }
}

void CPropertySheet::RemovePage(CPropertyPage* page)
{
    int index = GetPageIndex(page);
    if (index < 0)
        return;
    if (IsOpen())
        ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, static_cast<WPARAM>(index), 0);
    m_pages.erase(m_pages.begin() + index);
}

CPropertyPage* CPropertySheet::GetPage(int index) const
{
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const
{
    auto found = std::find(m_pages.begin(), m_pages.end(), page);
    return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const
{
    if (!IsOpen())
        return -1;
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

bool CPropertySheet::SetActivePage(int index)
{
    return IsOpen() && ::SendMessageA(m_hWnd, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != 0;
}

std::vector<std::string> CPropertySheet::GetTabTexts() const
{
    std::vector<std::string> texts;
    if (!IsOpen())
        return texts;
    HWND tabs = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0));
    int count = static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        char text[128] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

void CPropertySheet::SetTitle(const std::string& title)
{
    m_caption = title;
    if (m_hWnd)
        ::SendMessageA(m_hWnd, PSM_SETTITLEA, 0, reinterpret_cast<LPARAM>(m_caption.c_str()));
}

void CPropertySheet::PressButton(int button)
{
    if (IsOpen())
        ::SendMessageA(m_hWnd, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

bool CPropertySheet::IsOpen() const
{
    // A modeless sheet that has ended has no current page any more.
    return m_hWnd && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::OnInitSheet()
{
    return TRUE;
}

bool CPropertySheet::PreTranslateMessage(MSG& message)
{
    return m_hWnd && ::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(&message)) != 0;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd || m_pages.empty())
        return -1;
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages) {
        HPROPSHEETPAGE handle = page->CreatePageHandle(this);
        if (!handle) {
            for (HPROPSHEETPAGE made : handles)
                DestroyPropertySheetPage(made);
            return -1;
        }
        handles.push_back(handle);
    }
    const HWND owner = ModalOwnerFor(m_parent);

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags =
        PSH_MODELESS | PSH_USECALLBACK | (m_showApply ? 0 : PSH_NOAPPLYNOW) | (m_hasHelp ? PSH_HASHELP : 0);
    header.hwndParent = owner;
    header.hInstance = ResourceInstance();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = m_startPage < handles.size() ? m_startPage : 0;
    header.phpage = handles.data();
    header.pfnCallback = &CPropertySheet::SheetCallback;

    ModalOwnerLock lock(owner);
    m_applied = false;
    t_sheetCreating = this;
    HWND sheet = reinterpret_cast<HWND>(PropertySheetA(&header));
    t_sheetCreating = nullptr;
    INT_PTR result = -1;
    if (sheet && !m_hWnd)
        SubclassWindow(sheet);
    if (sheet && OnInitSheet()) {
        CenterWindow(owner);
        if (ModalDriver* driver = ModalDriver::Current()) {
            driver->Drive(*this);
            result = IsOpen() ? IDABORT : (m_applied ? IDOK : IDCANCEL);
        } else {
            RunModalLoop(*this, ModalKeys::WindowOnly, [this] { return !IsOpen(); });
            result = m_applied && !IsOpen() ? IDOK : IDCANCEL;
        }
    }
    lock.Release();
    if (sheet && IsWindow(sheet))
        ::DestroyWindow(sheet);
    if (m_hWnd)
        Detach();
    return result;
}
