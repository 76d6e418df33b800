// Control codes and records of the real-time filter devices, shared by the driver, the scanner and the antivirus service.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vxmflt {

// Device names as user mode opens them.
inline constexpr const char* kScanDevicePath = "\\\\.\\VXM-FILTER";
inline constexpr const char* kHoldDevicePath = "\\\\.\\VXMFL-FILTER";

// Codes the Local Scanner sends (buffered, any access).
inline constexpr std::uint32_t kScannerStart = 0x8153002C;  // no buffers: an on-demand scan begins
inline constexpr std::uint32_t kScannerStop = 0x81530030;  // no buffers: the scan is over
inline constexpr std::uint32_t kExcludeFolder = 0x81530040;  // 1,026-byte ExcludeFolderRequest
inline constexpr std::uint32_t kHoldClass = 0x12350018;  // 4-byte class to hold
inline constexpr std::uint32_t kReleaseClass = 0x1235001C;  // 4-byte class to release

// Our own queries: the state the codes above have set. Both devices answer them, and a
// reader may open a device while the scanner holds it (see README.md).
inline constexpr std::uint32_t kQueryState = 0x81530080;  // output: FilterState
inline constexpr std::uint32_t kQueryExcluded = 0x81530084;  // output: up to 1,024 bytes of UTF-16, NUL-terminated

#pragma pack(push, 1)
struct ExcludeFolderRequest {
    std::uint8_t active;  // 1 while the folder is excluded from real-time checks
    std::uint8_t reserved;
    std::uint16_t folder[512];  // UTF-16, NUL-terminated
};
static_assert(sizeof(ExcludeFolderRequest) == 1026);

struct FilterState {
    std::uint32_t size;  // sizeof(FilterState), so a later driver can grow it
    std::uint32_t realTimeOn;  // 1 once the driver is loaded and watching
    std::uint32_t scannerActive;  // between kScannerStart and kScannerStop (or the close of the handle that started)
    std::uint32_t heldClasses;  // bit n set while class n is held (classes 0-31)
    std::uint32_t excludeActive;  // the last ExcludeFolderRequest's active byte
    std::uint32_t requestCount;  // scanner requests accepted since load (queries and refusals not counted)
    std::uint32_t reserved[2];
};
#pragma pack(pop)
static_assert(sizeof(FilterState) == 32);
static_assert(offsetof(FilterState, scannerActive) == 8);
static_assert(offsetof(FilterState, heldClasses) == 12);
static_assert(offsetof(FilterState, excludeActive) == 16);

}  // namespace vxmflt
