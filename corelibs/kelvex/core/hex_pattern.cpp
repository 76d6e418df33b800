// Parser of body signature hex text into segments, parts and tokens.
#include "hex_pattern.h"

#include <charconv>

namespace kelvex {
namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseNumber(std::string_view s, uint32_t& out)
{
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

class Parser {
public:
    Parser(std::string_view text, HexPattern& out, std::string& error) : m_text(text), m_out(out), m_error(error) { }

    bool Run()
    {
        m_out = HexPattern {};
        m_out.segments.emplace_back();
        while (m_pos < m_text.size()) {
            char c = m_text[m_pos];
            bool ok;
            if (c == '*') {
                ++m_pos;
                ok = BreakSegment(0);
            } else if (c == '{') {
                ok = Gap();
            } else if (c == '(') {
                ok = Alternatives();
            } else {
                ok = Byte();
            }
            if (!ok)
                return false;
        }
        if (m_pendingMin || m_pendingMax || m_pendingBreak)
            return Fail("the pattern ends with a gap");
        return Finish();
    }

private:
    bool Fail(const std::string& why)
    {
        m_error = why;
        return false;
    }

    PatternSegment& Segment() { return m_out.segments.back(); }

    bool BreakSegment(uint32_t minDistance)
    {
        if (Segment().parts.empty())
            return Fail("a pattern cannot start with a gap");
        m_pendingBreak = true;
        m_breakDistance += minDistance + m_pendingMin;
        m_pendingMin = m_pendingMax = 0;
        return true;
    }

    bool Gap()
    {
        size_t close = m_text.find('}', m_pos);
        if (close == std::string_view::npos)
            return Fail("unclosed '{'");
        std::string_view body = m_text.substr(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        size_t dash = body.find('-');
        uint32_t lo = 0, hi = 0;
        if (dash == std::string_view::npos) {
            if (!ParseNumber(body, lo))
                return Fail("bad gap {" + std::string(body) + "}");
            hi = lo;
        } else {
            std::string_view a = body.substr(0, dash), b = body.substr(dash + 1);
            if (a.empty() && b.empty())
                return Fail("bad gap {-}");
            if (!a.empty() && !ParseNumber(a, lo))
                return Fail("bad gap {" + std::string(body) + "}");
            if (b.empty())
                return BreakSegment(lo);
            if (!ParseNumber(b, hi) || hi < lo)
                return Fail("bad gap {" + std::string(body) + "}");
        }
        if (Segment().parts.empty() && !m_pendingBreak)
            return Fail("a pattern cannot start with a gap");
        if (hi > kMaxSegmentSpan)
            return Fail("gap {" + std::string(body) + "} is too wide; write {n-} instead");
        m_pendingMin += lo;
        m_pendingMax += hi;
        return true;
    }

    PatternPart& PartForToken()
    {
        if (m_pendingBreak) {
            m_out.segments.emplace_back();
            Segment().minDistance = m_breakDistance + m_pendingMin;
            m_pendingBreak = false;
            m_breakDistance = 0;
            m_pendingMin = m_pendingMax = 0;
        }
        PatternSegment& seg = Segment();
        if (seg.parts.empty() || m_pendingMin || m_pendingMax) {
            seg.parts.emplace_back();
            seg.parts.back().gapMin = m_pendingMin;
            seg.parts.back().gapMax = m_pendingMax;
            m_pendingMin = m_pendingMax = 0;
        }
        return seg.parts.back();
    }

    bool Byte()
    {
        if (m_pos + 1 >= m_text.size())
            return Fail("odd number of hex digits");
        char a = m_text[m_pos], b = m_text[m_pos + 1];
        int hi = HexDigit(a), lo = HexDigit(b);
        PatternToken t;
        if (a == '?' && b == '?') {
            t.mask = 0x00;
        } else if (a == '?' && lo >= 0) {
            t.mask = 0x0F;
            t.value = uint8_t(lo);
        } else if (hi >= 0 && b == '?') {
            t.mask = 0xF0;
            t.value = uint8_t(hi << 4);
        } else if (hi >= 0 && lo >= 0) {
            t.value = uint8_t(hi << 4 | lo);
        } else {
            return Fail(std::string("unexpected character '") + (hi < 0 ? a : b) + "'");
        }
        m_pos += 2;
        PatternPart& part = PartForToken();
        part.tokens.push_back(t);
        part.length += 1;
        return true;
    }

    bool Alternatives()
    {
        size_t close = m_text.find(')', m_pos);
        if (close == std::string_view::npos)
            return Fail("unclosed '('");
        std::string_view body = m_text.substr(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        AltSet set;
        size_t start = 0;
        while (true) {
            size_t bar = body.find('|', start);
            std::string_view choice = body.substr(start, bar == std::string_view::npos ? body.npos : bar - start);
            if (choice.empty() || choice.size() % 2)
                return Fail("bad alternative (" + std::string(body) + ")");
            std::string bytes;
            for (size_t i = 0; i < choice.size(); i += 2) {
                int h = HexDigit(choice[i]), l = HexDigit(choice[i + 1]);
                if (h < 0 || l < 0)
                    return Fail("alternatives hold plain hex bytes only");
                bytes.push_back(char(h << 4 | l));
            }
            if (!set.choices.empty() && bytes.size() != set.choices[0].size())
                return Fail("alternatives of different lengths are not supported");
            set.choices.push_back(std::move(bytes));
            if (bar == std::string_view::npos)
                break;
            start = bar + 1;
        }
        if (set.choices.size() < 2)
            return Fail("an alternative needs at least two choices");
        if (set.choices[0].size() > 255)
            return Fail("alternative too long");
        if (m_out.alts.size() >= PatternToken::kNoAlt)
            return Fail("too many alternatives");
        set.length = uint16_t(set.choices[0].size());
        PatternToken t;
        t.mask = 0;
        t.value = uint8_t(set.length);
        t.alt = uint16_t(m_out.alts.size());
        m_out.alts.push_back(std::move(set));
        PatternPart& part = PartForToken();
        part.tokens.push_back(t);
        part.length += t.Length();
        return true;
    }

    bool Finish()
    {
        if (Segment().parts.empty())
            return Fail("empty pattern");
        for (PatternSegment& seg : m_out.segments) {
            uint64_t span = 0;
            for (const PatternPart& p : seg.parts)
                span += uint64_t(p.gapMax) + p.length;
            if (span > kMaxSegmentSpan)
                return Fail("a stretch between '*' gaps is longer than 32768 bytes");
            seg.maxSpan = uint32_t(span);
        }
        // A loaded database holds every pattern for as long as it is loaded: no spare room.
        for (PatternSegment& seg : m_out.segments) {
            for (PatternPart& p : seg.parts)
                p.tokens.shrink_to_fit();
            seg.parts.shrink_to_fit();
        }
        m_out.segments.shrink_to_fit();
        m_out.alts.shrink_to_fit();
        return true;
    }

    std::string_view m_text;
    HexPattern& m_out;
    std::string& m_error;
    size_t m_pos = 0;
    uint32_t m_pendingMin = 0, m_pendingMax = 0;
    bool m_pendingBreak = false;
    uint32_t m_breakDistance = 0;
};

}  // namespace

bool ParseHexPattern(std::string_view text, HexPattern& out, std::string& error)
{
    if (text.empty()) {
        error = "empty pattern";
        return false;
    }
    return Parser(text, out, error).Run();
}

}  // namespace kelvex
