// FetchMessageHeader and ReadableAddresses: the library's text buffers read with their offsets.
#include "mail_info.h"

#include <cstring>
#include <vector>

#include "mail_agent.h"

namespace {

constexpr DWORD kHeaderTextBytes = 8192;
constexpr DWORD kAddressListBytes = 16384;
enum Field { kTo, kFrom, kDate, kSubject, kCc, kFieldCount };

}  // namespace

MessageHeader FetchMessageHeader(MailAgent& agent, const MailAttachmentRef& message)
{
    MessageHeader header;
    std::vector<char> text(kHeaderTextBytes, '\0');
    LONG offsets[kFieldCount] = {-1, -1, -1, -1, -1};
    DWORD size = kHeaderTextBytes;
    const DWORD result = agent.GetMailInfoFromAfile(message, offsets, text.data(), size);
    // A field too long for the buffer is marked missing and the others are still given.
    if (result != 0 && result != PLV_E_MORE_DATA)
        return header;
    header.fetched = true;
    auto field = [&](Field which) -> std::string {
        const LONG at = offsets[which];
        if (at < 0 || static_cast<DWORD>(at) >= kHeaderTextBytes)
            return {};
        return std::string(text.data() + at, strnlen(text.data() + at, kHeaderTextBytes - at));
    };
    header.to = field(kTo);
    header.from = field(kFrom);
    header.date = field(kDate);
    header.subject = field(kSubject);
    header.cc = field(kCc);
    return header;
}

std::string ReadableAddresses(MailAgent& agent, const std::string& raw)
{
    if (raw.empty())
        return raw;
    std::vector<char> buffer(kAddressListBytes, '\0');
    DWORD size = kAddressListBytes;
    if (agent.ParseAddrList(raw, buffer.data(), size) != 0)
        return raw;
    return std::string(buffer.data(), strnlen(buffer.data(), buffer.size()));
}
