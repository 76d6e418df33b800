// A walk over hostile ZIP archives: generated names, cleanup, overlaps and every limit.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "archive_walk.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;
using test::TempDir;
using test::ZipBuilder;

class ArchiveWalkTest : public ::testing::Test {
protected:
    ArchiveWalkTest() { temps.setDirectory(dir.str()); }

    bool open(ArchiveWalk& walk, const Bytes& archive)
    {
        held = archive;
        return walk.open(std::make_unique<MemorySource>(held.data(), held.size()));
    }

    static std::vector<std::string> names(ArchiveWalk& walk)
    {
        std::vector<std::string> out;
        for (const char* n = walk.first(); n; n = walk.next())
            out.emplace_back(n);
        return out;
    }

    TempDir dir;
    TempFileFactory temps {0x1000};
    Bytes held;
};

TEST_F(ArchiveWalkTest, MembersGoToGeneratedNamesInsideTheTemporaryFolder)
{
    Bytes data = test::textContent(1000, 1);
    ZipBuilder zip;
    const char* hostile[] = {"../../evil.exe", "/etc/passwd", "C:\\windows\\CON", "CON", "aux.txt", "sub/../../x.com",
        "name.ex e", "a.TXT/"};
    for (const char* name : hostile)
        zip.add({.name = name, .data = data});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    EXPECT_EQ(walk.type(), ArchiveType::Zip);
    std::vector<std::string> seen;
    for (const char* n = walk.first(); n; n = walk.next()) {
        seen.emplace_back(n);
        const char* path = walk.extractCurrent();
        ASSERT_NE(path, nullptr) << n;
        std::filesystem::path p(path);
        EXPECT_EQ(p.parent_path(), dir.path());
        std::string file = p.filename().string();
        EXPECT_EQ(file.substr(0, 3), "TPN");
        EXPECT_EQ(test::readFile(p), data);
        EXPECT_EQ(dir.files().size(), 1u);
    }
    // The folder entry "a.TXT/" carries data, so it is listed as a member.
    ASSERT_EQ(seen.size(), 8u);
    EXPECT_EQ(seen[0], "../../evil.exe");
    walk.close();
    EXPECT_TRUE(dir.files().empty());
}

TEST_F(ArchiveWalkTest, GeneratedNamesKeepOnlyPlainExtensions)
{
    EXPECT_EQ(TempFileFactory::safeExtension("../../evil.exe"), "exe");
    EXPECT_EQ(TempFileFactory::safeExtension("x.Com"), "Com");
    EXPECT_EQ(TempFileFactory::safeExtension("dir.d/file"), "");
    EXPECT_EQ(TempFileFactory::safeExtension("name.ex e"), "");
    EXPECT_EQ(TempFileFactory::safeExtension("a.b\\c"), "");
    EXPECT_EQ(TempFileFactory::safeExtension("tail."), "");
    EXPECT_EQ(TempFileFactory::safeExtension("x.abcdefgh"), "abcdefgh");
    EXPECT_EQ(TempFileFactory::safeExtension("x.abcdefghi"), "");
    EXPECT_EQ(TempFileFactory::safeExtension("x.e:x"), "");
    EXPECT_EQ(TempFileFactory::safeExtension("SETUP.EX_"), "EX_");
}

TEST_F(ArchiveWalkTest, AnExistingFileIsNeverReused)
{
    TempFileFactory factory(7);
    factory.setDirectory(dir.str());
    test::writeFile(dir.path() / "TPN00000007.txt", Bytes {'k', 'e', 'e', 'p'});
    std::string path;
    std::FILE* f = factory.create("txt", path);
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_EQ(std::filesystem::path(path).filename().string(), "TPN00000008.txt");
    EXPECT_EQ(test::readFile(dir.path() / "TPN00000007.txt"), (Bytes {'k', 'e', 'e', 'p'}));

    TempFileFactory nowhere;
    nowhere.setDirectory((dir.path() / "missing").string());
    EXPECT_EQ(nowhere.create("txt", path), nullptr);
}

TEST_F(ArchiveWalkTest, RemoveNextAndCloseLeaveNoFileBehind)
{
    ZipBuilder zip;
    for (int i = 0; i < 3; ++i)
        zip.add({.name = "f" + std::to_string(i) + ".txt", .data = test::textContent(100, i)});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    ASSERT_NE(walk.first(), nullptr);
    ASSERT_NE(walk.extractCurrent(), nullptr);
    EXPECT_EQ(dir.files().size(), 1u);
    EXPECT_TRUE(walk.removeCurrent());
    EXPECT_TRUE(dir.files().empty());
    ASSERT_NE(walk.next(), nullptr);
    ASSERT_NE(walk.extractCurrent(), nullptr);
    ASSERT_NE(walk.next(), nullptr);  // moving on deletes the last member's file
    EXPECT_TRUE(dir.files().empty());
    ASSERT_NE(walk.extractCurrent(), nullptr);
    walk.close();
    EXPECT_TRUE(dir.files().empty());
    EXPECT_EQ(walk.first(), nullptr);
}

TEST_F(ArchiveWalkTest, FolderEntriesArePassedOver)
{
    ZipBuilder zip;
    zip.add({.name = "docs/", .data = {}});
    zip.add({.name = "docs/a.txt", .data = {'a'}});
    zip.add({.name = "more\\", .data = {}});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    EXPECT_EQ(names(walk), std::vector<std::string> {"docs/a.txt"});
}

TEST_F(ArchiveWalkTest, OverlappingMembersAreWrittenOutOnce)
{
    Bytes inner = test::textContent(3000, 2);
    ZipBuilder innerZip;
    innerZip.add({.name = "inner.txt", .data = inner});
    Bytes innerBytes = innerZip.finish();
    // The outer member's stored data is the inner member's header and data.
    Bytes span(innerBytes.begin(), innerBytes.begin() + 30 + 9 + 3000);
    ZipBuilder zip;
    zip.add({.name = "outer.bin", .data = span});
    zip.central("inner.txt", 30 + 9, inner);
    zip.alias(0, "again.bin");
    Bytes archive = zip.finish();

    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, archive));
    ASSERT_STREQ(walk.first(), "outer.bin");
    ASSERT_NE(walk.extractCurrent(), nullptr);
    ASSERT_STREQ(walk.next(), "inner.txt");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Overlap);
    ASSERT_STREQ(walk.next(), "again.bin");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Overlap);
    EXPECT_EQ(walk.next(), nullptr);

    // In the other order the inner member is written and the outer one refused.
    ZipBuilder local;
    local.add({.name = "outer.bin", .data = span});
    std::size_t bodySize = local.size();
    Bytes body = local.finish();
    body.resize(bodySize);
    ZipBuilder swappedZip;
    swappedZip.raw(body);
    swappedZip.central("inner.txt", 30 + 9, inner);
    swappedZip.central("outer.bin", 0, span);
    Bytes swapped = swappedZip.finish();
    ArchiveWalk second(temps);
    ASSERT_TRUE(open(second, swapped));
    ASSERT_STREQ(second.first(), "inner.txt");
    const char* path = second.extractCurrent();
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(test::readFile(path), inner);
    ASSERT_STREQ(second.next(), "outer.bin");
    EXPECT_EQ(second.extractCurrent(), nullptr);
    EXPECT_EQ(second.lastStatus(), ExtractStatus::Overlap);
}

TEST_F(ArchiveWalkTest, ThousandToOneBombIsRefusedAndLeavesNothing)
{
    Bytes zeros(20 * 1024 * 1024, 0);
    ZipBuilder zip;
    zip.add({.name = "bomb.txt", .data = zeros, .deflate = true});
    Bytes archive = zip.finish();
    ASSERT_LT(archive.size() * 900, zeros.size());
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, archive));
    ASSERT_STREQ(walk.first(), "bomb.txt");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Limit);
    EXPECT_TRUE(dir.files().empty());
    EXPECT_LE(walk.bytesWritten(), limits::kRatioFloorBytes + 256 * 1024 * limits::kMaxRatio);
}

TEST_F(ArchiveWalkTest, MemberSizeLimitAtItsEdge)
{
    WalkLimits narrow;
    narrow.maxMemberBytes = 5000;
    Bytes exact = test::noiseContent(5000, 3), over = test::noiseContent(5001, 4);
    ZipBuilder zip;
    zip.add({.name = "exact.bin", .data = exact, .deflate = true});
    zip.add({.name = "over.bin", .data = over, .deflate = true});
    // Declares a small size but decodes to more: the output limit still holds.
    zip.add({.name = "liar.bin", .data = over, .deflate = true, .size = 100});
    ArchiveWalk walk(temps, narrow);
    ASSERT_TRUE(open(walk, zip.finish()));
    walk.first();
    const char* path = walk.extractCurrent();
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(test::readFile(path), exact);
    walk.next();
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Limit);
    walk.next();
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_NE(walk.lastStatus(), ExtractStatus::Ok);
    EXPECT_TRUE(dir.files().empty());
}

TEST_F(ArchiveWalkTest, ArchiveTotalLimitAtItsEdge)
{
    WalkLimits narrow;
    narrow.maxArchiveBytes = 10000;
    ZipBuilder zip;
    zip.add({.name = "a.bin", .data = test::noiseContent(6000, 5)});
    zip.add({.name = "b.bin", .data = test::noiseContent(4001, 6)});
    zip.add({.name = "c.bin", .data = test::noiseContent(4000, 7)});
    zip.add({.name = "d.bin", .data = {}});
    ArchiveWalk walk(temps, narrow);
    ASSERT_TRUE(open(walk, zip.finish()));
    walk.first();
    EXPECT_NE(walk.extractCurrent(), nullptr);
    walk.next();
    EXPECT_EQ(walk.extractCurrent(), nullptr);  // 6000 + 4001 > 10000
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Limit);
    walk.next();
    EXPECT_NE(walk.extractCurrent(), nullptr);  // 6000 + 4000 = 10000
    walk.next();
    EXPECT_NE(walk.extractCurrent(), nullptr);  // an empty member still fits
    EXPECT_EQ(walk.bytesWritten(), 10000u);
}

TEST_F(ArchiveWalkTest, MemberCountLimitAtItsEdge)
{
    ZipBuilder zip;
    for (std::uint32_t i = 0; i <= limits::kMaxMembers; ++i)
        zip.add({.name = std::to_string(i), .data = {}});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    auto listed = names(walk);
    ASSERT_EQ(listed.size(), limits::kMaxMembers);
    EXPECT_EQ(listed.back(), std::to_string(limits::kMaxMembers - 1));
    EXPECT_EQ(walk.next(), nullptr);
}

TEST_F(ArchiveWalkTest, FolderEntriesCountTowardsTheMemberLimit)
{
    WalkLimits narrow;
    narrow.maxMembers = 3;
    ZipBuilder zip;
    zip.add({.name = "a/", .data = {}});
    zip.add({.name = "b/", .data = {}});
    zip.add({.name = "x.txt", .data = {}});
    zip.add({.name = "y.txt", .data = {}});
    ArchiveWalk walk(temps, narrow);
    ASSERT_TRUE(open(walk, zip.finish()));
    EXPECT_EQ(names(walk), std::vector<std::string> {"x.txt"});
}

TEST_F(ArchiveWalkTest, NoArchiveNoWalk)
{
    ArchiveWalk walk(temps);
    EXPECT_FALSE(open(walk, test::textContent(500, 8)));
    EXPECT_EQ(walk.first(), nullptr);
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_TRUE(walk.removeCurrent());
    EXPECT_FALSE(walk.open((dir.path() / "absent.zip").string()));
}

TEST_F(ArchiveWalkTest, TheCurrentNameOutlivesExtractAndRemove)
{
    ZipBuilder zip;
    zip.add({.name = "first.exe", .data = test::textContent(3000, 8)});
    zip.add({.name = "second.com", .data = test::textContent(10, 9)});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    const char* name = walk.first();
    ASSERT_STREQ(name, "first.exe");
    ASSERT_NE(walk.extractCurrent(), nullptr);
    EXPECT_TRUE(walk.removeCurrent());
    EXPECT_STREQ(name, "first.exe");
    EXPECT_STREQ(walk.next(), "second.com");
}

TEST_F(ArchiveWalkTest, StartingAgainRenewsNoLimit)
{
    WalkLimits narrow;
    narrow.maxArchiveBytes = 10000;
    narrow.maxMembers = 3;
    ZipBuilder zip;
    zip.add({.name = "a.bin", .data = test::noiseContent(6000, 5)});
    zip.add({.name = "b.bin", .data = test::noiseContent(10, 6)});
    ArchiveWalk walk(temps, narrow);
    ASSERT_TRUE(open(walk, zip.finish()));
    ASSERT_STREQ(walk.first(), "a.bin");
    ASSERT_NE(walk.extractCurrent(), nullptr);
    // The second pass: a.bin's bytes were extracted once already, and the total stays.
    ASSERT_STREQ(walk.first(), "a.bin");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Overlap);
    EXPECT_EQ(walk.bytesWritten(), 6000u);
    // Three members listed over both passes is the limit: a third pass lists nothing.
    EXPECT_STREQ(walk.next(), "b.bin");
    EXPECT_EQ(walk.first(), nullptr);
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::NoMember);
}

TEST_F(ArchiveWalkTest, EverySkippedMemberSaysWhy)
{
    ZipBuilder zip;
    zip.add({.name = "locked.exe", .data = {'x'}, .flags = 0x0001});
    zip.add({.name = "odd.exe", .data = {'x'}, .method = 99});
    zip.add({.name = "crc.exe", .data = {'x'}, .crc = 1});
    zip.add({.name = "fine.exe", .data = {'y'}});
    ArchiveWalk walk(temps);
    ASSERT_TRUE(open(walk, zip.finish()));
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::NoMember);
    std::vector<ExtractStatus> seen;
    for (const char* n = walk.first(); n; n = walk.next()) {
        EXPECT_EQ(walk.lastStatus(), ExtractStatus::NoMember) << n;
        walk.extractCurrent();
        seen.push_back(walk.lastStatus());
    }
    EXPECT_EQ(seen,
        (std::vector<ExtractStatus> {
            ExtractStatus::Encrypted, ExtractStatus::Unsupported, ExtractStatus::BadCrc, ExtractStatus::Ok}));
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::NoMember);
    EXPECT_EQ(static_cast<int>(ExtractStatus::WriteFailed), 8);
}

}  // namespace
}  // namespace torpin
