// Matcher::Pass: one scan of one file, block by block, verifying the prefilter's candidates.
#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "matcher.h"

namespace kelvex {
namespace {

constexpr size_t kBlockSize = 64 * 1024;
// Verification steps allowed for one candidate, so that a signature with many wide gaps
// cannot stall a scan.
constexpr int kStepBudget = 1 << 16;
constexpr uint64_t kNoLimit = std::numeric_limits<uint64_t>::max();

bool IsSpaceTail(uint8_t c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0x1A;
}

}  // namespace

class Matcher::Pass {
public:
    Pass(const Matcher& m, FileSource& source, bool reviewer, BodyMatch& out)
        : m_m(m), m_source(source), m_reviewer(reviewer), m_out(out), m_size(source.Size()), m_buf(Buffer())
    {
    }

    MatchResult Run(const std::vector<ScanRange>& ranges)
    {
        uint64_t carry = uint64_t(m_m.m_maxSpan) * 2 + 8;
        if (m_buf.size() < kBlockSize + carry + 8)
            m_buf.resize(kBlockSize + carry + 8);
        for (const ScanRange& r : ranges) {
            uint64_t end = std::min(r.end, m_size);
            if (r.begin >= end)
                continue;
            MatchResult res = RunRange(r.begin, end);
            if (res != MatchResult::Clean)
                return res;
        }
        return MatchResult::Clean;
    }

private:
    struct Progress {
        uint16_t next = 0;
        uint64_t start = 0;
        uint64_t lastEnd = 0;
        uint64_t prevEnd = 0;
    };

    MatchResult RunRange(uint64_t begin, uint64_t end)
    {
        const uint64_t span = std::max<uint64_t>(m_m.m_maxSpan, 4);
        m_base = begin;
        m_have = 0;
        uint64_t readAt = begin, scanned = begin;
        while (true) {
            size_t want = size_t(std::min<uint64_t>(kBlockSize, end - readAt));
            size_t got = 0;
            if (want && !m_source.Read(readAt, m_buf.data() + m_have, want, got))
                return MatchResult::ReadError;
            // A file that ends before its size said was not read whole: never clean.
            if (want && got == 0)
                return MatchResult::ReadError;
            readAt += got;
            m_have += got;
            bool last = readAt >= end;
            uint64_t top = m_base + m_have;
            uint64_t limit4 = last ? (top >= 3 ? top - 3 : 0) : (top > span ? top - span : 0);
            uint64_t limit2 = last ? (top >= 1 ? top - 1 : 0) : limit4;
            if (limit4 > scanned && ScanLong(scanned, limit4))
                return MatchResult::Found;
            if (limit2 > scanned && !m_m.m_shortRefs.empty() && ScanShort(scanned, limit2))
                return MatchResult::Found;
            scanned = std::max(scanned, limit4);
            if (last)
                return MatchResult::Clean;
            uint64_t keep = scanned > span ? scanned - span : 0;
            keep = std::max(keep, m_base);
            size_t drop = size_t(keep - m_base);
            std::memmove(m_buf.data(), m_buf.data() + drop, m_have - drop);
            m_have -= drop;
            m_base = keep;
        }
    }

    bool ScanLong(uint64_t from, uint64_t to)
    {
        if (m_m.m_table.Empty())
            return false;
        const uint64_t stride = m_m.m_stride;
        const uint64_t first = (from + stride - 1) / stride * stride;
        return m_m.m_table.Scan(m_buf.data(), m_base, first, to, unsigned(stride),
            [this](uint64_t pos, uint32_t ref) { return Candidate(pos, ref); });
    }

    bool ScanShort(uint64_t from, uint64_t to)
    {
        const uint8_t* p = m_buf.data() + (from - m_base);
        const size_t n = size_t(to - from);
        for (size_t i = 0; i < n; ++i) {
            uint32_t v = uint32_t(p[i]) | uint32_t(p[i + 1]) << 8;
            if ((m_m.m_shortBits[v >> 6] >> (v & 63)) & 1) {
                for (uint32_t e = m_m.m_shortStart[v]; e < m_m.m_shortStart[v + 1]; ++e)
                    if (Candidate(from + i, m_m.m_shortRefs[e]))
                        return true;
            }
        }
        return false;
    }

    const uint8_t* At(uint64_t pos, uint64_t len) const
    {
        if (pos < m_base || pos + len > m_base + m_have)
            return nullptr;
        return m_buf.data() + (pos - m_base);
    }

    bool MatchPart(const PatternPart& part, uint64_t pos)
    {
        if (--m_budget < 0)
            return false;
        const uint8_t* p = At(pos, part.length);
        if (!p)
            return false;
        for (const PatternToken& t : part.tokens) {
            if (!t.IsAlt()) {
                if ((*p & t.mask) != t.value)
                    return false;
            } else {
                const AltSet& set = m_pattern->alts[size_t(t.alt)];
                bool any = false;
                for (const std::string& c : set.choices)
                    any = any || std::memcmp(p, c.data(), c.size()) == 0;
                if (!any)
                    return false;
            }
            p += t.Length();
        }
        return true;
    }

    // Parts left of the keyed one, nearest placement first; the segment must start in [lo, hi].
    bool Left(const PatternSegment& seg, int j, uint64_t nextStart, uint64_t lo, uint64_t hi, uint64_t& start)
    {
        if (j < 0) {
            if (nextStart < lo || nextStart > hi)
                return false;
            start = nextStart;
            return true;
        }
        const PatternPart& part = seg.parts[size_t(j)];
        const PatternPart& next = seg.parts[size_t(j) + 1];
        for (uint64_t g = next.gapMin; g <= next.gapMax; ++g) {
            if (nextStart < g + part.length)
                break;
            uint64_t s = nextStart - g - part.length;
            if (s < lo || m_budget < 0)
                break;
            if (MatchPart(part, s) && Left(seg, j - 1, s, lo, hi, start))
                return true;
        }
        return false;
    }

    bool Right(const PatternSegment& seg, size_t j, uint64_t prevEnd, uint64_t& end)
    {
        if (j == seg.parts.size()) {
            end = prevEnd;
            return true;
        }
        const PatternPart& part = seg.parts[j];
        for (uint64_t g = part.gapMin; g <= part.gapMax; ++g) {
            if (!At(prevEnd + g, part.length) || m_budget < 0)
                break;
            if (MatchPart(part, prevEnd + g) && Right(seg, j + 1, prevEnd + g + part.length, end))
                return true;
        }
        return false;
    }

    bool Finish(const BodySignature& sig, int32_t body, uint64_t start, uint64_t end)
    {
        if (sig.flags & kSpaceTail) {
            const uint8_t* p = At(end, m_size - end);
            if (!p)
                return false;
            for (uint64_t i = 0; i < m_size - end; ++i)
                if (!IsSpaceTail(p[i]))
                    return false;
        }
        m_out.body = body;
        m_out.start = start;
        m_out.end = end;
        return true;
    }

    bool Candidate(uint64_t keyPos, uint32_t refIndex)
    {
        // A key names its segment and which of the stretch's windows it is.
        const SegmentRef& ref = m_m.m_refs[refIndex >> kWindowBits];
        const uint32_t keyOffset = ref.keyOffset + (refIndex & ((1u << kWindowBits) - 1));
        const BodySignature& sig = (*m_m.m_bodies)[ref.body];
        if ((sig.flags & kReviewerOnly) && !m_reviewer)
            return false;
        if (m_size < sig.minSize || (sig.maxSize && m_size > sig.maxSize))
            return false;
        const PatternSegment& seg = sig.pattern.segments[ref.segment];
        const size_t segments = sig.pattern.segments.size();

        Progress* pr = nullptr;
        uint64_t lo = 0, hi = kNoLimit;
        if (segments > 1) {
            auto it = m_progress.find(ref.body);
            if (it == m_progress.end()) {
                if (ref.segment != 0)
                    return false;
                pr = &m_progress[ref.body];
            } else {
                pr = &it->second;
            }
            // The segment awaited next, or a nearer end for the one just found.
            bool awaited = ref.segment == pr->next;
            bool refind = pr->next > 0 && ref.segment + 1 == pr->next;
            if (!awaited && !refind)
                return false;
            if (ref.segment > 0)
                lo = (awaited ? pr->lastEnd : pr->prevEnd) + seg.minDistance;
        }
        if (ref.segment == 0) {
            if (sig.anchor == AnchorKind::FromStart) {
                lo = sig.anchorOffset;
                hi = uint64_t(sig.anchorOffset) + sig.anchorWindow;
            } else if (sig.anchor == AnchorKind::FromEnd) {
                if (m_size < sig.anchorOffset)
                    return false;
                lo = m_size - sig.anchorOffset;
                hi = lo + sig.anchorWindow;
            }
        }

        m_pattern = &sig.pattern;
        m_budget = kStepBudget;
        if (keyPos < keyOffset)
            return false;
        uint64_t partStart = keyPos - keyOffset;
        const PatternPart& keyed = seg.parts[ref.part];
        uint64_t start = 0, end = 0;
        if (!MatchPart(keyed, partStart))
            return false;
        if (!Left(seg, int(ref.part) - 1, partStart, lo, hi, start))
            return false;
        if (!Right(seg, size_t(ref.part) + 1, partStart + keyed.length, end))
            return false;

        if (segments == 1)
            return Finish(sig, int32_t(ref.body), start, end);
        if (ref.segment + 1 == pr->next) {
            if (end < pr->lastEnd)
                pr->lastEnd = end;
            return false;
        }
        if (ref.segment == 0)
            pr->start = start;
        pr->prevEnd = pr->lastEnd;
        pr->lastEnd = end;
        pr->next = uint16_t(ref.segment + 1);
        if (pr->next < segments)
            return false;
        return Finish(sig, int32_t(ref.body), pr->start, end);
    }

    const Matcher& m_m;
    FileSource& m_source;
    bool m_reviewer;
    BodyMatch& m_out;
    uint64_t m_size;
    // One block buffer per thread, kept between files: clearing 64 KiB for every small file
    // would cost as much as scanning it.
    static std::vector<uint8_t>& Buffer()
    {
        thread_local std::vector<uint8_t> buffer;
        return buffer;
    }

    std::vector<uint8_t>& m_buf;
    uint64_t m_base = 0;
    size_t m_have = 0;
    std::unordered_map<uint32_t, Progress> m_progress;
    const HexPattern* m_pattern = nullptr;
    int m_budget = 0;
};

MatchResult Matcher::Scan(FileSource& source, const std::vector<ScanRange>& ranges, bool reviewer, BodyMatch& out) const
{
    if (!m_bodies || m_refs.empty())
        return MatchResult::Clean;
    return Pass(*this, source, reviewer, out).Run(ranges);
}

}  // namespace kelvex
