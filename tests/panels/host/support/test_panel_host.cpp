// TestPanelHost: the frame, its MDI client and its answers to 2323 and 2416.
#include "test_panel_host.h"

#include <cstring>

#include "plugin_protocol.h"

using namespace panel_protocol;

namespace {
constexpr const char* kFrameClass = "TestPanelHostFrame";
constexpr const char* kChildClass = "TestPanelHostChild";

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(window, message, wParam, lParam);
}
}  // namespace

TestPanelHost::TestPanelHost()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing = {};
    if (!GetClassInfoA(instance, kFrameClass, &existing)) {
        WNDCLASSA frame = {};
        frame.lpfnWndProc = &TestPanelHost::FrameProc;
        frame.hInstance = instance;
        frame.lpszClassName = kFrameClass;
        RegisterClassA(&frame);
        WNDCLASSA child = {};
        child.lpfnWndProc = &ChildProc;
        child.hInstance = instance;
        child.lpszClassName = kChildClass;
        RegisterClassA(&child);
    }
    m_frame = CreateWindowExA(0, kFrameClass, "Test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
        nullptr, instance, this);
    CLIENTCREATESTRUCT client = {nullptr, 50000};
    m_client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 780, 560,
        m_frame, nullptr, instance, &client);
}

TestPanelHost::~TestPanelHost()
{
    SetWindowLongPtrA(m_frame, GWLP_USERDATA, 0);
    DestroyWindow(m_frame);
}

LRESULT CALLBACK TestPanelHost::FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TestPanelHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == kCreateMdiChild)
        return self->OnRequest(wParam, lParam);
    if (self && message == kStatusText) {
        self->statusTexts.push_back(wParam == kStatusIdle ? "<idle>" : reinterpret_cast<const char*>(lParam));
        return 1;
    }
    return DefFrameProcA(window, self ? self->m_client : nullptr, message, wParam, lParam);
}

LRESULT TestPanelHost::OnRequest(WPARAM, LPARAM lParam)
{
    auto* request = reinterpret_cast<MdiChildRequest*>(lParam);
    requests.push_back(Bytes32(request));
    titles.push_back(request->title ? request->title : "");
    if (duringRequest)
        duringRequest();
    switch (answer) {
    case Answer::RefuseMissingResource: request->status = kRequestResourceMissing; return 0;
    case Answer::RefuseQuietly: return 0;
    case Answer::Create: break;
    }
    HWND child = CreateMDIWindowA(kChildClass, request->title, request->style & ~WS_VISIBLE, 10, 10, 400, 300, m_client,
        GetModuleHandleA(nullptr), 0);
    if (child && request->menu)
        DestroyMenu(request->menu);
    return reinterpret_cast<LRESULT>(child);
}

std::array<unsigned char, 32> Bytes32(const void* value)
{
    std::array<unsigned char, 32> bytes = {};
    memcpy(bytes.data(), value, bytes.size());
    return bytes;
}

unsigned Word(const std::array<unsigned char, 32>& bytes, size_t offset)
{
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) | (unsigned(bytes[offset + 3]) << 24);
}

std::string ClassOf(HWND window)
{
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window)
{
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
