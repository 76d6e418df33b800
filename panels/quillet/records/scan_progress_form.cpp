// CScanProgressForm: a static text that shows the node being scanned.
#include "scan_progress_form.h"

#include "module.h"

CScanProgressForm::~CScanProgressForm()
{
    if (m_window && IsWindow(m_window))
        DestroyWindow(m_window);
}

bool CScanProgressForm::Create(HWND parent)
{
    m_window = CreateWindowExA(WS_EX_CLIENTEDGE, "STATIC", "", WS_CHILD | SS_LEFT, 0, 0, 0, 0, parent, nullptr,
        ModuleInstance(), nullptr);
    return m_window != nullptr;
}

void CScanProgressForm::SetBounds(const RECT& bounds)
{
    if (m_window)
        MoveWindow(m_window, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, TRUE);
}

void CScanProgressForm::Begin(const ScanJob&)
{
    if (m_window)
        ShowWindow(m_window, SW_SHOW);
}

void CScanProgressForm::End()
{
    if (m_window)
        ShowWindow(m_window, SW_HIDE);
}

void CScanProgressForm::ShowNode(const std::string& text)
{
    if (m_window)
        SetWindowTextA(m_window, text.c_str());
}

void CScanProgressForm::ShowCounters(const ScanCounters&)
{
}
