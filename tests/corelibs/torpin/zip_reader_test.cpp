// The ZIP reader on archives built field by field: methods, ZIP64, descriptors, damage.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "byte_source.h"
#include "test_files.h"
#include "zip_reader.h"

namespace torpin {
namespace {

using test::Bytes;
using test::ZipBuilder;
using test::ZipEntry;

ExtractStatus extractTo(ZipReader& reader, MemberInfo m, MemorySink& sink)
{
    if (!reader.locate(m))
        return ExtractStatus::Corrupt;
    return reader.extract(m, sink, limits::kMaxMemberBytes);
}

TEST(ZipReader, ListsAndExtractsStoredAndDeflatedMembers)
{
    Bytes text = test::textContent(70000, 1);
    Bytes noise = test::noiseContent(3000, 2);
    ZipBuilder zip;
    zip.add({.name = "docs/readme.txt", .data = text, .deflate = true});
    zip.add({.name = "bin/tool.exe", .data = noise});
    Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    ASSERT_TRUE(reader.hasDirectory());
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(members[0].name, "docs/readme.txt");
    EXPECT_EQ(members[0].size, 70000u);
    EXPECT_EQ(members[0].method, 8);
    EXPECT_LT(members[0].packedSize, 70000u);
    EXPECT_EQ(members[1].name, "bin/tool.exe");
    EXPECT_EQ(members[1].packedSize, 3000u);

    MemorySink first, second;
    EXPECT_EQ(extractTo(reader, members[0], first), ExtractStatus::Ok);
    EXPECT_EQ(first.bytes, text);
    EXPECT_EQ(extractTo(reader, members[1], second), ExtractStatus::Ok);
    EXPECT_EQ(second.bytes, noise);
}

TEST(ZipReader, ReadsDataDescriptorsAndZip64Records)
{
    Bytes a = test::textContent(5000, 3), b = test::textContent(9000, 4), c = test::noiseContent(100, 5);
    ZipBuilder zip;
    zip.add({.name = "streamed.txt", .data = a, .deflate = true, .descriptor = true});
    zip.add({.name = "big.txt", .data = b, .deflate = true, .zip64 = true});
    zip.add({.name = "both.bin", .data = c, .descriptor = true, .zip64 = true});
    Bytes archive = zip.finish(true);
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(members[1].size, 9000u);
    const Bytes* expected[] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i) {
        MemorySink sink;
        EXPECT_EQ(extractTo(reader, members[i], sink), ExtractStatus::Ok) << members[i].name;
        EXPECT_EQ(sink.bytes, *expected[i]) << members[i].name;
    }
}

TEST(ZipReader, FindsTheArchiveBehindAStub)
{
    Bytes data = test::textContent(2000, 6);
    ZipBuilder zip;
    zip.raw(Bytes(5000, 0x90));
    zip.add({.name = "inside.txt", .data = data, .deflate = true});
    Bytes archive = zip.finish();
    // Once the stub is counted by the archive's offsets, once it is put in front of a
    // finished archive whose offsets leave it out.
    ZipBuilder plain;
    plain.add({.name = "inside.txt", .data = data, .deflate = true});
    Bytes bare = plain.finish();
    Bytes stubbed = bare;
    stubbed.insert(stubbed.begin(), 5000, 0x90);
    for (const Bytes* candidate : {&archive, &stubbed}) {
        MemorySource source(candidate->data(), candidate->size());
        ZipReader reader(source);
        auto members = test::listMembers(reader);
        ASSERT_EQ(members.size(), 1u);
        MemorySink sink;
        EXPECT_EQ(extractTo(reader, members[0], sink), ExtractStatus::Ok);
        EXPECT_EQ(sink.bytes, data);
    }
}

TEST(ZipReader, ListsEncryptedMembersButNeverDecodesThem)
{
    ZipBuilder zip;
    zip.add({.name = "secret.doc", .data = test::noiseContent(64, 7), .flags = 0x0001});
    Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_TRUE(members[0].encrypted);
    MemorySink sink;
    EXPECT_EQ(extractTo(reader, members[0], sink), ExtractStatus::Encrypted);
    EXPECT_TRUE(sink.bytes.empty());
}

TEST(ZipReader, RejectsBadCrcWrongSizesAndUnknownMethods)
{
    Bytes data = test::textContent(4000, 8);
    ZipBuilder zip;
    zip.add({.name = "badcrc.txt", .data = data, .deflate = true, .crc = 0x12345678});
    zip.add({.name = "short.txt", .data = data, .deflate = true, .size = 4001});
    zip.add({.name = "huge.txt", .data = data, .deflate = true, .zip64 = true, .size = 1ull << 40});
    zip.add({.name = "bzip.txt", .data = data, .method = 12});
    zip.add({.name = "stored-size.txt", .data = data, .size = 3999});
    Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 5u);
    const ExtractStatus expected[] = {ExtractStatus::BadCrc, ExtractStatus::Corrupt, ExtractStatus::Limit,
        ExtractStatus::Unsupported, ExtractStatus::Corrupt};
    for (int i = 0; i < 5; ++i) {
        MemorySink sink;
        EXPECT_EQ(extractTo(reader, members[i], sink), expected[i]) << members[i].name;
    }
}

TEST(ZipReader, CorruptStreamAndDataPastTheEndAreSkipped)
{
    Bytes data = test::textContent(50000, 9);
    Bytes packed = test::deflateRaw(data);
    ZipBuilder zip;
    zip.add({.name = "ok.txt", .data = data, .deflate = true});
    std::size_t broken = zip.add({.name = "broken.txt", .data = data, .deflate = true});
    Bytes archive = zip.finish();
    // Flip bytes in the middle of the second member's stream.
    std::size_t at = static_cast<std::size_t>(zip.offsetOf(broken)) + 30 + 10 + packed.size() / 2;
    for (int i = 0; i < 8; ++i)
        archive[at + i] ^= 0xA5;
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 2u);
    MemorySink good, bad;
    EXPECT_EQ(extractTo(reader, members[0], good), ExtractStatus::Ok);
    ExtractStatus status = extractTo(reader, members[1], bad);
    EXPECT_TRUE(status == ExtractStatus::Corrupt || status == ExtractStatus::BadCrc) << describe(status);

    MemberInfo past = members[0];
    past.packedSize = archive.size();
    MemorySink none;
    EXPECT_EQ(extractTo(reader, past, none), ExtractStatus::Corrupt);
}

TEST(ZipReader, ACorruptDirectoryEntryEndsTheWalk)
{
    ZipBuilder zip;
    for (int i = 0; i < 3; ++i)
        zip.add({.name = "m" + std::to_string(i), .data = test::textContent(10, i)});
    Bytes archive = zip.finish();
    // The second directory entry starts right after the first (46 + 2 bytes).
    std::size_t dirStart = archive.size() - 22 - 3 * 48;
    archive[dirStart + 48] = 'X';
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].name, "m0");
    MemberInfo m;
    EXPECT_FALSE(reader.next(m));
}

TEST(ZipReader, TruncatedArchivesHaveNoDirectory)
{
    ZipBuilder zip;
    zip.add({.name = "a.txt", .data = test::textContent(3000, 10), .deflate = true});
    Bytes archive = zip.finish();
    for (std::size_t keep :
        {std::size_t {0}, std::size_t {3}, std::size_t {30}, archive.size() / 2, archive.size() - 1}) {
        Bytes cut(archive.begin(), archive.begin() + static_cast<long>(keep));
        MemorySource source(cut.data(), cut.size());
        ZipReader reader(source);
        MemberInfo m;
        EXPECT_FALSE(reader.first(m)) << keep;
    }
}

TEST(ZipReader, NamesAreCutAtNulAndAtTheLimit)
{
    std::string exact(limits::kMaxNameBytes, 'n');
    std::string longer(limits::kMaxNameBytes + 1, 'l');
    ZipBuilder zip;
    zip.add({.name = exact, .data = {}});
    zip.add({.name = longer, .data = {}});
    zip.add({.name = std::string("evil.exe\0.txt", 13), .data = {}});
    zip.add({.name = "", .data = {'x'}});
    Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members[0].name, exact);
    EXPECT_EQ(members[1].name, std::string(limits::kMaxNameBytes, 'l'));
    EXPECT_EQ(members[2].name, "evil.exe");
    EXPECT_EQ(members[3].name, "");
    MemorySink sink;
    EXPECT_EQ(extractTo(reader, members[3], sink), ExtractStatus::Ok);
    EXPECT_EQ(sink.bytes, Bytes {'x'});
}

TEST(ZipReader, NamesAreShortAndPrintableForTheScannersRowsAndBuffers)
{
    EXPECT_EQ(limits::kMaxNameBytes, 255u);
    std::string longProgram = std::string(300, 'p') + ".exe";
    std::string longFolder = std::string(400, 'd') + "/";
    std::string longDotted = "a.b" + std::string(600, 'z');
    ZipBuilder zip;
    zip.add({.name = "tab\there\r\nline\x1a\x7f.com", .data = {'1'}});
    zip.add({.name = longProgram, .data = {'2'}});
    zip.add({.name = longFolder, .data = {}});
    zip.add({.name = longDotted, .data = {'3'}});
    Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    ZipReader reader(source);
    auto members = test::listMembers(reader);
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members[0].name, "tab_here__line__.com");
    EXPECT_EQ(members[1].name, std::string(251, 'p') + ".exe");
    EXPECT_EQ(members[2].name, std::string(254, 'd') + "/");
    EXPECT_TRUE(members[2].directory);
    // An extension too long to be one is not kept: the name is simply cut.
    EXPECT_EQ(members[3].name, longDotted.substr(0, 255));
}

}  // namespace
}  // namespace torpin
