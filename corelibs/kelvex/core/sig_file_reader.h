// Reads VIRSIG.DAT into a signature set, checking its checksums and every record's bounds.
#pragma once
#include <string>

#include "sig_file_format.h"
#include "signature.h"

namespace kelvex {

class SigFileReader {
public:
    // kLoadOk, kLoadBadFormat (not ours, truncated, corrupted) or kLoadNeedsNewerEngine.
    static LoadStatus Parse(const std::string& bytes, SignatureSet& out);
    // Also kLoadNotOpened, kLoadReadError and kLoadOutOfMemory.
    static LoadStatus ReadFile(const std::string& path, SignatureSet& out);
};

}  // namespace kelvex
