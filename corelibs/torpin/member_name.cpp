// Member names are only ever shown, never used as paths; the scanner puts them into
// TAB-separated rows, fixed buffers and report lines, so they arrive short and printable.
#include "member_name.h"

#include <cstring>

#include "archive_limits.h"

namespace torpin {
namespace {

// The longest tail kept when a name is shortened: an extension and its dot.
constexpr std::size_t kMaxKeptTail = 32;

// How many bytes at the end of name to keep when it is shortened.
std::size_t tailToKeep(const std::string& name)
{
    if (namesFolder(name))
        return 1;
    std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos || name.find_first_of("/\\", dot) != std::string::npos)
        return 0;
    std::size_t tail = name.size() - dot;
    return tail <= kMaxKeptTail ? tail : 0;
}

}  // namespace

std::string memberName(const char* stored, std::size_t length)
{
    const void* nul = length > 0 ? std::memchr(stored, 0, length) : nullptr;
    if (nul)
        length = static_cast<std::size_t>(static_cast<const char*>(nul) - stored);
    std::string name(stored, length);
    for (char& c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F)
            c = '_';
    }
    if (name.size() > limits::kMaxNameBytes) {
        std::size_t tail = tailToKeep(name);
        name = name.substr(0, limits::kMaxNameBytes - tail) + name.substr(name.size() - tail);
    }
    return name;
}

bool namesFolder(const std::string& name)
{
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

}  // namespace torpin
