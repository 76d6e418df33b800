// Parsing of body signature hex text: tokens, gaps, segments and the refusals.
#include <gtest/gtest.h>

#include "hex_pattern.h"

namespace kelvex {
namespace {

HexPattern Parse(const std::string& text)
{
    HexPattern p;
    std::string error;
    EXPECT_TRUE(ParseHexPattern(text, p, error)) << text << ": " << error;
    return p;
}

std::string Refusal(const std::string& text)
{
    HexPattern p;
    std::string error;
    EXPECT_FALSE(ParseHexPattern(text, p, error)) << text;
    return error;
}

TEST(HexPattern, ReadsBytesAndNibbleWildcards)
{
    HexPattern p = Parse("4D5a??a??b");
    ASSERT_EQ(p.segments.size(), 1u);
    ASSERT_EQ(p.segments[0].parts.size(), 1u);
    const auto& t = p.segments[0].parts[0].tokens;
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[0].value, 0x4D);
    EXPECT_EQ(t[0].mask, 0xFF);
    EXPECT_EQ(t[2].mask, 0x00);
    EXPECT_EQ(t[3].value, 0xA0);
    EXPECT_EQ(t[3].mask, 0xF0);
    EXPECT_EQ(t[4].value, 0x0B);
    EXPECT_EQ(t[4].mask, 0x0F);
}

TEST(HexPattern, BoundedGapsSplitPartsAndUnboundedOnesSplitSegments)
{
    HexPattern p = Parse("aabb{3}cc{2-5}dd{-4}ee*ff00{7-}1122");
    ASSERT_EQ(p.segments.size(), 3u);
    const auto& parts = p.segments[0].parts;
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1].gapMin, 3u);
    EXPECT_EQ(parts[1].gapMax, 3u);
    EXPECT_EQ(parts[2].gapMin, 2u);
    EXPECT_EQ(parts[2].gapMax, 5u);
    EXPECT_EQ(parts[3].gapMin, 0u);
    EXPECT_EQ(parts[3].gapMax, 4u);
    EXPECT_EQ(p.segments[0].maxSpan, 2u + 3 + 1 + 5 + 1 + 4 + 1);
    EXPECT_EQ(p.segments[1].minDistance, 0u);
    EXPECT_EQ(p.segments[2].minDistance, 7u);
}

TEST(HexPattern, GapNextToAStarAddsToTheDistance)
{
    HexPattern p = Parse("aabb{3}*ccdd");
    ASSERT_EQ(p.segments.size(), 2u);
    EXPECT_EQ(p.segments[1].minDistance, 3u);
}

TEST(HexPattern, AlternativesOfEqualLength)
{
    HexPattern p = Parse("aa(0102|0304)bb");
    ASSERT_EQ(p.alts.size(), 1u);
    EXPECT_EQ(p.alts[0].choices, (std::vector<std::string> {"\x01\x02", "\x03\x04"}));
    EXPECT_EQ(p.segments[0].parts[0].length, 4u);
    const auto& t = p.segments[0].parts[0].tokens;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_FALSE(t[0].IsAlt());
    EXPECT_EQ(t[0].Length(), 1u);
    EXPECT_TRUE(t[1].IsAlt());
    EXPECT_EQ(t[1].alt, 0u);
    EXPECT_EQ(t[1].Length(), 2u);
    EXPECT_EQ(sizeof(PatternToken), 4u);
    // The longest group a token can stand for, and the most groups a pattern may hold.
    HexPattern wide = Parse("aabb(" + std::string(510, '1') + "|" + std::string(510, '2') + ")");
    EXPECT_EQ(wide.segments[0].parts[0].tokens[2].Length(), 255u);
    std::string many = "aabb";
    for (int i = 0; i < 0x8000; ++i)
        many += "(01|02)(03|04)*";
    EXPECT_EQ(Refusal(many), "too many alternatives");
}

TEST(HexPattern, RefusesWhatItCannotMatch)
{
    EXPECT_EQ(Refusal(""), "empty pattern");
    EXPECT_EQ(Refusal("aab"), "odd number of hex digits");
    EXPECT_EQ(Refusal("aazz"), "unexpected character 'z'");
    EXPECT_EQ(Refusal("*aabb"), "a pattern cannot start with a gap");
    EXPECT_EQ(Refusal("{2}aabb"), "a pattern cannot start with a gap");
    EXPECT_EQ(Refusal("aabb{2}"), "the pattern ends with a gap");
    EXPECT_EQ(Refusal("aabb*"), "the pattern ends with a gap");
    EXPECT_EQ(Refusal("aa{x}bb"), "bad gap {x}");
    EXPECT_EQ(Refusal("aa{5-2}bb"), "bad gap {5-2}");
    EXPECT_EQ(Refusal("aa{2"), "unclosed '{'");
    EXPECT_EQ(Refusal("aa(01|0203)"), "alternatives of different lengths are not supported");
    EXPECT_EQ(Refusal("aa(01)"), "an alternative needs at least two choices");
    EXPECT_EQ(Refusal("aa(0?|01)"), "alternatives hold plain hex bytes only");
    EXPECT_EQ(Refusal("aa{0-40000}bb"), "gap {0-40000} is too wide; write {n-} instead");
}

}  // namespace
}  // namespace kelvex
