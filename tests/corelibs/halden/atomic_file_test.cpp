// Whole-file replacement and reads on the real file system.
#include "atomic_file.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() /
            ("alertstore-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::string PathOf(const char* name) const { return (m_folder / name).string(); }

    std::filesystem::path m_folder;
};

TEST_F(AtomicFileTest, ReplacingAnExistingFileLeavesOnlyTheNewBytes)
{
    const std::string path = PathOf("A.ALS");
    ASSERT_TRUE(ReplaceFileContents(path, {1, 2, 3, 4, 5}));
    ASSERT_TRUE(ReplaceFileContents(path, {9, 8}));
    EXPECT_EQ((std::vector<std::uint8_t> {9, 8}), ReadWholeFile(path, 100).value());
    EXPECT_FALSE(FileExists(path + ".NEW"));
}

TEST_F(AtomicFileTest, FolderThatDoesNotExistFailsWithoutLeftovers)
{
    EXPECT_FALSE(ReplaceFileContents(PathOf("MISSING/A.ALS"), {1}));
    EXPECT_FALSE(ReadWholeFile(PathOf("MISSING/A.ALS"), 100));
}

TEST_F(AtomicFileTest, FilesOverTheLimitAreNotRead)
{
    const std::string path = PathOf("BIG");
    ASSERT_TRUE(ReplaceFileContents(path, std::vector<std::uint8_t>(10, 7)));
    EXPECT_FALSE(ReadWholeFile(path, 9));
    EXPECT_EQ(10u, ReadWholeFile(path, 10)->size());
    ASSERT_TRUE(ReplaceFileContents(path, {}));
    EXPECT_TRUE(ReadWholeFile(path, 10)->empty());
}

}  // namespace
