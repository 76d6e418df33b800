// The matcher through the scanner: wildcards, gaps, anchors, overlaps and block boundaries.
#include <gtest/gtest.h>

#include <random>

#include "test_support.h"

namespace kelvex {
namespace {

using test::FromHex;
using test::MakeScanner;
using test::ScanName;

std::string Filler(size_t n, char c = '.')
{
    return std::string(n, c);
}

TEST(Matcher, FindsAFixedPatternAnywhereAndNothingWhenOneByteDiffers)
{
    Scanner s = MakeScanner("body id=5 name=Fixed sig=1122334455667788\n");
    const std::string sig = FromHex("1122334455667788");
    EXPECT_EQ(ScanName(s, sig), "Fixed");
    EXPECT_EQ(ScanName(s, Filler(1000) + sig + Filler(1000)), "Fixed");
    EXPECT_EQ(ScanName(s, Filler(1000) + FromHex("1122334455667789") + Filler(10)), "");
    EXPECT_EQ(ScanName(s, Filler(1000) + FromHex("0122334455667788")), "");
}

TEST(Matcher, EmptyAndShortFilesAreClean)
{
    Scanner s = MakeScanner("body id=5 name=Fixed sig=1122334455667788\nbody id=6 name=Short sig=a1b2\n");
    EXPECT_EQ(ScanName(s, ""), "");
    EXPECT_EQ(ScanName(s, FromHex("11223344556677")), "");
    EXPECT_EQ(ScanName(s, FromHex("a1")), "");
    EXPECT_EQ(ScanName(s, FromHex("a1b2")), "Short");
}

TEST(Matcher, WildcardBytesAndNibbles)
{
    Scanner s = MakeScanner("body id=5 name=Wild sig=deadbeef??c?0d?e\n");
    EXPECT_EQ(ScanName(s, FromHex("deadbeef00c00d0e")), "Wild");
    EXPECT_EQ(ScanName(s, FromHex("deadbeefffcf0dfe")), "Wild");
    EXPECT_EQ(ScanName(s, FromHex("deadbeef00d00d0e")), "");
    EXPECT_EQ(ScanName(s, FromHex("deadbeef00c00d0f")), "");
    EXPECT_EQ(ScanName(s, FromHex("deadbeef00c01d0e")), "");
}

TEST(Matcher, BoundedGapTakesEveryLengthInRangeOnly)
{
    Scanner s = MakeScanner("body id=5 name=Gap sig=a1a2a3a4{2-4}b1b2b3b4\n");
    for (size_t g = 0; g <= 6; ++g) {
        const std::string file = "xx" + FromHex("a1a2a3a4") + Filler(g) + FromHex("b1b2b3b4") + "yy";
        EXPECT_EQ(ScanName(s, file), g >= 2 && g <= 4 ? "Gap" : "") << "gap " << g;
    }
}

TEST(Matcher, KeyedPartMayStandAfterWildcardParts)
{
    // The rare run is on the right: the left part must be found backwards from it.
    Scanner s = MakeScanner("body id=5 name=Left sig=0000{1-3}00??{2}9a8b7c6d\n");
    EXPECT_EQ(ScanName(s, FromHex("ffff0000ee00ffeeee9a8b7c6d")), "Left");
    EXPECT_EQ(ScanName(s, FromHex("ffff0000eeee00ffeeee9a8b7c6d")), "Left");
    EXPECT_EQ(ScanName(s, FromHex("ffff0000eeeeee00ffeeee9a8b7c6d")), "Left");
    EXPECT_EQ(ScanName(s, FromHex("ffff0000eeeeeeee00ffeeee9a8b7c6d")), "");
    // The left part would start before the file.
    EXPECT_EQ(ScanName(s, FromHex("00ee00ffeeee9a8b7c6d")), "");
}

TEST(Matcher, UnboundedGapKeepsOrderAcrossBlocks)
{
    Scanner s = MakeScanner("body id=5 name=Star sig=c1c2c3c4*d1d2d3d4{8-}e1e2e3e4\n");
    const std::string a = FromHex("c1c2c3c4"), b = FromHex("d1d2d3d4"), c = FromHex("e1e2e3e4");
    EXPECT_EQ(ScanName(s, a + b + Filler(8) + c), "Star");
    EXPECT_EQ(ScanName(s, a + b + Filler(7) + c), "");
    EXPECT_EQ(ScanName(s, Filler(70000) + a + Filler(200000) + b + Filler(100000) + c), "Star");
    EXPECT_EQ(ScanName(s, b + a + Filler(20) + c), "");
    EXPECT_EQ(ScanName(s, a + c + Filler(20) + b), "");
    // A later first segment does not stop an earlier one from counting.
    EXPECT_EQ(ScanName(s, a + Filler(10) + a + b + Filler(8) + c), "Star");
}

TEST(Matcher, AlternativesPickAnyChoice)
{
    Scanner s = MakeScanner("body id=5 name=Alt sig=f1f2f3f4(0a0b|1a1b|2a2b)f5\n");
    EXPECT_EQ(ScanName(s, FromHex("f1f2f3f40a0bf5")), "Alt");
    EXPECT_EQ(ScanName(s, FromHex("f1f2f3f42a2bf5")), "Alt");
    EXPECT_EQ(ScanName(s, FromHex("f1f2f3f40a1bf5")), "");
}

TEST(Matcher, AnchorFromStartWithWindow)
{
    Scanner s = MakeScanner("body id=5 name=At8 offset=8 sig=4a4b4c4d\nbody id=6 name=Win offset=100,4 sig=5a5b5c5d\n");
    EXPECT_EQ(ScanName(s, Filler(8) + "JKLM" + Filler(10)), "At8");
    EXPECT_EQ(ScanName(s, Filler(7) + "JKLM" + Filler(10)), "");
    EXPECT_EQ(ScanName(s, Filler(9) + "JKLM" + Filler(10)), "");
    for (size_t at = 98; at <= 106; ++at)
        EXPECT_EQ(ScanName(s, Filler(at) + "Z[\\]" + Filler(3)), at >= 100 && at <= 104 ? "Win" : "") << at;
}

TEST(Matcher, AnchorFromEnd)
{
    Scanner s = MakeScanner("body id=5 name=Tail offset=EOF-6 sig=7a7b7c7d\n");
    EXPECT_EQ(ScanName(s, Filler(100000) + "z{|}" + ".."), "Tail");
    EXPECT_EQ(ScanName(s, Filler(100000) + "z{|}" + "..."), "");
    EXPECT_EQ(ScanName(s, Filler(100000) + "z{|}" + "."), "");
    EXPECT_EQ(ScanName(s, "z{|}.."), "Tail");
}

TEST(Matcher, OverlappingAndSelfOverlappingPatterns)
{
    Scanner s = MakeScanner("body id=5 name=First sig=4142434445464748\nbody id=6 name=Second sig=4546474849\n");
    EXPECT_EQ(ScanName(s, "..ABCDEFGH.."), "First");
    EXPECT_EQ(ScanName(s, "..ABCDEFGI.."), "");
    EXPECT_EQ(ScanName(s, "..ABCDEFGHI"), "First");
    EXPECT_EQ(ScanName(s, "..xBCDEFGHI"), "Second");
    Scanner self = MakeScanner("body id=7 name=Self sig=6161616162\n");
    EXPECT_EQ(ScanName(self, "aaaaaaaaaaab"), "Self");
    EXPECT_EQ(ScanName(self, "aaaaaaaaaaaa"), "");
}

TEST(Matcher, PatternsStraddlingEveryBlockBoundary)
{
    Scanner s = MakeScanner("body id=5 name=Edge sig=e0e1{1-2}e2e3e4e5??e6\nbody id=6 name=Pair sig=f0f1\n");
    const std::string sig = FromHex("e0e1ffe2e3e4e5ffe6");
    for (size_t block : {size_t(65536), size_t(131072), size_t(196608)}) {
        for (size_t back = 0; back <= sig.size() + 1; ++back) {
            const std::string file = Filler(block - back) + sig + Filler(block);
            EXPECT_EQ(ScanName(s, file), "Edge") << "at " << block - back;
        }
        EXPECT_EQ(ScanName(s, Filler(block - 1) + FromHex("f0f1")), "Pair");
        EXPECT_EQ(ScanName(s, Filler(block) + FromHex("f0f1")), "Pair");
        EXPECT_EQ(ScanName(s, Filler(block - 1) + FromHex("f0")), "");
    }
}

TEST(Matcher, TwoByteKeysFromPatternsWithoutLongerRuns)
{
    Scanner s = MakeScanner("body id=5 name=Sparse sig=9c9d??9e??9f\n");
    EXPECT_EQ(ScanName(s, Filler(70000) + FromHex("9c9d009e009f")), "Sparse");
    EXPECT_EQ(ScanName(s, Filler(70000) + FromHex("9c9d009e00")), "");
}

TEST(Matcher, RefusesSignaturesWithoutTwoFixedBytes)
{
    SignatureSet set;
    BodySignature b;
    b.name = "Loose";
    b.hex = "aa??bb??cc";
    std::string error;
    ASSERT_TRUE(ParseHexPattern(b.hex, b.pattern, error));
    set.bodies.push_back(b);
    Scanner s;
    EXPECT_FALSE(s.Load(set, error));
    EXPECT_EQ(error, "signature \"Loose\": every stretch between '*' gaps needs two fixed bytes in a row");
}

TEST(Matcher, SizeLimitsOfASignature)
{
    Scanner s = MakeScanner("body id=5 name=Small maxsize=20 minsize=10 sig=51525354\n");
    EXPECT_EQ(ScanName(s, "QRST" + Filler(6)), "Small");
    EXPECT_EQ(ScanName(s, "QRST" + Filler(16)), "Small");
    EXPECT_EQ(ScanName(s, "QRST" + Filler(5)), "");
    EXPECT_EQ(ScanName(s, "QRST" + Filler(17)), "");
}

TEST(Matcher, RandomlyPlacedSignaturesAreAllFound)
{
    std::mt19937 rng(1234);
    std::string lines;
    std::vector<std::string> sigs;
    for (int i = 0; i < 300; ++i) {
        std::string bytes;
        for (int k = 0; k < 6 + i % 20; ++k)
            bytes.push_back(char(rng()));
        sigs.push_back(bytes);
        lines += "body id=" + std::to_string(i + 1) + " name=R" + std::to_string(i) + " sig=" + test::Hex(bytes) + "\n";
    }
    Scanner s = MakeScanner(lines);
    std::string noise(300000, 0);
    for (char& c : noise)
        c = char('a' + rng() % 26);
    EXPECT_EQ(ScanName(s, noise), "");
    for (int i = 0; i < 300; i += 7) {
        std::string file = noise;
        const size_t at = rng() % (file.size() - sigs[size_t(i)].size());
        file.replace(at, sigs[size_t(i)].size(), sigs[size_t(i)]);
        EXPECT_EQ(ScanName(s, file), "R" + std::to_string(i)) << "at " << at;
    }
}

}  // namespace
}  // namespace kelvex
