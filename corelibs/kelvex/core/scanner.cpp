// Scanner: runs the matcher over the regions a mode asks for, then the hash signatures.
#include "scanner.h"

#include <algorithm>

#include "md5.h"

namespace kelvex {

bool ScanOptions::FromWords(const uint16_t* words, unsigned count, ScanOptions& out)
{
    if (!words || count != 17 || words[0] > 2 || words[11] > 1)
        return false;
    ScanOptions o;
    const uint16_t flags = words[2];
    o.reviewer = flags & 0x1;
    o.bodies = flags & 0x2;
    o.hashes = flags & 0x4;
    o.wholeFile = flags & 0x8;
    o.cure = words[11] == 1;
    out = o;
    return true;
}

bool Scanner::Load(SignatureSet set, std::string& error)
{
    m_loaded = false;
    m_set = std::move(set);
    // The parsed pattern is all the matcher needs; the text would only take memory.
    for (BodySignature& b : m_set.bodies)
        std::string().swap(b.hex);
    m_set.bodies.shrink_to_fit();
    m_set.hashes.shrink_to_fit();
    if (!m_matcher.Build(&m_set.bodies, error))
        return false;
    m_hashSizes.clear();
    for (const HashSignature& h : m_set.hashes)
        m_hashSizes.push_back(h.size);
    std::sort(m_hashSizes.begin(), m_hashSizes.end());
    m_loaded = true;
    return true;
}

ScanOutcome Scanner::HashMatch(FileSource& source, Detection& out) const
{
    const uint64_t size = source.Size();
    if (size > UINT32_MAX || !std::binary_search(m_hashSizes.begin(), m_hashSizes.end(), uint32_t(size)))
        return ScanOutcome::Clean;
    Md5 md5;
    std::vector<uint8_t> buf(64 * 1024);
    uint64_t at = 0;
    while (at < size) {
        size_t got = 0;
        // A file that cannot be hashed whole was not scanned whole.
        if (!source.Read(at, buf.data(), size_t(std::min<uint64_t>(buf.size(), size - at)), got) || got == 0)
            return ScanOutcome::ReadError;
        md5.Update(buf.data(), got);
        at += got;
    }
    const auto digest = md5.Final();
    for (size_t i = 0; i < m_set.hashes.size(); ++i) {
        if (m_set.hashes[i].size == size && m_set.hashes[i].md5 == digest) {
            out = Detection {true, int32_t(i), 0, size};
            return ScanOutcome::Infected;
        }
    }
    return ScanOutcome::Clean;
}

ScanOutcome Scanner::Scan(FileSource& source, const ScanOptions& options, Detection& out) const
{
    out = Detection {};
    if (options.bodies) {
        const uint64_t size = source.Size();
        std::vector<ScanRange> ranges;
        if (options.wholeFile || size <= options.fastHead + options.fastTail) {
            ranges.push_back({0, size});
        } else {
            ranges.push_back({0, options.fastHead});
            ranges.push_back({size - options.fastTail, size});
        }
        BodyMatch m;
        switch (m_matcher.Scan(source, ranges, options.reviewer, m)) {
        case MatchResult::ReadError: return ScanOutcome::ReadError;
        case MatchResult::Found: out = Detection {false, m.body, m.start, m.end}; return ScanOutcome::Infected;
        case MatchResult::Clean: break;
        }
    }
    if (!options.hashes)
        return ScanOutcome::Clean;
    const ScanOutcome hashed = HashMatch(source, out);
    if (hashed != ScanOutcome::Infected)
        return hashed;
    if (!(m_set.hashes[size_t(out.index)].flags & kReviewerOnly) || options.reviewer)
        return ScanOutcome::Infected;
    out = Detection {};
    return ScanOutcome::Clean;
}

uint16_t Scanner::IdOf(const Detection& d) const
{
    return d.isHash ? m_set.hashes[size_t(d.index)].id : m_set.bodies[size_t(d.index)].id;
}

const std::string& Scanner::NameOf(const Detection& d) const
{
    return d.isHash ? m_set.hashes[size_t(d.index)].name : m_set.bodies[size_t(d.index)].name;
}

const CureSpec& Scanner::CureOf(const Detection& d) const
{
    return d.isHash ? m_set.hashes[size_t(d.index)].cure : m_set.bodies[size_t(d.index)].cure;
}

bool Scanner::ReviewerOnly(const Detection& d) const
{
    return (d.isHash ? m_set.hashes[size_t(d.index)].flags : m_set.bodies[size_t(d.index)].flags) & kReviewerOnly;
}

size_t Scanner::MemoryBytes() const
{
    size_t bytes = m_matcher.MemoryBytes() + m_set.hashes.capacity() * sizeof(HashSignature);
    for (const BodySignature& b : m_set.bodies) {
        bytes += sizeof(BodySignature) + b.name.capacity() + b.hex.capacity();
        for (const PatternSegment& s : b.pattern.segments) {
            bytes += sizeof(PatternSegment);
            for (const PatternPart& p : s.parts)
                bytes += sizeof(PatternPart) + p.tokens.capacity() * sizeof(PatternToken);
        }
    }
    return bytes;
}

}  // namespace kelvex
