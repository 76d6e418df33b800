// Opening the filter devices with the scanner's flags and sending them control requests.
#include "filter_device.h"

#include <cstring>
#include <vector>

namespace vxmflt {

FilterDevice FilterDevice::Open(Kind kind)
{
    const bool overlapped = kind == Kind::Scan;
    const char* path = overlapped ? kScanDevicePath : kHoldDevicePath;
    const HANDLE handle = CreateFileA(
        path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
    const unsigned long error = handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    return FilterDevice(handle, overlapped, error);
}

FilterDevice::FilterDevice(FilterDevice&& other) noexcept
    : m_handle(other.m_handle), m_overlapped(other.m_overlapped), m_openError(other.m_openError)
{
    other.m_handle = INVALID_HANDLE_VALUE;
}

FilterDevice& FilterDevice::operator=(FilterDevice&& other) noexcept
{
    if (this != &other) {
        Close();
        m_handle = other.m_handle;
        m_overlapped = other.m_overlapped;
        m_openError = other.m_openError;
        other.m_handle = INVALID_HANDLE_VALUE;
    }
    return *this;
}

FilterDevice::~FilterDevice()
{
    Close();
}

void FilterDevice::Close()
{
    if (IsOpen())
        CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

unsigned long FilterDevice::Control(
    std::uint32_t code, const void* input, DWORD inputLength, void* output, DWORD outputLength, DWORD* written) const
{
    DWORD bytes = 0;
    if (written)
        *written = 0;
    if (!IsOpen())
        return ERROR_INVALID_HANDLE;
    unsigned long error = 0;
    if (!m_overlapped) {
        if (!DeviceIoControl(
                m_handle, code, const_cast<void*>(input), inputLength, output, outputLength, &bytes, nullptr))
            error = GetLastError();
    } else {
        // An overlapped handle needs an OVERLAPPED with its own event for every request.
        OVERLAPPED pending = {};
        pending.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        if (!pending.hEvent)
            return GetLastError();
        if (!DeviceIoControl(
                m_handle, code, const_cast<void*>(input), inputLength, output, outputLength, &bytes, &pending)) {
            error = GetLastError();
            if (error == ERROR_IO_PENDING)
                error = GetOverlappedResult(m_handle, &pending, &bytes, TRUE) ? 0 : GetLastError();
        }
        CloseHandle(pending.hEvent);
    }
    if (written)
        *written = bytes;
    return error;
}

unsigned long FilterDevice::HoldClass(std::uint32_t heldClass) const
{
    return Control(kHoldClass, &heldClass, sizeof heldClass, nullptr, 0);
}

unsigned long FilterDevice::ReleaseClass(std::uint32_t heldClass) const
{
    return Control(kReleaseClass, &heldClass, sizeof heldClass, nullptr, 0);
}

unsigned long FilterDevice::ExcludeFolder(bool active, const std::wstring& folder) const
{
    const ExcludeFolderRequest request = MakeExcludeRequest(active, folder);
    return Control(kExcludeFolder, &request, sizeof request, nullptr, 0);
}

std::optional<FilterState> FilterDevice::QueryState() const
{
    FilterState state = {};
    DWORD written = 0;
    if (Control(kQueryState, nullptr, 0, &state, sizeof state, &written) != 0)
        return std::nullopt;
    // A later driver may send a longer record; an answer shorter than ours is not one.
    if (written != sizeof state || state.size < sizeof state)
        return std::nullopt;
    return state;
}

std::optional<std::wstring> FilterDevice::QueryExcluded() const
{
    std::uint16_t folder[512] = {};
    DWORD written = 0;
    if (Control(kQueryExcluded, nullptr, 0, folder, sizeof folder, &written) != 0)
        return std::nullopt;
    const std::size_t units = written / sizeof folder[0];
    if (units == 0 || written % sizeof folder[0] != 0 || folder[units - 1] != 0)
        return std::nullopt;
    std::wstring text;
    for (std::size_t i = 0; i + 1 < units && folder[i] != 0; ++i)
        text.push_back(static_cast<wchar_t>(folder[i]));
    return text;
}

ExcludeFolderRequest MakeExcludeRequest(bool active, const std::wstring& folder)
{
    ExcludeFolderRequest request = {};
    request.active = active ? 1 : 0;
    constexpr std::size_t kMaxUnits = sizeof request.folder / sizeof request.folder[0] - 1;
    const std::size_t units = folder.size() < kMaxUnits ? folder.size() : kMaxUnits;
    for (std::size_t i = 0; i < units; ++i)
        request.folder[i] = static_cast<std::uint16_t>(folder[i]);
    return request;
}

namespace {

FilterDevice OpenForReading()
{
    FilterDevice device = FilterDevice::Open(FilterDevice::Kind::Scan);
    if (!device.IsOpen())
        device = FilterDevice::Open(FilterDevice::Kind::Hold);
    return device;
}

}  // namespace

std::optional<FilterState> ReadFilterState()
{
    const FilterDevice device = OpenForReading();
    return device.IsOpen() ? device.QueryState() : std::nullopt;
}

std::optional<std::wstring> ReadExcludedFolder()
{
    const FilterDevice device = OpenForReading();
    return device.IsOpen() ? device.QueryExcluded() : std::nullopt;
}

}  // namespace vxmflt
