// Packing NETRESOURCEW arrays.
#include "resource_packer.h"

#include <cstring>

namespace {

std::size_t StringBytes(const std::wstring& text)
{
    return (text.size() + 1) * sizeof(wchar_t);
}

// Copies a string just below `end` and moves `end` down; an empty local name or comment is
// handed out as no string at all.
LPWSTR PlaceString(const std::wstring& text, BYTE*& end, bool keepEmpty)
{
    if (text.empty() && !keepEmpty)
        return nullptr;
    end -= StringBytes(text);
    std::memcpy(end, text.c_str(), StringBytes(text));
    return reinterpret_cast<LPWSTR>(end);
}

}  // namespace

std::size_t PackedSize(const PackedEntry& entry, const std::wstring& provider)
{
    std::size_t bytes = sizeof(NETRESOURCEW) + StringBytes(entry.remoteName) + StringBytes(provider);
    if (!entry.localName.empty() || entry.localNameAlways)
        bytes += StringBytes(entry.localName);
    if (!entry.comment.empty())
        bytes += StringBytes(entry.comment);
    return bytes;
}

DWORD PackEntries(const std::vector<PackedEntry>& entries, std::size_t& next, DWORD limit, const std::wstring& provider,
    void* buffer, DWORD size, DWORD& needed)
{
    // Strings go down from the end, kept aligned for their UTF-16 units.
    BYTE* const start = static_cast<BYTE*>(buffer);
    BYTE* end = start + (size & ~static_cast<DWORD>(1));
    DWORD written = 0;
    needed = 0;
    while (next < entries.size() && written < limit) {
        const PackedEntry& entry = entries[next];
        const std::size_t bytes = PackedSize(entry, provider);
        // Room left between the structures written so far and the strings placed so far.
        const std::size_t room = static_cast<std::size_t>(end - (start + written * sizeof(NETRESOURCEW)));
        if (bytes > room) {
            if (written == 0)
                needed = static_cast<DWORD>(bytes);
            break;
        }
        NETRESOURCEW* resource = reinterpret_cast<NETRESOURCEW*>(start) + written;
        resource->dwScope = entry.scope;
        resource->dwType = entry.type;
        resource->dwDisplayType = entry.displayType;
        resource->dwUsage = entry.usage;
        resource->lpLocalName = PlaceString(entry.localName, end, entry.localNameAlways);
        resource->lpRemoteName = PlaceString(entry.remoteName, end, true);
        resource->lpComment = PlaceString(entry.comment, end, false);
        resource->lpProvider = PlaceString(provider, end, true);
        ++written;
        ++next;
    }
    return written;
}
