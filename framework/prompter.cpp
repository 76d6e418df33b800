// The prompter seam and the message-box helpers built on it.
#include "prompter.h"

#include "module.h"
#include "win_app.h"
#include "wnd.h"

namespace {

Prompter* g_installed = nullptr;

HWND DefaultOwner()
{
    CWinApp* app = CWinApp::Get();
    if (app && app->m_pMainWnd && IsWindow(app->m_pMainWnd->m_hWnd))
        return GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    return GetActiveWindow();
}

std::string Caption()
{
    CWinApp* app = CWinApp::Get();
    return app ? app->m_appName : std::string();
}

}  // namespace

Prompter& Prompter::Current()
{
    static SystemPrompter system;
    return g_installed ? *g_installed : system;
}

Prompter* Prompter::Install(Prompter* prompter)
{
    Prompter* previous = g_installed;
    g_installed = prompter;
    return previous;
}

int SystemPrompter::Show(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    return MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

void SystemPrompter::Beep(UINT type)
{
    MessageBeep(type);
}

int Prompt(const std::string& text, UINT type)
{
    return Prompter::Current().Show(DefaultOwner(), text, Caption(), type);
}

int PromptId(UINT stringId, UINT type)
{
    return Prompt(LoadResString(stringId), type);
}

int PromptFrom(HWND owner, const std::string& text, UINT type)
{
    return Prompter::Current().Show(owner, text, Caption(), type);
}

void SoundBeep(UINT type)
{
    Prompter::Current().Beep(type);
}
