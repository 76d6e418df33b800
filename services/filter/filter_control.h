// The filter devices' state and the answer to each control request, shared by the driver and native tests.
#pragma once

#include <cstdint>

#include "vxmflt_ioctl.h"

namespace vxmflt {

// The status values the driver completes a request with (the platform's own numbers).
inline constexpr std::uint32_t kStatusSuccess = 0x00000000;
inline constexpr std::uint32_t kStatusInvalidParameter = 0xC000000D;
inline constexpr std::uint32_t kStatusInvalidDeviceRequest = 0xC0000010;
inline constexpr std::uint32_t kStatusBufferTooSmall = 0xC0000023;

enum class Device : std::uint8_t { Scan, Hold };

struct ControlAnswer {
    std::uint32_t status;
    std::uint32_t written;  // bytes placed in the output buffer
};

// Holds what the scanner's codes set and answers each request against the buffer lengths it
// came with. Nothing here allocates or throws: the same code runs inside the kernel driver.
// Callers serialise the calls (the driver holds one mutex around each).
class FilterControl {
public:
    constexpr FilterControl() = default;

    // `opener` identifies the handle the request came through (the driver passes its file
    // object). With buffered requests `input` and `output` may be the same memory: the input
    // is read whole before anything is written.
    ControlAnswer Control(Device device, const void* opener, std::uint32_t code, const void* input,
        std::uint32_t inputLength, void* output, std::uint32_t outputLength);

    // The handle `opener` is gone. A scanner that ends without its closing calls (it
    // crashed, or was killed) would otherwise leave its scan, holds and exclusion in force
    // until the driver is unloaded: whatever that handle set is undone.
    void HandleClosed(const void* opener);

    FilterState State() const;
    // Length in UTF-16 units of the remembered folder, without its NUL.
    std::uint32_t ExcludedLength() const { return m_excludedLength; }

private:
    ControlAnswer Start(const void* opener);
    ControlAnswer Stop();
    ControlAnswer Exclude(const void* opener, const void* input, std::uint32_t inputLength);
    ControlAnswer Hold(const void* opener, bool hold, const void* input, std::uint32_t inputLength);
    ControlAnswer QueryState(void* output, std::uint32_t outputLength) const;
    ControlAnswer QueryExcluded(void* output, std::uint32_t outputLength) const;

    std::uint32_t m_scannerActive = 0;
    std::uint32_t m_heldClasses = 0;
    std::uint32_t m_excludeActive = 0;
    std::uint32_t m_requestCount = 0;
    const void* m_scanOpener = nullptr;
    const void* m_holdOpener = nullptr;
    const void* m_excludeOpener = nullptr;
    std::uint32_t m_excludedLength = 0;
    std::uint16_t m_excluded[512] = {};
};

}  // namespace vxmflt
