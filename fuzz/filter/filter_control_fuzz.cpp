// Fuzz target of the filter devices' requests: any sequence of codes, devices, handles and buffer lengths.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "filter_control.h"

namespace {

constexpr std::uint32_t kCodes[] = {
    vxmflt::kScannerStart,
    vxmflt::kScannerStop,
    vxmflt::kExcludeFolder,
    vxmflt::kHoldClass,
    vxmflt::kReleaseClass,
    vxmflt::kQueryState,
    vxmflt::kQueryExcluded,
    0x81530034,
};

}  // namespace

// Each request: 1 byte of code, device and handle, 2 bytes of input length, 2 of output
// length, then the input bytes. Buffers are allocated to exactly their lengths, so the
// address checker catches any read or write past them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vxmflt::FilterControl control;
    const int handles[4] = {};
    std::size_t at = 0;
    while (at + 5 <= size) {
        const std::uint8_t selector = data[at];
        const std::uint32_t inputLength = (data[at + 1] | (data[at + 2] << 8)) % 1100;
        const std::uint32_t outputLength = (data[at + 3] | (data[at + 4] << 8)) % 1100;
        at += 5;
        std::vector<std::uint8_t> input(inputLength);
        const std::size_t available = size - at < inputLength ? size - at : inputLength;
        if (available)
            std::memcpy(input.data(), data + at, available);
        at += available;
        std::vector<std::uint8_t> output(outputLength);
        const vxmflt::Device device = (selector & 8) ? vxmflt::Device::Hold : vxmflt::Device::Scan;
        const void* opener = &handles[(selector >> 4) & 3];
        if (selector & 0x40) {
            control.HandleClosed(opener);
            continue;
        }
        const vxmflt::ControlAnswer answer = control.Control(device, opener, kCodes[selector & 7],
            inputLength ? input.data() : nullptr, inputLength, outputLength ? output.data() : nullptr, outputLength);
        if (answer.written > outputLength || control.ExcludedLength() >= 512)
            __builtin_trap();
    }
    return 0;
}
