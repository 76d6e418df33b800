// The state query on the real scan filter device.
#include "filter_device.h"

#include <windows.h>

FilterAnswer DeviceFilter::Query(vxmflt::FilterState& state, std::uint32_t& bytesReturned)
{
    HANDLE device = CreateFileA(vxmflt::kScanDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ? FilterAnswer::Busy
                                                                                : FilterAnswer::Absent;
    }
    state = {};
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(device, vxmflt::kQueryState, nullptr, 0, &state, sizeof state, &returned, nullptr);
    CloseHandle(device);
    bytesReturned = returned;
    return ok ? FilterAnswer::Answered : FilterAnswer::Unreadable;
}
