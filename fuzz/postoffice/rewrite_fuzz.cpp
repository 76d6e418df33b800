// A rewrite cycle on any bytes: parse, delete the first attachment of every message that
// has one, write, parse again. The messages and their identities must survive.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "mailbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<postoffice::Mailbox> box = postoffice::Mailbox::Load(bytes);
    if (!box)
        return 0;
    std::vector<postoffice::MessageIdentity> before;
    std::vector<std::size_t> attachments;
    for (std::size_t i = 0; i < box->Count(); ++i) {
        before.push_back(box->Identity(i));
        std::size_t count = box->AttachmentNames(i).size();
        if (count > 0 && box->DeleteAttachment(i, 0))
            --count;
        attachments.push_back(count);
    }
    if (!box->Append("Subject: cycle\r\n\r\nFrom here\r\n", "fuzz", 0))
        return 0;
    std::optional<postoffice::Mailbox> again = postoffice::Mailbox::Load(box->Serialize());
    if (!again || again->Count() != before.size() + 1)
        __builtin_trap();
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (again->Identity(i) != before[i])
            __builtin_trap();
        if (again->Readable(i) && again->AttachmentNames(i).size() != attachments[i])
            __builtin_trap();
    }
    return 0;
}
