// Splitting UNC names.
#include "net_path.h"

namespace {

bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

}  // namespace

std::optional<NetPath> NetPath::Parse(const std::string& name)
{
    if (name.size() < 3 || !IsSeparator(name[0]) || !IsSeparator(name[1]))
        return std::nullopt;
    NetPath path;
    std::size_t at = 2;
    while (at < name.size() && !IsSeparator(name[at]))
        path.server += name[at++];
    if (path.server.empty())
        return std::nullopt;
    if (at == name.size())
        return path;
    ++at;  // the separator after the server
    while (at < name.size() && !IsSeparator(name[at]))
        path.share += name[at++];
    if (path.share.empty())
        return std::nullopt;
    if (at < name.size())
        path.rest = name.substr(at + 1);
    return path;
}
