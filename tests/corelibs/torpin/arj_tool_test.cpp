// Larger archives made by the system's arj tool, every method.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "archive_walk.h"
#include "test_files.h"
#include "tool_bomb_check.h"

namespace torpin {
namespace {

TEST(ArjTool, EveryMethodRoundTripsLargeFiles)
{
    test::TempDir work, temp;
    test::Bytes text = test::textContent(600000, 41), noise = test::noiseContent(90000, 42);
    test::writeFile(work.path() / "big.txt", text);
    test::writeFile(work.path() / "noise.bin", noise);
    TempFileFactory temps;
    temps.setDirectory(temp.str());
    for (int method = 0; method <= 4; ++method) {
        std::string name = "m" + std::to_string(method) + ".arj";
        ASSERT_TRUE(
            test::runIn(work.path(), "arj a -y -m" + std::to_string(method) + " " + name + " big.txt noise.bin"));
        ArchiveWalk walk(temps);
        ASSERT_TRUE(walk.open((work.path() / name).string()));
        ASSERT_STREQ(walk.first(), "big.txt");
        const char* path = walk.extractCurrent();
        ASSERT_NE(path, nullptr) << method << " " << describe(walk.lastStatus());
        EXPECT_EQ(test::readFile(path), text) << method;
        ASSERT_STREQ(walk.next(), "noise.bin");
        path = walk.extractCurrent();
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(test::readFile(path), noise);
        EXPECT_EQ(walk.next(), nullptr);
        walk.close();
        EXPECT_TRUE(temp.files().empty());
    }
}

TEST(ArjTool, FoldersAreRecordedButNotListed)
{
    test::TempDir work, temp;
    test::Bytes text = test::textContent(5000, 43);
    std::filesystem::create_directories(work.path() / "d" / "e");
    test::writeFile(work.path() / "d" / "e" / "t.txt", text);
    ASSERT_TRUE(test::runIn(work.path(), "arj a -y -r -a1 f.arj d"));
    TempFileFactory temps;
    temps.setDirectory(temp.str());
    ArchiveWalk walk(temps);
    ASSERT_TRUE(walk.open((work.path() / "f.arj").string()));
    std::vector<std::string> names;
    for (const char* n = walk.first(); n; n = walk.next())
        names.emplace_back(n);
    EXPECT_EQ(names, std::vector<std::string> {"d/e/t.txt"});
}

TEST(ArjTool, CompressionBombIsRefused)
{
    test::CheckToolBombRefused("arj a -y -m1 bomb.arj zeros.bin", "bomb.arj");
}

}  // namespace
}  // namespace torpin
