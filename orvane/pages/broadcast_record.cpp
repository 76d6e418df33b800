// BroadcastRecord's names: "\\NAME" machines, "NAME*" domains.
#include "broadcast_record.h"

#include <cstring>

namespace broadcast_record {

bool IsMachineName(const std::string& name)
{
    return name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
}

std::string StoredName(const BroadcastRecord& record)
{
    return std::string(record.name, strnlen(record.name, sizeof record.name));
}

std::string DisplayName(const BroadcastRecord& record)
{
    std::string name = StoredName(record);
    if (!IsMachineName(name) && !name.empty() && name.back() == '*')
        name.pop_back();
    return name;
}

std::string StoredNameOf(const std::string& displayName)
{
    return IsMachineName(displayName) ? displayName : displayName + "*";
}

bool Fits(const std::string& displayName)
{
    return StoredNameOf(displayName).size() <= kStoredNameLimit;
}

bool Write(BroadcastRecord& record, const std::string& displayName)
{
    const std::string stored = StoredNameOf(displayName);
    if (stored.size() > kStoredNameLimit)
        return false;
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, stored.data(), stored.size());
    return true;
}

}  // namespace broadcast_record
