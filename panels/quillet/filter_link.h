// FilterLink: the scanner's two filter devices, opened at start-up and told of the scanner's state.
#pragma once

#include <cstdint>

#include "filter_device.h"

class FilterLink {
public:
    enum class Device { Scan, Hold };
    virtual ~FilterLink() = default;
    virtual void Open() = 0;
    // One request; its answer is not checked (a missing device changes nothing).
    virtual void Control(Device device, std::uint32_t code, const void* input, std::uint32_t inputLength) = 0;
    virtual void Close() = 0;
};

class FilterDeviceLink : public FilterLink {
public:
    void Open() override;
    void Control(Device device, std::uint32_t code, const void* input, std::uint32_t inputLength) override;
    void Close() override;

private:
    vxmflt::FilterDevice m_scan;
    vxmflt::FilterDevice m_hold;
};

// The start-up and shut-down requests, in their order.
void TellFiltersScannerStarted(FilterLink& link, const std::wstring& temporaryDirectory);
void TellFiltersScannerStopped(FilterLink& link, const std::wstring& temporaryDirectory);
