// Matcher: choosing each segment's key windows, the prefilter's stride, and building the tables.
#include "matcher.h"

#include <algorithm>
#include <cstring>

namespace kelvex {
namespace {

constexpr unsigned kMaxStride = 8;

// Rough weight of how often a byte occurs in ordinary files; a key of rare bytes
// keeps the prefilter quiet.
int ByteWeightOf(uint8_t b)
{
    if (b == 0x00)
        return 100;
    if (b == 0xFF)
        return 40;
    if (b == 0x20)
        return 30;
    if (b == 0x0A || b == 0x0D)
        return 15;
    if (b != 0 && std::strchr("etaoinsr", b))
        return 20;
    if (b >= 'a' && b <= 'z')
        return 12;
    if ((b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9'))
        return 8;
    if (b < 0x7F)
        return 6;
    return 3;
}

// The weights looked up, since loading 100,000 signatures scores millions of bytes.
struct ByteWeights {
    int value[256];
    ByteWeights()
    {
        for (int b = 0; b < 256; ++b)
            value[b] = ByteWeightOf(uint8_t(b));
    }
};

int ByteWeight(uint8_t b)
{
    static const ByteWeights weights;
    return weights.value[b];
}

constexpr int kRepeatWeight = 25;

int Score(const uint8_t* p, size_t n)
{
    int score = 0;
    for (size_t k = 0; k < n; ++k)
        score += ByteWeight(p[k]) + (k && p[k] == p[k - 1] ? kRepeatWeight : 0);
    return score;
}

// The start of the rarest window of n bytes in the run (the first of equally rare ones),
// each window's score taken from the last one's.
size_t BestWindow(const std::vector<uint8_t>& run, size_t n)
{
    if (run.size() < n)
        return 0;
    const uint8_t* p = run.data();
    int score = Score(p, n), bestScore = score;
    size_t best = 0;
    for (size_t i = 1; i + n <= run.size(); ++i) {
        score -= ByteWeight(p[i - 1]) + (p[i] == p[i - 1] ? kRepeatWeight : 0);
        score += ByteWeight(p[i + n - 1]) + (p[i + n - 1] == p[i + n - 2] ? kRepeatWeight : 0);
        if (score < bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return best;
}

uint32_t Le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

bool Matcher::LongestRun(const PatternSegment& segment, Run& out)
{
    bool found = false;
    int outScore = 0;
    for (size_t p = 0; p < segment.parts.size(); ++p) {
        std::vector<uint8_t> run;
        uint32_t offset = 0, runStart = 0;
        auto consider = [&]() {
            if (run.size() < 2)
                return;
            const int score = Score(run.data(), run.size()) / int(run.size());
            if (!found || run.size() > out.bytes.size() || (run.size() == out.bytes.size() && score < outScore)) {
                found = true;
                outScore = score;
                out.part = uint16_t(p);
                out.offset = runStart;
                out.bytes = run;
            }
        };
        for (const PatternToken& t : segment.parts[p].tokens) {
            if (!t.IsAlt() && t.mask == 0xFF) {
                if (run.empty())
                    runStart = offset;
                run.push_back(t.value);
            } else {
                consider();
                run.clear();
            }
            offset += t.Length();
        }
        consider();
    }
    return found;
}

bool Matcher::Keyable(const PatternSegment& segment)
{
    Run run;
    return LongestRun(segment, run);
}

bool Matcher::Build(const std::vector<BodySignature>* bodies, std::string& error)
{
    m_bodies = bodies;
    m_refs.clear();
    m_maxSpan = 4;
    struct Keyed {
        uint32_t body;
        uint16_t segment;
        Run run;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(bodies->size());
    size_t minRun = SIZE_MAX;
    for (size_t b = 0; b < bodies->size(); ++b) {
        const BodySignature& sig = (*bodies)[b];
        for (size_t s = 0; s < sig.pattern.segments.size(); ++s) {
            Run run;
            if (!LongestRun(sig.pattern.segments[s], run)) {
                error = "signature \"" + sig.name + "\": every stretch between '*' gaps needs two fixed bytes in a row";
                return false;
            }
            m_maxSpan = std::max(m_maxSpan, sig.pattern.segments[s].maxSpan);
            if (run.bytes.size() >= 4)
                minRun = std::min(minRun, run.bytes.size());
            keyed.push_back({uint32_t(b), uint16_t(s), std::move(run)});
        }
    }
    m_stride = minRun == SIZE_MAX ? 1 : unsigned(std::clamp<size_t>(minRun - 3, 1, kMaxStride));

    static_assert(kMaxStride <= 1u << kWindowBits);
    m_refs.reserve(keyed.size());
    std::vector<KeyTable::Entry> longKeys;
    longKeys.reserve(keyed.size() * m_stride);
    std::vector<std::pair<uint32_t, uint32_t>> shortKeys;
    for (const Keyed& k : keyed) {
        const std::vector<uint8_t>& run = k.run.bytes;
        if (run.size() >= 4) {
            // Exactly one of the stride's windows of this stretch lies on a sampled position.
            const size_t w = BestWindow(run, m_stride + 3);
            for (unsigned j = 0; j < m_stride; ++j)
                longKeys.push_back({Le32(run.data() + w + j), uint32_t(m_refs.size()) << kWindowBits | j});
            m_refs.push_back({k.body, k.segment, k.run.part, uint32_t(k.run.offset + w)});
        } else {
            const size_t w = BestWindow(run, 2);
            shortKeys.emplace_back(
                uint32_t(run[w]) | uint32_t(run[w + 1]) << 8, uint32_t(m_refs.size()) << kWindowBits);
            m_refs.push_back({k.body, k.segment, k.run.part, uint32_t(k.run.offset + w)});
        }
    }
    m_table.Build(longKeys);
    m_refs.shrink_to_fit();

    m_shortBits.clear();
    m_shortStart.clear();
    m_shortRefs.clear();
    if (!shortKeys.empty()) {
        m_shortBits.assign(65536 / 64, 0);
        m_shortStart.assign(65537, 0);
        for (const auto& [key, ref] : shortKeys) {
            m_shortBits[key / 64] |= uint64_t(1) << (key % 64);
            ++m_shortStart[key + 1];
        }
        for (size_t i = 1; i < m_shortStart.size(); ++i)
            m_shortStart[i] += m_shortStart[i - 1];
        m_shortRefs.assign(shortKeys.size(), 0);
        std::vector<uint32_t> at(m_shortStart.begin(), m_shortStart.end() - 1);
        for (const auto& [key, ref] : shortKeys)
            m_shortRefs[at[key]++] = ref;
    }
    return true;
}

size_t Matcher::MemoryBytes() const
{
    return m_refs.capacity() * sizeof(SegmentRef) + m_table.MemoryBytes() + m_shortBits.capacity() * 8 +
        m_shortStart.capacity() * 4 + m_shortRefs.capacity() * 4;
}

}  // namespace kelvex
