// Writes a signature set in the VIRSIG.DAT format.
#pragma once
#include <string>

#include "signature.h"

namespace kelvex {

class SigFileWriter {
public:
    // The whole file's bytes; names, patterns and cure data longer than 65535 bytes are refused.
    static bool Serialize(const SignatureSet& set, std::string& out, std::string& error);
    static bool WriteFile(const SignatureSet& set, const std::string& path, std::string& error);
};

}  // namespace kelvex
