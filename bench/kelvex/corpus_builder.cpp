// CorpusBuilder: text, binary, sparse and executable-like files, and random signatures.
#include "corpus_builder.h"

#include <cstdio>
#include <filesystem>

#include "md5.h"

namespace {

const char* kWords[] = {"the ", "scan ", "server ", "alert ", "file ", "of ", "and ", "network ", "0x", "\r\n",
    "return ", "int ", "value ", "name ", "{ ", "} ", "; ", "= ", "data ", "window "};

std::string HexOf(const std::string& bytes)
{
    static const char* d = "0123456789abcdef";
    std::string s;
    for (unsigned char c : bytes) {
        s.push_back(d[c >> 4]);
        s.push_back(d[c & 15]);
    }
    return s;
}

}  // namespace

kelvex::SignatureSet CorpusBuilder::Signatures(size_t bodies, size_t hashes, double wildcardShare)
{
    kelvex::SignatureSet set;
    set.versions = {1900, 1901, 23816, 23816};
    std::uniform_real_distribution<double> share(0, 1);
    for (size_t i = 0; i < bodies; ++i) {
        kelvex::BodySignature b;
        b.id = uint16_t(1 + i % 65000);
        b.name = "Bench.Body." + std::to_string(i);
        const size_t len = 12 + m_rng() % 29;
        std::string bytes;
        for (size_t k = 0; k < len; ++k)
            bytes.push_back(char(m_rng()));
        std::string hex = HexOf(bytes);
        if (share(m_rng) < wildcardShare) {
            // A wildcard byte, a nibble and a bounded gap in the second half.
            const size_t at = (len / 2) * 2;
            hex = hex.substr(0, at) + "??" + hex.substr(at + 2, 2) + "{2-6}" + hex.substr(at + 4, 1) + "?" +
                hex.substr(at + 6);
        }
        b.hex = hex;
        std::string error;
        kelvex::ParseHexPattern(b.hex, b.pattern, error);
        set.bodies.push_back(std::move(b));
    }
    for (size_t i = 0; i < hashes; ++i) {
        kelvex::HashSignature h;
        h.id = uint16_t(1 + i % 65000);
        h.name = "Bench.Hash." + std::to_string(i);
        h.size = uint32_t(1000 + m_rng() % 200000);
        for (auto& byte : h.md5)
            byte = uint8_t(m_rng());
        set.hashes.push_back(std::move(h));
    }
    kelvex::BodySignature e;
    e.id = 1;
    e.name = "EICAR-Test-File";
    e.anchor = kelvex::AnchorKind::FromStart;
    e.maxSize = 128;
    e.flags = kelvex::kSpaceTail;
    e.hex = "58354f2150254041505b345c505a58353428505e2937434329377d2445494341522d5354414e444152442d414e544956495255532d"
            "544553542d46494c452124482b482a";
    std::string error;
    kelvex::ParseHexPattern(e.hex, e.pattern, error);
    set.bodies.push_back(std::move(e));
    return set;
}

bool CorpusBuilder::WriteImportFormats(const kelvex::SignatureSet& set, const std::string& ndb, const std::string& hdb)
{
    FILE* n = std::fopen(ndb.c_str(), "wb");
    FILE* h = std::fopen(hdb.c_str(), "wb");
    if (!n || !h)
        return false;
    for (const auto& b : set.bodies) {
        const std::string offset = b.anchor == kelvex::AnchorKind::FromStart ? std::to_string(b.anchorOffset) : "*";
        std::fprintf(n, "%s:0:%s:%s\n", b.name.c_str(), offset.c_str(), b.hex.c_str());
    }
    for (const auto& s : set.hashes)
        std::fprintf(h, "%s:%u:%s\n", HexOf(std::string(s.md5.begin(), s.md5.end())).c_str(), s.size, s.name.c_str());
    return std::fclose(n) == 0 && std::fclose(h) == 0;
}

std::string CorpusBuilder::FileBytes(size_t size, int kind)
{
    std::string s;
    s.reserve(size + 64);
    switch (kind) {
    case 0:  // text
        while (s.size() < size)
            s += kWords[m_rng() % 20];
        break;
    case 1:  // compressed-looking data
        while (s.size() < size) {
            uint64_t v = m_rng();
            s.append(reinterpret_cast<const char*>(&v), 8);
        }
        break;
    case 2:  // sparse: mostly zeros with records
        while (s.size() < size) {
            s.append(size_t(m_rng() % 512), '\0');
            for (int k = 0; k < 32; ++k)
                s.push_back(char(m_rng() % 64));
        }
        break;
    default:  // executable-like: header, code bytes of a narrow alphabet, strings, padding
        s = std::string("MZ\x90\x00\x03\x00\x00\x00\x04\x00\x00\x00\xff\xff\x00\x00", 16);
        while (s.size() < size) {
            for (int k = 0; k < 200; ++k)
                s.push_back(char("\x8b\x45\x89\xe8\x00\x83\xc4\x50\x6a\xff"[m_rng() % 10]));
            s += kWords[m_rng() % 20];
            s.append(size_t(m_rng() % 64), '\0');
        }
    }
    s.resize(size);
    return s;
}

bool CorpusBuilder::Corpus(
    const std::string& dir, size_t files, size_t megabytes, const kelvex::SignatureSet& set, size_t& planted)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(dir, ec);
    planted = 0;
    const uint64_t total = uint64_t(megabytes) << 20;
    // Sizes fall off like real trees: many small files, a few large ones.
    std::vector<double> weights(files);
    double sum = 0;
    std::exponential_distribution<double> expo(1.0);
    for (double& w : weights)
        sum += (w = expo(m_rng) * expo(m_rng) + 0.01);
    for (size_t i = 0; i < files; ++i) {
        const size_t size = size_t(double(total) * weights[i] / sum) + 1;
        std::string bytes = FileBytes(size, int(i % 4));
        if (i % 997 == 0 && !set.bodies.empty()) {
            // A planted signature (wildcards filled with zeros) somewhere in the file.
            const auto& b = set.bodies[size_t(m_rng() % (set.bodies.size() - 1))];
            std::string sig;
            for (const auto& seg : b.pattern.segments)
                for (const auto& part : seg.parts) {
                    sig.append(part.gapMin, '\0');
                    for (const auto& t : part.tokens)
                        sig.push_back(char(t.value));
                }
            if (bytes.size() > sig.size()) {
                bytes.replace(m_rng() % (bytes.size() - sig.size()), sig.size(), sig);
                ++planted;
            }
        }
        char name[64];
        std::snprintf(name, sizeof name, "/f%05zu.bin", i);
        FILE* f = std::fopen((dir + name).c_str(), "wb");
        if (!f)
            return false;
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return true;
}
