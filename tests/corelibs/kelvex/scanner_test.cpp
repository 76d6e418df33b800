// The scanner with the shipped signatures: the test file's definition, modes, hashes, errors.
#include <gtest/gtest.h>

#include <cstdio>

#include "test_support.h"

namespace kelvex {
namespace {

using test::EicarString;
using test::FromHex;
using test::ScanName;

Scanner Shipped()
{
    SourceCompiler c;
    EXPECT_TRUE(c.AddFile(std::string(KELVEX_SIGNATURES_DIR) + "/default.kvs"));
    for (const std::string& e : c.Errors())
        ADD_FAILURE() << e;
    Scanner s;
    std::string error;
    EXPECT_TRUE(s.Load(c.Set(), error)) << error;
    return s;
}

ScanOptions Mode(uint16_t w0, uint16_t w1, uint16_t w2)
{
    uint16_t words[17] = {w0, w1, w2, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};
    ScanOptions o;
    EXPECT_TRUE(ScanOptions::FromWords(words, 17, o));
    return o;
}

TEST(Scanner, TestFileAloneOrWithTrailingWhiteSpaceUpTo128Bytes)
{
    Scanner s = Shipped();
    const std::string e = EicarString();
    ASSERT_EQ(e.size(), 68u);
    EXPECT_EQ(ScanName(s, e), "EICAR-Test-File");
    EXPECT_EQ(ScanName(s, e + "\r\n"), "EICAR-Test-File");
    EXPECT_EQ(ScanName(s, e + " \t\r\n\x1a"), "EICAR-Test-File");
    EXPECT_EQ(ScanName(s, e + std::string(60, ' ')), "EICAR-Test-File");
    EXPECT_EQ(ScanName(s, e + std::string(61, ' ')), "");
    EXPECT_EQ(ScanName(s, e + " x"), "");
    EXPECT_EQ(ScanName(s, " " + e), "");
    EXPECT_EQ(ScanName(s, e.substr(0, 67)), "");
}

TEST(Scanner, ModeWordsMeanRegionsAndReviewerSignatures)
{
    ScanOptions fast = Mode(0, 0, 6), secure = Mode(1, 0, 14), reviewer = Mode(2, 63, 15);
    EXPECT_FALSE(fast.wholeFile);
    EXPECT_TRUE(fast.bodies && fast.hashes && !fast.reviewer);
    EXPECT_TRUE(secure.wholeFile && !secure.reviewer);
    EXPECT_TRUE(reviewer.wholeFile && reviewer.reviewer);
    uint16_t words[17] = {3};
    ScanOptions o;
    EXPECT_FALSE(ScanOptions::FromWords(words, 17, o));
    words[0] = 1;
    EXPECT_FALSE(ScanOptions::FromWords(words, 16, o));
    words[11] = 2;
    EXPECT_FALSE(ScanOptions::FromWords(words, 17, o));
}

TEST(Scanner, FastModeLooksAtHeadAndTailOfLargeFilesOnly)
{
    Scanner s = Shipped();
    ScanOptions fast = Mode(0, 0, 6), secure = Mode(1, 0, 14);
    const std::string body = test::Rev(":YDOB.DNEPPA.XVK") + std::string(4, '\0') + test::Rev("RMXV");
    std::string middle(20u << 20, 'm');
    middle.replace(10u << 20, body.size(), body);
    EXPECT_EQ(ScanName(s, middle, fast), "");
    EXPECT_EQ(ScanName(s, middle, secure), "Kelvex-Test-Append");
    std::string tail(20u << 20, 'm');
    tail.replace(tail.size() - 1000, body.size(), body);
    EXPECT_EQ(ScanName(s, tail, fast), "Kelvex-Test-Append");
    std::string small(2u << 20, 'm');
    small.replace(1u << 20, body.size(), body);
    EXPECT_EQ(ScanName(s, small, fast), "Kelvex-Test-Append");
}

TEST(Scanner, ReviewerOnlySignaturesNeedReviewerMode)
{
    Scanner s = Shipped();
    const std::string suspect = "xx" + std::string(test::Rev("TCEPSUS.XVK")) + "_3" + test::Rev("SUS") + "yy";
    EXPECT_EQ(ScanName(s, suspect, Mode(1, 0, 14)), "");
    EXPECT_EQ(ScanName(s, suspect, Mode(2, 63, 15)), "Kelvex-Test-Suspect");
    EXPECT_EQ(ScanName(s, test::Rev("TCEPSUS.XVK") + std::string("-3") + test::Rev("SUS"), Mode(2, 63, 15)),
        "Kelvex-Test-Suspect");
    EXPECT_EQ(ScanName(s, test::Rev("TCEPSUS.XVK") + std::string("+3") + test::Rev("SUS"), Mode(2, 63, 15)), "");
}

TEST(Scanner, WholeFileHashNeedsSizeAndDigest)
{
    Scanner s = Shipped();
    const std::string file = "Vexomar harmless hash test file\r\n";
    EXPECT_EQ(ScanName(s, file), "Kelvex-Test-Hash");
    EXPECT_EQ(ScanName(s, "Vexomar harmless hash test filE\r\n"), "");
    EXPECT_EQ(ScanName(s, file + " "), "");
    uint16_t noHashes[17] = {1, 0, 10};
    ScanOptions o;
    ASSERT_TRUE(ScanOptions::FromWords(noHashes, 17, o));
    EXPECT_EQ(ScanName(s, file, o), "");
}

TEST(Scanner, BootSectorMarkerAtItsOffset)
{
    Scanner s = Shipped();
    std::string sector(512, '\0');
    sector.replace(62, 16, test::Rev("!ROTCES.TOOB.XVK"));
    EXPECT_EQ(ScanName(s, sector), "Kelvex-Test-Boot");
    std::string moved(512, '\0');
    moved.replace(63, 16, test::Rev("!ROTCES.TOOB.XVK"));
    EXPECT_EQ(ScanName(s, moved), "");
}

class FailingSource : public FileSource {
public:
    uint64_t Size() const override { return 100000; }
    bool Read(uint64_t, void*, size_t, size_t&) override { return false; }
    bool Write(uint64_t, const void*, size_t) override { return false; }
    bool Truncate(uint64_t) override { return false; }
};

TEST(Scanner, ReadFailureIsReportedNotClean)
{
    Scanner s = Shipped();
    FailingSource f;
    Detection d;
    EXPECT_EQ(s.Scan(f, ScanOptions {}, d), ScanOutcome::ReadError);
}

// A file that says it is larger than what can be read (cut short while being scanned).
class ShortSource : public MemorySource {
public:
    ShortSource(std::string bytes, uint64_t claimed) : MemorySource(std::move(bytes)), m_claimed(claimed) { }
    uint64_t Size() const override { return m_claimed; }

private:
    uint64_t m_claimed;
};

TEST(Scanner, AFileThatEndsEarlyIsNotReportedClean)
{
    Scanner s = Shipped();
    Detection d;
    ShortSource bodyScan(std::string(70000, 'a'), 200000);
    EXPECT_EQ(s.Scan(bodyScan, ScanOptions {}, d), ScanOutcome::ReadError);
    // Hashing alone: the size has a hash signature, but the bytes run out before it.
    uint16_t hashesOnly[17] = {1, 0, 12};
    ScanOptions o;
    ASSERT_TRUE(ScanOptions::FromWords(hashesOnly, 17, o));
    ShortSource hashed("Vexomar harmless", 33);
    EXPECT_EQ(s.Scan(hashed, o, d), ScanOutcome::ReadError);
    // The same bytes with their true size are simply clean.
    ShortSource whole("Vexomar harmless", 16);
    EXPECT_EQ(s.Scan(whole, ScanOptions {}, d), ScanOutcome::Clean);
}

TEST(Scanner, ShippedSignaturesLeaveOrdinaryDataAlone)
{
    Scanner s = Shipped();
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "KVX " + std::to_string(i) + " EICAR STANDARD test file\r\n";
    EXPECT_EQ(ScanName(s, text, Mode(2, 63, 15)), "");
}

}  // namespace
}  // namespace kelvex
