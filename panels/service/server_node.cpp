// ServerNode: the two-call listings of a server object and the objects of its children.
#include "server_node.h"

#include <cstring>

namespace {

DWORD CallListing(CVexomarServer& object, ChildListing listing, VexomarServerEntry* buffer, DWORD* count)
{
    switch (listing) {
    case ChildListing::Domains: return object.ListDomains(buffer, count);
    case ChildListing::Self: return object.ListSelf(buffer, count);
    case ChildListing::Servers: return object.ListServers("", "", buffer, count);
    case ChildListing::None: break;
    }
    return ERROR_INVALID_FUNCTION;
}

}  // namespace

ServerNode* ServerNode::FindChild(const std::string& childName) const
{
    for (const auto& child : children) {
        if (child->name == childName)
            return child.get();
    }
    return nullptr;
}

std::vector<VexomarServerEntry> ListEntries(CVexomarServer& object, ChildListing listing)
{
    DWORD count = 0;
    const DWORD sizing = CallListing(object, listing, nullptr, &count);
    if ((sizing != 0 && sizing != ERROR_INSUFFICIENT_BUFFER) || count == 0)
        return {};
    std::vector<VexomarServerEntry> entries(count);
    DWORD room = count;
    if (CallListing(object, listing, entries.data(), &room) != 0)
        return {};
    // A listing that grew between the two calls answers 122 above; one that shrank gives fewer.
    if (room < count)
        entries.resize(room);
    return entries;
}

CVexomarServer* ChildObject(CVexomarServer& parent, ChildListing listing, const VexomarServerEntry& entry)
{
    // The key fields are zero-terminated by the library; a full field is cut here to be safe.
    char key[sizeof entry.domainKey + 1] = {};
    if (listing == ChildListing::Domains)
        std::memcpy(key, entry.domainKey, sizeof entry.domainKey);
    else if (listing == ChildListing::Servers)
        std::memcpy(key, entry.serverKey, sizeof entry.serverKey);
    else
        return &parent;
    return parent.ChildServer(key);
}
