// FilterDevice: one open filter device in user mode, and the readers the antivirus service uses.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "vxmflt_ioctl.h"

namespace vxmflt {

class FilterDevice {
public:
    enum class Kind { Scan, Hold };

    // Opens the device as the scanner does: the scan device for reading and writing, not
    // shared, existing only, overlapped; the hold device the same without flags. A missing
    // driver is not a fault: the object is then closed and says why in OpenError().
    static FilterDevice Open(Kind kind);

    FilterDevice() = default;
    FilterDevice(const FilterDevice&) = delete;
    FilterDevice& operator=(const FilterDevice&) = delete;
    FilterDevice(FilterDevice&& other) noexcept;
    FilterDevice& operator=(FilterDevice&& other) noexcept;
    ~FilterDevice();

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    unsigned long OpenError() const { return m_openError; }
    void Close();

    // Sends one control request and waits for its answer (bounded by the driver, which
    // completes every request at once). Returns 0 or the Windows error; a closed device
    // answers ERROR_INVALID_HANDLE without a system call. `written` gets the output bytes.
    unsigned long Control(std::uint32_t code, const void* input, DWORD inputLength, void* output, DWORD outputLength,
        DWORD* written = nullptr) const;

    // The scanner's requests, as it sends them.
    unsigned long StartScanner() const { return Control(kScannerStart, nullptr, 0, nullptr, 0); }
    unsigned long StopScanner() const { return Control(kScannerStop, nullptr, 0, nullptr, 0); }
    unsigned long HoldClass(std::uint32_t heldClass) const;
    unsigned long ReleaseClass(std::uint32_t heldClass) const;
    unsigned long ExcludeFolder(bool active, const std::wstring& folder) const;

    // Our queries; nothing when the request fails or the answer is malformed.
    std::optional<FilterState> QueryState() const;
    std::optional<std::wstring> QueryExcluded() const;

private:
    FilterDevice(HANDLE handle, bool overlapped, unsigned long openError)
        : m_handle(handle), m_overlapped(overlapped), m_openError(openError)
    {
    }

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_overlapped = false;
    unsigned long m_openError = ERROR_INVALID_HANDLE;
};

// The exclusion request for `folder`: a longer folder is cut to 511 units, so the NUL
// always fits.
ExcludeFolderRequest MakeExcludeRequest(bool active, const std::wstring& folder);

// The antivirus service's reading: the devices' state, or nothing when the driver is not
// loaded (quietly: a machine without it goes on as before). The scan device is asked
// first, the hold device when the scan device cannot be opened.
std::optional<FilterState> ReadFilterState();
std::optional<std::wstring> ReadExcludedFolder();

}  // namespace vxmflt
