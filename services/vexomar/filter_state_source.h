// FilterStateSource: the scan filter device as the service reads it, one query of its state record.
#pragma once

#include "real_time_state.h"

class FilterStateSource {
public:
    virtual ~FilterStateSource() = default;
    // Fills the record and the number of bytes returned when the device answered.
    virtual FilterAnswer Query(vxmflt::FilterState& state, std::uint32_t& bytesReturned) = 0;
};

// \\.\VXM-FILTER opened for each query (read and write, no sharing, as the scanner opens it)
// and asked kQueryState; a missing device means real-time scanning is off.
class DeviceFilter : public FilterStateSource {
public:
    FilterAnswer Query(vxmflt::FilterState& state, std::uint32_t& bytesReturned) override;
};
