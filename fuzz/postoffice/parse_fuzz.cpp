// Any bytes as a mailbox file: every message parsed, every field and attachment read.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "address_list.h"
#include "mailbox.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::optional<postoffice::Mailbox> box = postoffice::Mailbox::Load(bytes);
    if (!box)
        return 0;
    for (std::size_t i = 0; i < box->Count(); ++i) {
        (void)box->Time(i);
        postoffice::ParseAddressList(box->Field(i, "To"));
        std::vector<std::string> names = box->AttachmentNames(i);
        for (std::size_t a = 0; a < names.size(); ++a) {
            if (names[a].empty() || names[a].find('\0') != std::string::npos)
                __builtin_trap();
            (void)box->AttachmentBytes(i, a);
        }
    }
    // Nothing changed, so the file must come back byte for byte.
    if (box->Serialize() != bytes)
        __builtin_trap();
    return 0;
}
