// Dialog windows of framework objects: creation from a template and binding at WM_INITDIALOG.
#include <exception>
#include <vector>

#include "module.h"

#include "wnd.h"

namespace {

thread_local CWnd* t_dialogCreating = nullptr;

// Offset of the style in a template: the extended template starts with version 1 and 0xFFFF.
size_t StyleOffset(const std::vector<BYTE>& data)
{
    const WORD* words = reinterpret_cast<const WORD*>(data.data());
    return (words[0] == 1 && words[1] == 0xFFFF) ? 12 : 0;
}

}  // namespace

INT_PTR CALLBACK CWnd::DialogSetupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* wnd = t_dialogCreating;
    if (!wnd || FromHandlePermanent(window))
        return FALSE;
    t_dialogCreating = nullptr;
    return wnd->BindDialogSafely(window, wParam, lParam);
}

INT_PTR CWnd::BindDialogSafely(HWND window, WPARAM wParam, LPARAM lParam)
{
    try {
        return BindDialog(window, wParam, lParam);
    } catch (const std::exception& error) {
        ReportFault("dialog initialisation", error.what());
        return FALSE;
    }
}

INT_PTR CWnd::BindDialog(HWND window, WPARAM wParam, LPARAM lParam)
{
    if (!SubclassWindow(window))
        return FALSE;
    return RouteMessage(WM_INITDIALOG, wParam, lParam);
}

bool CWnd::CreateDialogWindow(HINSTANCE module, const char* templateName, HWND parent, DWORD childStyle)
{
    if (m_hWnd)
        return false;
    HRSRC found = FindResourceA(module, templateName, reinterpret_cast<LPCSTR>(RT_DIALOG));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = found ? SizeofResource(module, found) : 0;
    if (!bytes || size < sizeof(DLGTEMPLATE))
        return false;
    std::vector<BYTE> data(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    if (childStyle) {
        size_t offset = StyleOffset(data);
        DWORD style = 0;
        memcpy(&style, data.data() + offset, sizeof style);
        style &= ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | WS_DISABLED | WS_VISIBLE |
            WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        style |= WS_CHILD | childStyle;
        memcpy(data.data() + offset, &style, sizeof style);
    }
    t_dialogCreating = this;
    HWND window = CreateDialogIndirectParamA(
        module, reinterpret_cast<LPCDLGTEMPLATEA>(data.data()), parent, &CWnd::DialogSetupProc, 0);
    t_dialogCreating = nullptr;
    return TakeCreated(window);
}
