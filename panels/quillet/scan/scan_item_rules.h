// The rules that decide which items of a walk the engine sees: extensions, the rename
// extension and its numbered variants, the executable list and its compressed variants.
#pragma once

#include <string>
#include <vector>

namespace scan_rules {

// The text after the last "." of `name`, when no "\" or "/" follows it; "" for none.
std::string ExtensionOf(const std::string& name);

// `extension` equals `entry` ignoring case, or has its length, ends in `variantEnd` (a digit
// when `variantEnd` is '0', else that character) and matches it in all but the last character.
bool MatchesWithVariant(const std::string& extension, const std::string& entry, char variantEnd);

// An extension that the rename actions gave, or gave with a digit in place of its last letter.
bool IsRenamedExtension(const std::string& extension, const std::string& renameExtension);

// In the executable list, also as the compressed-file variant ("EX_" for "EXE").
bool IsExecutableExtension(const std::string& extension, const std::vector<std::string>& executables);

struct PlainFileRule {
    std::string renameExtension;
    bool executablesOnly = false;
    std::vector<std::string> executables;
};

// The item's name may go to the engine as a plain file.
bool IsPlainFileOfInterest(const std::string& name, const PlainFileRule& rule);

// Equal ignoring case, as a list search compares extensions.
bool EqualNoCase(const std::string& a, const std::string& b);

}  // namespace scan_rules
