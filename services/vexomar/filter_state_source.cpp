// The state query on the real scan filter device, through the filter devices' own library.
#include "filter_state_source.h"

#include <windows.h>

#include "filter_device.h"

FilterAnswer DeviceFilter::Query(vxmflt::FilterState& state, std::uint32_t& bytesReturned)
{
    const vxmflt::FilterDevice device = vxmflt::FilterDevice::Open(vxmflt::FilterDevice::Kind::Scan);
    if (!device.IsOpen()) {
        const unsigned long error = device.OpenError();
        return error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ? FilterAnswer::Busy
                                                                                : FilterAnswer::Absent;
    }
    state = {};
    DWORD returned = 0;
    const unsigned long result = device.Control(vxmflt::kQueryState, nullptr, 0, &state, sizeof state, &returned);
    bytesReturned = returned;
    return result == 0 ? FilterAnswer::Answered : FilterAnswer::Unreadable;
}
