// QUILLET.DLL: the Local Scanner plug-in's application object and its exported message procedure.
#include <windows.h>

#include "quillet_app.h"
#include "quillet_plugin.h"

namespace {

CQuilletApp g_quilletApp("QUILLET");
KelvexLibrary g_engine;
TorpinLibrary g_archive;
FilterDeviceLink g_filters;
QuilletPlugin g_plugin(g_quilletApp, QuilletServices {g_engine, g_archive, g_filters});
const bool g_commandsBound = (g_quilletApp.SetPlugin(&g_plugin), true);

}  // namespace

extern "C" LRESULT WINAPI SP_MessageProc(HWND host, UINT message, WPARAM wParam, LPARAM lParam)
{
    return g_plugin.HandleMessage(host, message, wParam, lParam);
}
