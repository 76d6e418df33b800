// Recipient arrays in one block from the platform's MAPIAllocateBuffer.
#include "mapi_buffer.h"

#include <cstring>

namespace vxmail {
namespace {

typedef SCODE(WINAPI* AllocateBuffer)(ULONG size, LPVOID* buffer);

AllocateBuffer PlatformAllocator()
{
    // The platform library is loaded when it hands calls to this one.
    HMODULE platform = GetModuleHandleA("MAPI32.DLL");
    if (!platform)
        platform = LoadLibraryA("MAPI32.DLL");
    if (!platform)
        return nullptr;
    return reinterpret_cast<AllocateBuffer>(reinterpret_cast<void*>(GetProcAddress(platform, "MAPIAllocateBuffer")));
}

}  // namespace

lpMapiRecipDesc AllocateRecipients(const std::vector<Recipient>& recipients)
{
    AllocateBuffer allocate = PlatformAllocator();
    if (!allocate)
        return nullptr;
    std::size_t bytes = sizeof(MapiRecipDesc) * (recipients.empty() ? 1 : recipients.size());
    for (const Recipient& r : recipients)
        bytes += r.name.size() + 1 + r.address.size() + 1;
    LPVOID block = nullptr;
    if (allocate(static_cast<ULONG>(bytes), &block) != S_OK || !block)
        return nullptr;
    std::memset(block, 0, bytes);
    auto* array = static_cast<lpMapiRecipDesc>(block);
    char* text = reinterpret_cast<char*>(array + (recipients.empty() ? 1 : recipients.size()));
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        array[i].ulRecipClass = recipients[i].recipientClass;
        array[i].lpszName = text;
        std::memcpy(text, recipients[i].name.c_str(), recipients[i].name.size() + 1);
        text += recipients[i].name.size() + 1;
        array[i].lpszAddress = text;
        std::memcpy(text, recipients[i].address.c_str(), recipients[i].address.size() + 1);
        text += recipients[i].address.size() + 1;
    }
    return array;
}

}  // namespace vxmail
