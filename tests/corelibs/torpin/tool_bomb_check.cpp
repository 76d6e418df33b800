// The compression-bomb check shared by the tests of archives made with the system's tools.
#include "tool_bomb_check.h"

#include <gtest/gtest.h>

#include "archive_limits.h"
#include "archive_walk.h"
#include "test_files.h"

namespace torpin::test {

void CheckToolBombRefused(const std::string& command, const std::string& archive)
{
    TempDir work, temp;
    writeFile(work.path() / "zeros.bin", Bytes(30 * 1024 * 1024, 0));
    ASSERT_TRUE(runIn(work.path(), command)) << command;
    const std::uintmax_t packed = std::filesystem::file_size(work.path() / archive);
    ASSERT_LT(packed * limits::kMaxRatio, 30u * 1024 * 1024) << packed;
    TempFileFactory temps;
    temps.setDirectory(temp.str());
    ArchiveWalk walk(temps);
    ASSERT_TRUE(walk.open((work.path() / archive).string()));
    ASSERT_STREQ(walk.first(), "zeros.bin");
    EXPECT_EQ(walk.extractCurrent(), nullptr);
    EXPECT_EQ(walk.lastStatus(), ExtractStatus::Limit);
    EXPECT_TRUE(temp.files().empty());
}

}  // namespace torpin::test
