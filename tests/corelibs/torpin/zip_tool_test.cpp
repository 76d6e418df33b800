// Archives made by the system's zip tool: stored, deflated, streamed, encrypted.
#include <gtest/gtest.h>

#include "archive_walk.h"
#include "test_files.h"

namespace torpin {
namespace {

using test::Bytes;

class ZipToolTest : public ::testing::Test {
protected:
    ZipToolTest()
    {
        temps.setDirectory(out.str());
        test::writeFile(work.path() / "text.txt", text);
        test::writeFile(work.path() / "noise.bin", noise);
        test::writeFile(work.path() / "empty.dat", {});
    }

    // Walks the archive and returns each member's name and contents.
    std::vector<std::pair<std::string, Bytes>> unpack(const std::string& name)
    {
        std::vector<std::pair<std::string, Bytes>> members;
        ArchiveWalk walk(temps);
        EXPECT_TRUE(walk.open((work.path() / name).string()));
        for (const char* n = walk.first(); n; n = walk.next()) {
            const char* path = walk.extractCurrent();
            members.emplace_back(n, path ? test::readFile(path) : Bytes {'?'});
        }
        return members;
    }

    test::TempDir work, out;
    TempFileFactory temps;
    Bytes text = test::textContent(300000, 11);
    Bytes noise = test::noiseContent(70000, 12);
};

TEST_F(ZipToolTest, StoredAndDeflatedArchives)
{
    for (const char* level : {"-0", "-1", "-9"}) {
        ASSERT_TRUE(test::runIn(
            work.path(), std::string("rm -f a.zip && zip -q ") + level + " a.zip text.txt noise.bin empty.dat"));
        auto members = unpack("a.zip");
        ASSERT_EQ(members.size(), 3u) << level;
        EXPECT_EQ(members[0].first, "text.txt");
        EXPECT_EQ(members[0].second, text) << level;
        EXPECT_EQ(members[1].second, noise) << level;
        EXPECT_EQ(members[2].first, "empty.dat");
        EXPECT_TRUE(members[2].second.empty());
    }
}

TEST_F(ZipToolTest, StreamedArchiveWithDescriptorsAndZip64)
{
    // Compressing standard input writes ZIP64 records and data descriptors.
    ASSERT_TRUE(test::runIn(work.path(), "zip -q - - < text.txt > s.zip"));
    auto members = unpack("s.zip");
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].first, "-");
    EXPECT_EQ(members[0].second, text);
}

TEST_F(ZipToolTest, EncryptedMembersAreListedNotExtracted)
{
    ASSERT_TRUE(test::runIn(work.path(), "zip -q -P secret e.zip text.txt"));
    ArchiveWalk walk(temps);
    ASSERT_TRUE(walk.open((work.path() / "e.zip").string()));
    ASSERT_STREQ(walk.first(), "text.txt");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Encrypted);
    EXPECT_TRUE(out.files().empty());
}

TEST_F(ZipToolTest, FoldersAndSelfExtractingStub)
{
    ASSERT_TRUE(test::runIn(work.path(), "mkdir -p d/e && cp text.txt d/e/t.txt && zip -q -r f.zip d"));
    auto members = unpack("f.zip");
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].first, "d/e/t.txt");
    EXPECT_EQ(members[0].second, text);
    // A stub in front, with the offsets left as they were.
    ASSERT_TRUE(test::runIn(work.path(), "head -c 4096 noise.bin > sfx.bin && cat f.zip >> sfx.bin"));
    auto stubbed = unpack("sfx.bin");
    ASSERT_EQ(stubbed.size(), 1u);
    EXPECT_EQ(stubbed[0].second, text);
}

}  // namespace
}  // namespace torpin
