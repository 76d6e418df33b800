// The item-of-interest rules: what counts as an extension and which extensions are left out.
#include "scan_item_rules.h"

#include <cctype>

namespace scan_rules {

namespace {

char Upper(char c)
{
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

std::string ExtensionOf(const std::string& name)
{
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    // A dot inside a folder name is not the file's extension.
    if (name.find_first_of("\\/", dot) != std::string::npos)
        return {};
    return name.substr(dot + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    return true;
}

bool MatchesWithVariant(const std::string& extension, const std::string& entry, char variantEnd)
{
    if (EqualNoCase(extension, entry))
        return true;
    if (extension.empty() || extension.size() != entry.size())
        return false;
    const char last = extension.back();
    const bool variant = variantEnd == '0' ? std::isdigit(static_cast<unsigned char>(last)) != 0 : last == variantEnd;
    return variant && EqualNoCase(extension.substr(0, extension.size() - 1), entry.substr(0, entry.size() - 1));
}

bool IsRenamedExtension(const std::string& extension, const std::string& renameExtension)
{
    // An empty rename extension would otherwise leave out every file without one.
    return !renameExtension.empty() && MatchesWithVariant(extension, renameExtension, '0');
}

bool IsExecutableExtension(const std::string& extension, const std::vector<std::string>& executables)
{
    if (extension.empty())
        return false;
    for (const std::string& entry : executables)
        if (!entry.empty() && MatchesWithVariant(extension, entry, '_'))
            return true;
    return false;
}

bool IsPlainFileOfInterest(const std::string& name, const PlainFileRule& rule)
{
    const std::string extension = ExtensionOf(name);
    if (IsRenamedExtension(extension, rule.renameExtension))
        return false;
    return !rule.executablesOnly || IsExecutableExtension(extension, rule.executables);
}

}  // namespace scan_rules
