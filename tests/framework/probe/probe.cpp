// FWPROBE.DLL: a plug-in built on the framework, to show that each module keeps its own
// application object and loads its own templates and strings.
#include <windows.h>

#include <cstring>
#include <string>

#include "framework.h"
#include "test_resource.h"

namespace {

CWinApp g_probeApp("FWPROBE");

int CopyOut(const std::string& text, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int length = static_cast<int>(text.size()) < size - 1 ? static_cast<int>(text.size()) : size - 1;
    memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    return length;
}

}  // namespace

extern "C" int WINAPI ProbeString(UINT id, char* buffer, int size)
{
    return CopyOut(LoadResString(id), buffer, size);
}

extern "C" int WINAPI ProbeAppName(char* buffer, int size)
{
    CWinApp* app = CWinApp::Get();
    return CopyOut(app ? app->m_appName : std::string(), buffer, size);
}

extern "C" int WINAPI ProbeDialogCaption(char* buffer, int size)
{
    CDialog dialog(IDD_NAME);
    if (!dialog.Create())
        return -1;
    std::string caption = dialog.GetWindowText();
    dialog.DestroyWindow();
    return CopyOut(caption, buffer, size);
}
