// VIRSIG.DAT: exact header bytes, a faithful round trip, and refusal of damaged files.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>

#include "sig_file_reader.h"
#include "sig_file_writer.h"
#include "test_support.h"
#include "version_values.h"

namespace kelvex {
namespace {

SignatureSet Sample()
{
    SourceCompiler c;
    c.Add("version 1.07\ndate 2026-11-30\nengine 1.00 2026-12-01\n"
          "body id=300 name=\"Two Words\" offset=EOF-40,8 minsize=3 maxsize=900 reviewer "
          "cure=restore:4:0102:-6 sig=a1a2a3a4{2-3}b1??*c1c2\n"
          "body id=301 name=Plain cure=overwrite:-2:10:20 sig=d1d2d3d4\n"
          "hash id=302 name=Known size=77 md5=00112233445566778899aabbccddeeff cure=truncate:5\n",
        SourceCompiler::Format::Kvs, "sample.kvs");
    EXPECT_TRUE(c.Errors().empty());
    return c.Set();
}

std::string Bytes(const SignatureSet& set)
{
    std::string out, error;
    EXPECT_TRUE(SigFileWriter::Serialize(set, out, error)) << error;
    return out;
}

uint32_t Le32(const std::string& s, size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | uint8_t(s[at + size_t(i)]);
    return v;
}

void Put32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + size_t(i)] = char(v >> (8 * i));
}

// Rewrites both checksums, so that only the structure is wrong.
void Reseal(std::string& s)
{
    Put32(s, 32, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(s.data()) + 64, uInt(s.size() - 64))));
    Put32(s, 60, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(s.data()), 60)));
}

TEST(SigFile, HeaderBytes)
{
    const std::string b = Bytes(Sample());
    EXPECT_EQ(b.substr(0, 8), std::string("KVXSIG\x1a\0", 8));
    EXPECT_EQ(test::Hex(b.substr(8, 12)),
        "0100"
        "4000"
        "6c07"
        "7307"
        "815d"
        "7e5d");
    EXPECT_EQ(Le32(b, 20), 2u);
    EXPECT_EQ(Le32(b, 24), 1u);
    EXPECT_EQ(Le32(b, 28), b.size() - 64);
    EXPECT_EQ(b.substr(36, 24), std::string(24, '\0'));
    // The first record: its size, kind, anchor, id and flags.
    EXPECT_EQ(test::Hex(b.substr(68, 8)),
        "01"
        "02"
        "2c01"
        "0100"
        "02"
        "00");
}

TEST(SigFile, RoundTripKeepsEveryField)
{
    SignatureSet out;
    ASSERT_EQ(SigFileReader::Parse(Bytes(Sample()), out), kLoadOk);
    EXPECT_EQ(VersionText(out.versions.signatureVersion), "1.07");
    EXPECT_EQ(DateText(out.versions.signatureDate), "2026-11-30");
    EXPECT_EQ(DateText(out.versions.engineDate), "2026-12-01");
    ASSERT_EQ(out.bodies.size(), 2u);
    const BodySignature& b = out.bodies[0];
    EXPECT_EQ(b.id, 300);
    EXPECT_EQ(b.name, "Two Words");
    EXPECT_EQ(b.anchor, AnchorKind::FromEnd);
    EXPECT_EQ(b.anchorOffset, 40u);
    EXPECT_EQ(b.anchorWindow, 8u);
    EXPECT_EQ(b.minSize, 3u);
    EXPECT_EQ(b.maxSize, 900u);
    EXPECT_EQ(b.flags, kReviewerOnly);
    EXPECT_EQ(b.hex, "a1a2a3a4{2-3}b1??*c1c2");
    EXPECT_EQ(b.pattern.segments.size(), 2u);
    EXPECT_EQ(b.cure.method, CureMethod::Restore);
    EXPECT_EQ(b.cure.offset, 4);
    EXPECT_EQ(b.cure.data, std::string("\x01\x02"));
    EXPECT_TRUE(b.cure.hasTruncate);
    EXPECT_EQ(b.cure.truncateDelta, -6);
    EXPECT_EQ(out.bodies[1].cure.method, CureMethod::Overwrite);
    EXPECT_EQ(out.bodies[1].cure.offset, -2);
    EXPECT_EQ(out.bodies[1].cure.length, 10u);
    EXPECT_EQ(out.bodies[1].cure.fill, 0x20);
    ASSERT_EQ(out.hashes.size(), 1u);
    EXPECT_EQ(out.hashes[0].size, 77u);
    EXPECT_EQ(
        test::Hex(std::string(out.hashes[0].md5.begin(), out.hashes[0].md5.end())), "00112233445566778899aabbccddeeff");
    EXPECT_EQ(out.hashes[0].cure.method, CureMethod::Truncate);
    EXPECT_EQ(out.hashes[0].cure.truncateDelta, 5);
}

TEST(SigFile, EveryTruncationIsRefused)
{
    const std::string b = Bytes(Sample());
    SignatureSet out;
    for (size_t n = 0; n < b.size(); ++n)
        EXPECT_EQ(SigFileReader::Parse(b.substr(0, n), out), kLoadBadFormat) << n;
    EXPECT_EQ(SigFileReader::Parse(b + "x", out), kLoadBadFormat);
}

TEST(SigFile, EveryFlippedBitIsCaughtByTheChecksums)
{
    const std::string b = Bytes(Sample());
    SignatureSet out;
    for (size_t i = 0; i < b.size(); ++i) {
        std::string bad = b;
        bad[i] = char(bad[i] ^ 0x10);
        EXPECT_EQ(SigFileReader::Parse(bad, out), kLoadBadFormat) << i;
    }
}

TEST(SigFile, ResealedButInconsistentRecordsAreRefused)
{
    const std::string b = Bytes(Sample());
    SignatureSet out;
    std::string size = b;
    Put32(size, 64, Le32(b, 64) + 1);
    Reseal(size);
    EXPECT_EQ(SigFileReader::Parse(size, out), kLoadBadFormat);
    std::string count = b;
    Put32(count, 20, 3);
    Reseal(count);
    EXPECT_EQ(SigFileReader::Parse(count, out), kLoadBadFormat);
    std::string kind = b;
    kind[68] = 9;
    Reseal(kind);
    EXPECT_EQ(SigFileReader::Parse(kind, out), kLoadBadFormat);
    std::string pattern = b;
    pattern.replace(pattern.find("a1a2"), 1, "z");
    Reseal(pattern);
    EXPECT_EQ(SigFileReader::Parse(pattern, out), kLoadBadFormat);
    std::string fine = b;
    Reseal(fine);
    EXPECT_EQ(SigFileReader::Parse(fine, out), kLoadOk);
}

TEST(SigFile, NewerEngineRequiredIsItsOwnStatus)
{
    SignatureSet set = Sample();
    set.versions.engineVersion = kEngineVersion + 1;
    SignatureSet out;
    EXPECT_EQ(SigFileReader::Parse(Bytes(set), out), kLoadNeedsNewerEngine);
}

TEST(SigFile, MissingFileIsNotOpenedAndAWrittenFileLoads)
{
    SignatureSet out;
    EXPECT_EQ(SigFileReader::ReadFile("no-such-dir/VIRSIG.DAT", out), kLoadNotOpened);
    const std::string path = testing::TempDir() + "kelvex_sig_test.dat";
    std::string error;
    ASSERT_TRUE(SigFileWriter::WriteFile(Sample(), path, error)) << error;
    EXPECT_EQ(SigFileReader::ReadFile(path, out), kLoadOk);
    EXPECT_EQ(out.bodies.size(), 2u);
    std::remove(path.c_str());
}

TEST(SigFile, AFileOverTheSizeBoundIsRefusedWithoutReadingItWhole)
{
    const std::string path = testing::TempDir() + "kelvex_sig_bound.dat";
    std::string error;
    ASSERT_TRUE(SigFileWriter::WriteFile(Sample(), path, error)) << error;
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 0, SEEK_END);
    const size_t size = size_t(std::ftell(f));
    std::fclose(f);
    SignatureSet out;
    EXPECT_EQ(SigFileReader::ReadFile(path, out, size), kLoadOk);
    EXPECT_EQ(SigFileReader::ReadFile(path, out, size - 1), kLoadBadFormat);
    EXPECT_TRUE(out.bodies.empty());
    EXPECT_EQ(SigFileReader::kMaxFileBytes, size_t(128) << 20);
    std::remove(path.c_str());
}

}  // namespace
}  // namespace kelvex
