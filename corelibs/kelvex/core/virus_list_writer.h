// Writes virus.lst: version, date and count lines, then one virus name a line.
#pragma once
#include <string>

#include "signature.h"

namespace kelvex {

class VirusListWriter {
public:
    static std::string Text(const SignatureSet& set);
    static bool WriteFile(const SignatureSet& set, const std::string& path);
};

}  // namespace kelvex
