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
    // Largest file read: ten times what 100,000 signatures need. A larger one is not ours.
    static constexpr size_t kMaxFileBytes = 128u << 20;

    // Also kLoadNotOpened, kLoadReadError and kLoadOutOfMemory; a file over maxBytes is
    // kLoadBadFormat and is not read past that.
    static LoadStatus ReadFile(const std::string& path, SignatureSet& out, size_t maxBytes = kMaxFileBytes);
};

}  // namespace kelvex
