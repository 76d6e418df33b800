// Generates the benchmark's signature sets and its corpus of mixed files.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "signature.h"

class CorpusBuilder {
public:
    explicit CorpusBuilder(uint32_t seed) : m_rng(seed) { }

    // bodies random body signatures (wildcardShare of them with wildcards and gaps), hashes MD5
    // signatures of made-up files, and the test file's signature.
    kelvex::SignatureSet Signatures(size_t bodies, size_t hashes, double wildcardShare);
    // Writes the same set as .ndb and .hdb lines.
    static bool WriteImportFormats(const kelvex::SignatureSet& set, const std::string& ndb, const std::string& hdb);
    // Fills dir with files of mixed kinds totalling about megabytes; some carry planted signatures.
    bool Corpus(
        const std::string& dir, size_t files, size_t megabytes, const kelvex::SignatureSet& set, size_t& planted);

private:
    std::string FileBytes(size_t size, int kind);
    std::mt19937_64 m_rng;
};
