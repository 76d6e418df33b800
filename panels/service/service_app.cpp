// SERVICE.DLL: the Service Manager plug-in's application object and its exported message procedure.
#include <windows.h>

#include "service_plugin.h"

namespace {

CExtensionApp g_serviceApp("SERVICE");
SystemSecurityCalls g_security;
LoadedServiceCore g_core;
ServicePlugin g_plugin(g_serviceApp, g_security, g_core);

}  // namespace

extern "C" LRESULT WINAPI SP_MessageProc(HWND host, UINT message, WPARAM wParam, LPARAM lParam)
{
    return g_plugin.HandleMessage(host, message, wParam, lParam);
}
