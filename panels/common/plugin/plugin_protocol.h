// The panel plug-in protocol: message numbers and the two records exchanged with the host.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace panel_protocol {

// Messages the host sends to SP_MessageProc.
enum : UINT {
    kInitialise = 1536,
    kTerminate = 1537,
    kDescribe = 1538,
    kOpen = 1541,
    kQueryAvailable = 1542,
    kHelp = 1543,
    kReserved1544 = 1544,
    kPreTranslate = 1545,
    kRefresh = 1546,
    kStart = 1547,
    kTimer = 1635,
};

// Messages a plug-in sends to the host window.
enum : UINT {
    kCreateMdiChild = 2323,
    kStatusText = 2416,
};
constexpr WPARAM kStatusIdle = 57345;  // wParam of 2416: restore the host's idle text

// To the panel frame (the MDI child's first child) at the host's refresh.
constexpr UINT kPanelRefresh = 0x0500;
// The framework's idle command-state update, passed to the panel's toolbar.
constexpr UINT kIdleUpdateCmdUI = 0x0363;

// The host's status answer in the MDI child request: no window for lack of a resource.
constexpr std::uint32_t kRequestResourceMissing = 2;

// The record the host passes with 1538; the host owns it (at least these 32 bytes).
struct PanelInfo {
    std::uint32_t hostField;  // left as the host set it
    std::uint8_t reserved[24];  // all zero
    std::uint32_t described;  // 1
};
static_assert(sizeof(PanelInfo) == 32);
static_assert(offsetof(PanelInfo, hostField) == 0);
static_assert(offsetof(PanelInfo, reserved) == 4);
static_assert(offsetof(PanelInfo, described) == 28);

// The plug-in fills the host's record: 24 zero bytes after the host's first word, 1 at 28.
inline void FillPanelInfo(PanelInfo& info)
{
    for (auto& byte : info.reserved)
        byte = 0;
    info.described = 1;
}

// The request of 2323: the plug-in allocates it, the host reads it and may set the status.
struct MdiChildRequest {
    std::uint32_t size;  // 32
    std::uint32_t resourceId;  // 106
    HMENU menu;  // the plug-in's menu 106, or null
    std::uint32_t iconId;  // an icon of the plug-in's module
    const char* title;  // the plug-in's string 20
    std::uint32_t style;  // 0x06CF0000
    std::uint32_t panelNumber;
    std::uint32_t status;  // 0 on the way in; kRequestResourceMissing from the host
};
static_assert(sizeof(void*) == 4, "the request crosses into 32-bit hosts");
static_assert(sizeof(MdiChildRequest) == 32);
static_assert(offsetof(MdiChildRequest, size) == 0);
static_assert(offsetof(MdiChildRequest, resourceId) == 4);
static_assert(offsetof(MdiChildRequest, menu) == 8);
static_assert(offsetof(MdiChildRequest, iconId) == 12);
static_assert(offsetof(MdiChildRequest, title) == 16);
static_assert(offsetof(MdiChildRequest, style) == 20);
static_assert(offsetof(MdiChildRequest, panelNumber) == 24);
static_assert(offsetof(MdiChildRequest, status) == 28);

constexpr std::uint32_t kPanelResourceId = 106;
constexpr std::uint32_t kPanelChildStyle =
    WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
static_assert(kPanelChildStyle == 0x06CF0000);

// The exported entry point of every panel plug-in.
using MessageProc = LRESULT(WINAPI*)(HWND host, UINT message, WPARAM wParam, LPARAM lParam);
constexpr const char* kMessageProcName = "SP_MessageProc";

}  // namespace panel_protocol
