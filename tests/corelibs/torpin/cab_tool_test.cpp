// Cabinets made by the system's gcab tool, with folders of many blocks.
#include <gtest/gtest.h>

#include "archive_limits.h"
#include "archive_walk.h"
#include "test_files.h"
#include "tool_bomb_check.h"

namespace torpin {
namespace {

TEST(CabTool, MultiBlockFoldersRoundTrip)
{
    test::TempDir work, temp;
    test::Bytes text = test::textContent(700000, 51), noise = test::noiseContent(100000, 52);
    test::writeFile(work.path() / "big.txt", text);
    test::writeFile(work.path() / "noise.bin", noise);
    test::writeFile(work.path() / "empty.txt", {});
    TempFileFactory temps;
    temps.setDirectory(temp.str());
    for (const char* flags : {"-c", "-c -z"}) {
        ASSERT_TRUE(test::runIn(
            work.path(), std::string("rm -f a.cab && gcab ") + flags + " a.cab big.txt empty.txt noise.bin"));
        ArchiveWalk walk(temps);
        ASSERT_TRUE(walk.open((work.path() / "a.cab").string()));
        EXPECT_EQ(walk.type(), ArchiveType::Cab);
        const test::Bytes* expected[] = {&text, nullptr, &noise};
        int i = 0;
        for (const char* n = walk.first(); n; n = walk.next(), ++i) {
            ASSERT_LT(i, 3);
            const char* path = walk.extractCurrent();
            ASSERT_NE(path, nullptr) << n << " " << describe(walk.lastStatus());
            EXPECT_EQ(test::readFile(path), expected[i] ? *expected[i] : test::Bytes {}) << flags << " " << n;
        }
        EXPECT_EQ(i, 3);
    }
}

TEST(CabTool, CompressionBombIsRefused)
{
    test::CheckToolBombRefused("gcab -c -z bomb.cab zeros.bin", "bomb.cab");
}

}  // namespace
}  // namespace torpin
