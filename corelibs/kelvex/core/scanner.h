// The engine's scan of one file or sector: body signatures by mode, then whole-file hashes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "matcher.h"
#include "signature.h"

namespace kelvex {

// What a scan mode asks for (see README: option words 0-2).
struct ScanOptions {
    bool bodies = true;
    bool hashes = true;
    bool wholeFile = true;  // off: only the head and the tail of large files
    bool reviewer = false;  // also signatures prone to false alarms
    bool cure = false;
    uint64_t fastHead = 8u << 20;
    uint64_t fastTail = 1u << 20;

    // Reads the option block of 17 words; false when it is not one the engine accepts.
    static bool FromWords(const uint16_t* words, unsigned count, ScanOptions& out);
};

struct Detection {
    bool isHash = false;
    int32_t index = -1;
    uint64_t start = 0;
    uint64_t end = 0;
};

enum class ScanOutcome { Clean, Infected, ReadError };

class Scanner {
public:
    // Takes the signatures; false (with the reason) when a body signature cannot be keyed.
    bool Load(SignatureSet set, std::string& error);
    const SignatureSet& Set() const { return m_set; }
    bool Loaded() const { return m_loaded; }

    ScanOutcome Scan(FileSource& source, const ScanOptions& options, Detection& out) const;

    uint16_t IdOf(const Detection& d) const;
    const std::string& NameOf(const Detection& d) const;
    const CureSpec& CureOf(const Detection& d) const;
    bool ReviewerOnly(const Detection& d) const;
    size_t MemoryBytes() const;

private:
    ScanOutcome HashMatch(FileSource& source, Detection& out) const;

    SignatureSet m_set;
    Matcher m_matcher;
    std::vector<uint32_t> m_hashSizes;  // sorted, to skip MD5 for every other size
    bool m_loaded = false;
};

}  // namespace kelvex
