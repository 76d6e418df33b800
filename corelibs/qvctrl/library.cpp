// DllMain, the exported justification switch and the registration of the window classes.
#include <windows.h>

#include <commctrl.h>

#include "library.h"
#include "qvctrl.h"

namespace qvctrl {
namespace {

HINSTANCE g_module = nullptr;
LONG g_justified = 0;

bool RegisterOne(HINSTANCE module, const char* name, WNDPROC procedure)
{
    WNDCLASSA windowClass = {};
    // Global, so that dialog templates of any module of the process can name the class.
    windowClass.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_PARENTDC;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = sizeof(void*);
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace

HINSTANCE Module()
{
    return g_module;
}

bool Justified3D()
{
    return InterlockedCompareExchange(&g_justified, 0, 0) != 0;
}

bool RegisterClasses(HINSTANCE module)
{
    g_module = module;
    if (RegisterOne(module, QV_NUMSPIN_CLASS, NumSpinProc) && RegisterOne(module, QV_DATE_CLASS, DateTimeProc) &&
        RegisterOne(module, QV_TIME_CLASS, DateTimeProc))
        return true;
    UnregisterClasses(module);
    return false;
}

void UnregisterClasses(HINSTANCE module)
{
    UnregisterClassA(QV_NUMSPIN_CLASS, module);
    UnregisterClassA(QV_DATE_CLASS, module);
    UnregisterClassA(QV_TIME_CLASS, module);
}

void EnsureCommonControls()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_DATE_CLASSES};
    done = InitCommonControlsEx(&controls) != FALSE;
}

}  // namespace qvctrl

extern "C" BOOL WINAPI EnableStatic3DJustification(BOOL enable)
{
    return InterlockedExchange(&qvctrl::g_justified, enable ? 1 : 0) != 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(module);
        // Without its classes the library is of no use: refuse to load rather than fail later.
        return qvctrl::RegisterClasses(module) ? TRUE : FALSE;
    }
    if (reason == DLL_PROCESS_DETACH)
        qvctrl::UnregisterClasses(module);
    return TRUE;
}
