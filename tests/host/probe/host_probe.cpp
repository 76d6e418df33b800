// HOSTPROBE.DLL: a panel plug-in that records every message the host sends it and answers as told.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "plugin_protocol.h"

using namespace panel_protocol;

namespace {

std::string g_log;
LONG g_flags = 0;
HWND g_child = nullptr;
WNDPROC g_childProc = nullptr;
bool g_refuseClose = false;

enum : LONG {
    kDescribeWrongly = 1,  // 1538 answers 1 but leaves offset 28 at 0
    kUnavailable = 2,  // 1542 answers 0
    kTakePreTranslate = 4,  // 1545 answers 1 for the test's own message
    kMissingIcon = 8,  // the MDI child request names an icon the module does not have
};

void Log(const std::string& entry)
{
    if (!g_log.empty())
        g_log += ' ';
    g_log += entry;
}

LRESULT CALLBACK RefusingChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE && g_refuseClose)
        return 0;
    return CallWindowProcA(g_childProc, window, message, wParam, lParam);
}

HWND OpenChild(HWND host)
{
    static const char title[] = "Probe Panel";
    MdiChildRequest request = {sizeof(request), kPanelResourceId, nullptr, (g_flags & kMissingIcon) ? 999u : 1u, title,
        kPanelChildStyle, 5, 0};
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&Log), &self);
    HWND child = reinterpret_cast<HWND>(
        SendMessageA(host, kCreateMdiChild, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(&request)));
    char entry[32];
    snprintf(entry, sizeof entry, "2323=%s/%u", child ? "child" : "0", request.status);
    Log(entry);
    if (child) {
        g_child = child;
        g_childProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingChildProc)));
        ShowWindow(child, SW_SHOW);
    }
    return child;
}

}  // namespace

extern "C" LRESULT WINAPI SP_MessageProc(HWND host, UINT message, WPARAM, LPARAM lParam)
{
    char entry[64];
    switch (message) {
    case kDescribe: {
        auto* record = reinterpret_cast<unsigned char*>(lParam);
        int nonzero = 0;
        for (int i = 0; i < 32; ++i)
            nonzero += record[i] != 0;
        snprintf(entry, sizeof entry, "1538(%d)", nonzero);
        Log(entry);
        if (!(g_flags & kDescribeWrongly))
            reinterpret_cast<PanelInfo*>(lParam)->described = 1;
        return 1;
    }
    case kQueryAvailable: Log("1542"); return (g_flags & kUnavailable) ? 0 : 1;
    case kStart: Log(IsWindowVisible(host) ? "1547(shown)" : "1547(hidden)"); return 1;
    case kPreTranslate: {
        auto* msg = reinterpret_cast<MSG*>(lParam);
        if (!msg || msg->message != WM_USER + 7)
            return 0;
        Log("1545");
        return (g_flags & kTakePreTranslate) ? 1 : 0;
    }
    case kRefresh:
        // Only the first idle turn after a logged message is logged, so that idle turns read plainly.
        if (g_log.size() < 5 || g_log.compare(g_log.size() - 4, 4, "1546") != 0)
            Log("1546");
        return 0;
    case kTimer: return 0;
    case kTerminate: {
        Log("1537");
        // The order of the ends across probes, in the process's environment that all of them share.
        char ends[512] = {};
        GetEnvironmentVariableA("PROBE_ENDS", ends, sizeof ends);
        char path[MAX_PATH] = {};
        HMODULE self = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCSTR>(&Log), &self);
        GetModuleFileNameA(self, path, MAX_PATH);
        const char* name = strrchr(path, '\\');
        std::string joined = std::string(ends) + (ends[0] ? " " : "") + (name ? name + 1 : path);
        SetEnvironmentVariableA("PROBE_ENDS", joined.c_str());
        return 0;
    }
    case kOpen:
        Log("1541");
        OpenChild(host);
        return 0;
    default:
        snprintf(entry, sizeof entry, "%u", message);
        Log(entry);
        return 0;
    }
}

extern "C" void WINAPI ProbeConfigure(LONG flags, BOOL refuseClose)
{
    g_flags = flags;
    g_refuseClose = refuseClose != FALSE;
}

extern "C" int WINAPI ProbeLog(char* buffer, int size)
{
    int length = static_cast<int>(g_log.size()) < size - 1 ? static_cast<int>(g_log.size()) : size - 1;
    memcpy(buffer, g_log.data(), static_cast<size_t>(length));
    buffer[length] = '\0';
    g_log.clear();
    return length;
}

extern "C" HWND WINAPI ProbeChild()
{
    return g_child && IsWindow(g_child) ? g_child : nullptr;
}

extern "C" LRESULT WINAPI ProbeStatus(const char* text, BOOL restore)
{
    HWND host = nullptr;
    if (g_child && IsWindow(g_child))
        host = GetParent(GetParent(g_child));
    if (!host)
        return -1;
    return restore ? SendMessageA(host, kStatusText, kStatusIdle, 0)
                   : SendMessageA(host, kStatusText, 0, reinterpret_cast<LPARAM>(text));
}
