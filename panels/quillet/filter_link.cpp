// FilterDeviceLink and the scanner's start and stop requests to the filter devices.
#include "filter_link.h"

namespace {
constexpr std::uint32_t kHeldClass = 5;
}

void FilterDeviceLink::Open()
{
    m_scan = vxmflt::FilterDevice::Open(vxmflt::FilterDevice::Kind::Scan);
    m_hold = vxmflt::FilterDevice::Open(vxmflt::FilterDevice::Kind::Hold);
}

void FilterDeviceLink::Control(Device device, std::uint32_t code, const void* input, std::uint32_t inputLength)
{
    const vxmflt::FilterDevice& target = device == Device::Scan ? m_scan : m_hold;
    target.Control(code, input, inputLength, nullptr, 0);
}

void FilterDeviceLink::Close()
{
    m_scan.Close();
    m_hold.Close();
}

void TellFiltersScannerStarted(FilterLink& link, const std::wstring& temporaryDirectory)
{
    link.Open();
    link.Control(FilterLink::Device::Scan, vxmflt::kScannerStart, nullptr, 0);
    link.Control(FilterLink::Device::Hold, vxmflt::kHoldClass, &kHeldClass, sizeof(kHeldClass));
    const vxmflt::ExcludeFolderRequest request = vxmflt::MakeExcludeRequest(true, temporaryDirectory);
    link.Control(FilterLink::Device::Scan, vxmflt::kExcludeFolder, &request, sizeof(request));
}

void TellFiltersScannerStopped(FilterLink& link, const std::wstring& temporaryDirectory)
{
    link.Control(FilterLink::Device::Scan, vxmflt::kScannerStop, nullptr, 0);
    link.Control(FilterLink::Device::Hold, vxmflt::kReleaseClass, &kHeldClass, sizeof(kHeldClass));
    const vxmflt::ExcludeFolderRequest request = vxmflt::MakeExcludeRequest(false, temporaryDirectory);
    link.Control(FilterLink::Device::Scan, vxmflt::kExcludeFolder, &request, sizeof(request));
    link.Close();
}
