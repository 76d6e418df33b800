// The cabinet reader on gcab's own cabinets and on damaged copies of them.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "archive_type.h"
#include "archive_walk.h"
#include "cab_reader.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;

// Both fixtures hold text.txt (20000 bytes) and noise.bin (3000 bytes) in one folder.
constexpr std::size_t kCompressionAt = 42;  // the folder's compression type
constexpr std::size_t kSecondOffsetAt = 73;  // noise.bin's offset in the folder

TEST(CabReader, StoredAndMszipFoldersInAnyOrder)
{
    for (const char* name : {"stored.cab", "mszip.cab"}) {
        Bytes archive = test::dataFile(name);
        MemorySource source(archive.data(), archive.size());
        EXPECT_EQ(detectArchiveType(source), ArchiveType::Cab);
        CabReader reader(source);
        auto members = test::listMembers(reader);
        ASSERT_EQ(members.size(), 2u) << name;
        EXPECT_EQ(members[0].name, "text.txt");
        EXPECT_EQ(members[1].name, "noise.bin");
        EXPECT_EQ(members[1].size, 3000u);
        Bytes text, noise;
        // The second member first: the folder is decoded again from its start.
        EXPECT_EQ(test::extractBytes(reader, members[1], noise), ExtractStatus::Ok) << name;
        EXPECT_EQ(noise, test::noiseContent(3000, 32));
        EXPECT_EQ(test::extractBytes(reader, members[0], text), ExtractStatus::Ok) << name;
        EXPECT_EQ(text, test::textContent(20000, 31));
    }
}

TEST(CabReader, OverlappingMembersAreWrittenOutOnce)
{
    Bytes archive = test::dataFile("mszip.cab");
    archive[kSecondOffsetAt] = 100;  // noise.bin now starts inside text.txt
    archive[kSecondOffsetAt + 1] = 0;
    test::TempDir dir;
    TempFileFactory temps;
    temps.setDirectory(dir.str());
    ArchiveWalk walk(temps);
    ASSERT_TRUE(walk.open(std::make_unique<MemorySource>(archive.data(), archive.size())));
    ASSERT_STREQ(walk.first(), "text.txt");
    EXPECT_NE(walk.extractCurrent(), nullptr);
    ASSERT_STREQ(walk.next(), "noise.bin");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Overlap);
}

TEST(CabReader, DamageAndUnknownCompressionFailCleanly)
{
    Bytes clean = test::dataFile("mszip.cab");
    Bytes lzx = clean;
    lzx[kCompressionAt] = 3;
    Bytes flipped = clean;
    for (std::size_t i = 0; i < 16; ++i)
        flipped[clean.size() / 2 + i] ^= 0x5A;
    Bytes cut(clean.begin(), clean.begin() + static_cast<long>(clean.size() - 100));
    const std::pair<const Bytes*, ExtractStatus> cases[] = {
        {&lzx, ExtractStatus::Unsupported}, {&flipped, ExtractStatus::Corrupt}, {&cut, ExtractStatus::Corrupt}};
    for (const auto& [archive, expected] : cases) {
        MemorySource source(archive->data(), archive->size());
        CabReader reader(source);
        auto members = test::listMembers(reader);
        ASSERT_EQ(members.size(), 2u);
        Bytes out;
        EXPECT_EQ(test::extractBytes(reader, members[0], out), expected);
    }
    Bytes headerOnly(clean.begin(), clean.begin() + 80);
    MemorySource source(headerOnly.data(), headerOnly.size());
    CabReader reader(source);
    EXPECT_EQ(test::listMembers(reader).size(), 1u);  // the second name is cut off: the walk ends
}

TEST(CabReader, DecodeLimitAtItsEdge)
{
    Bytes archive = test::dataFile("mszip.cab");
    for (std::uint64_t limit : {std::uint64_t {23000}, std::uint64_t {22999}}) {
        MemorySource source(archive.data(), archive.size());
        CabReader reader(source, limit);
        auto members = test::listMembers(reader);
        Bytes out;
        EXPECT_EQ(test::extractBytes(reader, members[1], out), limit == 23000 ? ExtractStatus::Ok : ExtractStatus::Limit);
    }
}

}  // namespace
}  // namespace torpin
