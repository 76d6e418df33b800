// Helpers of the engine tests: bytes from hex, the test file, scanners from source text.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <algorithm>

#include "scanner.h"
#include "source_compiler.h"

namespace kelvex::test {

inline std::string FromHex(const std::string& hex)
{
    std::string out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(char(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

inline std::string Hex(const std::string& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out.push_back(digits[c >> 4]);
        out.push_back(digits[c & 15]);
    }
    return out;
}

// Marker texts of the harmless test viruses are written reversed in the tests, so that no
// test program carries them and the project's own binaries stay clean.
inline std::string Rev(std::string s)
{
    return std::string(s.rbegin(), s.rend());
}

// The anti-virus test file's 68 characters, assembled from its published definition. It is
// kept in hex so that no binary of the project holds it.
inline std::string EicarString()
{
    return FromHex("58354f2150254041505b345c505a58353428505e2937434329377d24"
                   "45494341522d5354414e444152442d414e544956495255532d544553542d46494c452124482b482a");
}

// A scanner over the given .kvs lines (version lines are added).
inline Scanner MakeScanner(const std::string& lines)
{
    SourceCompiler c;
    c.Add("version 1.00\ndate 2026-12-08\n" + lines, SourceCompiler::Format::Kvs, "test.kvs");
    for (const std::string& e : c.Errors())
        ADD_FAILURE() << e;
    Scanner s;
    std::string error;
    EXPECT_TRUE(s.Load(c.Set(), error)) << error;
    return s;
}

inline ScanOptions Secure()
{
    return ScanOptions {};
}

// The name of the detection, "" when clean, "read error" when the source failed.
inline std::string ScanName(const Scanner& s, const std::string& bytes, const ScanOptions& o = Secure())
{
    MemorySource src(bytes);
    Detection d;
    switch (s.Scan(src, o, d)) {
    case ScanOutcome::Clean: return "";
    case ScanOutcome::ReadError: return "read error";
    case ScanOutcome::Infected: return s.NameOf(d);
    }
    return "?";
}

}  // namespace kelvex::test
