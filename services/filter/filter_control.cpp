// Answers the filter devices' control requests: length checks first, then the state change or the query.
#include "filter_control.h"

namespace vxmflt {

namespace {

constexpr ControlAnswer Answer(std::uint32_t status, std::uint32_t written = 0)
{
    return ControlAnswer {status, written};
}

// Classes are bits of one 32-bit word.
constexpr std::uint32_t kClassCount = 32;
constexpr std::uint32_t kFolderUnits = sizeof(ExcludeFolderRequest::folder) / sizeof(std::uint16_t);

// The buffers are bytes from user mode with no alignment promised: copy, never cast.
void CopyBytes(void* to, const void* from, std::uint32_t count)
{
    __builtin_memcpy(to, from, count);
}

bool Carries(const void* buffer, std::uint32_t length, std::uint32_t needed)
{
    return buffer != nullptr && length >= needed;
}

}  // namespace

ControlAnswer FilterControl::Control(Device device, const void* opener, std::uint32_t code, const void* input,
    std::uint32_t inputLength, void* output, std::uint32_t outputLength)
{
    // Our queries are answered on both devices, so a reader that can open only one of them
    // still sees the state.
    if (code == kQueryState)
        return QueryState(output, outputLength);
    if (code == kQueryExcluded)
        return QueryExcluded(output, outputLength);

    ControlAnswer answer = Answer(kStatusInvalidDeviceRequest);
    if (device == Device::Scan) {
        if (code == kScannerStart)
            answer = Start(opener);
        else if (code == kScannerStop)
            answer = Stop();
        else if (code == kExcludeFolder)
            answer = Exclude(opener, input, inputLength);
    } else if (code == kHoldClass || code == kReleaseClass) {
        answer = Hold(opener, code == kHoldClass, input, inputLength);
    }
    if (answer.status == kStatusSuccess)
        ++m_requestCount;
    return answer;
}

ControlAnswer FilterControl::Start(const void* opener)
{
    m_scannerActive = 1;
    m_scanOpener = opener;
    return Answer(kStatusSuccess);
}

ControlAnswer FilterControl::Stop()
{
    m_scannerActive = 0;
    m_scanOpener = nullptr;
    return Answer(kStatusSuccess);
}

ControlAnswer FilterControl::Exclude(const void* opener, const void* input, std::uint32_t inputLength)
{
    if (!Carries(input, inputLength, sizeof(ExcludeFolderRequest)))
        return Answer(kStatusInvalidParameter);
    ExcludeFolderRequest request;
    CopyBytes(&request, input, sizeof request);
    std::uint32_t length = 0;
    while (length < kFolderUnits && request.folder[length] != 0)
        ++length;
    // A folder that fills the buffer without its NUL is not a folder we can hand back.
    if (length == kFolderUnits)
        return Answer(kStatusInvalidParameter);
    m_excludeActive = request.active;
    m_excludeOpener = request.active ? opener : nullptr;
    CopyBytes(m_excluded, request.folder, sizeof m_excluded);
    m_excludedLength = length;
    return Answer(kStatusSuccess);
}

ControlAnswer FilterControl::Hold(const void* opener, bool hold, const void* input, std::uint32_t inputLength)
{
    if (!Carries(input, inputLength, sizeof(std::uint32_t)))
        return Answer(kStatusInvalidParameter);
    std::uint32_t heldClass = 0;
    CopyBytes(&heldClass, input, sizeof heldClass);
    if (heldClass >= kClassCount)
        return Answer(kStatusInvalidParameter);
    const std::uint32_t bit = 1u << heldClass;
    if (hold) {
        m_heldClasses |= bit;
        m_holdOpener = opener;
    } else {
        m_heldClasses &= ~bit;
        if (m_heldClasses == 0)
            m_holdOpener = nullptr;
    }
    return Answer(kStatusSuccess);
}

ControlAnswer FilterControl::QueryState(void* output, std::uint32_t outputLength) const
{
    if (!Carries(output, outputLength, sizeof(FilterState)))
        return Answer(kStatusBufferTooSmall);
    const FilterState state = State();
    CopyBytes(output, &state, sizeof state);
    return Answer(kStatusSuccess, sizeof state);
}

ControlAnswer FilterControl::QueryExcluded(void* output, std::uint32_t outputLength) const
{
    const std::uint32_t bytes = (m_excludedLength + 1) * sizeof(std::uint16_t);
    if (!Carries(output, outputLength, bytes))
        return Answer(kStatusBufferTooSmall);
    // m_excluded keeps the request's NUL after the folder.
    CopyBytes(output, m_excluded, bytes);
    return Answer(kStatusSuccess, bytes);
}

void FilterControl::HandleClosed(const void* opener)
{
    if (opener == nullptr)
        return;
    if (m_scanOpener == opener)
        Stop();
    if (m_holdOpener == opener) {
        m_heldClasses = 0;
        m_holdOpener = nullptr;
    }
    if (m_excludeOpener == opener) {
        m_excludeActive = 0;
        m_excludeOpener = nullptr;
    }
}

FilterState FilterControl::State() const
{
    FilterState state = {};
    state.size = sizeof state;
    state.realTimeOn = 1;
    state.scannerActive = m_scannerActive;
    state.heldClasses = m_heldClasses;
    state.excludeActive = m_excludeActive;
    state.requestCount = m_requestCount;
    return state;
}

}  // namespace vxmflt
