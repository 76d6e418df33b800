// Member names are only ever shown, never used as paths.
#include "member_name.h"

#include <cstring>

#include "archive_limits.h"

namespace torpin {

std::string memberName(const char* stored, std::size_t length) {
    const void* nul = length > 0 ? std::memchr(stored, 0, length) : nullptr;
    if (nul) length = static_cast<std::size_t>(static_cast<const char*>(nul) - stored);
    if (length > limits::kMaxNameBytes) length = limits::kMaxNameBytes;
    return std::string(stored, length);
}

bool namesFolder(const std::string& name) {
    return !name.empty() && (name.back() == '/' || name.back() == '\\');
}

}  // namespace torpin
