// Application names become file names, so only a safe alphabet is let through.
#include "application_name.h"

#include <cctype>

std::optional<std::string> NormalizeApplicationName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxApplicationName)
        return std::nullopt;
    std::string upper;
    for (unsigned char c : name) {
        if (!std::isalnum(c) && c != '_' && c != '-')
            return std::nullopt;
        upper += static_cast<char>(std::toupper(c));
    }
    if (upper == "DEFAULT")
        return std::string(kAlertApplication);
    return upper;
}
