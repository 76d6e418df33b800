// Content decides the type; the extension list only rules names out.
#include <gtest/gtest.h>

#include "archive_type.h"
#include "overlap_guard.h"
#include "test_files.h"

namespace torpin {
namespace {

TEST(ExtensionList, ListedOrMissingExtensionsAreAdmitted)
{
    ExtensionList list;
    const char entries[3][4] = {{'Z', 'I', 'P', 0}, {'a', 'r', 'j', 0}, {'L', 'Z', 'H', 'X'}};
    list.assign(&entries[0][0], 3);
    EXPECT_TRUE(list.admits("C:\\data\\x.zip"));
    EXPECT_TRUE(list.admits("x.ARJ"));
    EXPECT_TRUE(list.admits("x.lzhx"));
    EXPECT_TRUE(list.admits("C:\\dir.zip\\noext"));
    EXPECT_TRUE(list.admits("noext"));
    EXPECT_TRUE(list.admits("trailing."));
    EXPECT_FALSE(list.admits("x.cab"));
    EXPECT_FALSE(list.admits("x.zi"));
    EXPECT_FALSE(list.admits("x.zip2"));
}

TEST(ExtensionList, CountIsClampedAndEmptyEntriesIgnored)
{
    char entries[21][4] = {};
    for (int i = 0; i < 21; ++i)
        entries[i][0] = static_cast<char>('A' + i);
    ExtensionList list;
    list.assign(&entries[0][0], 25);
    EXPECT_TRUE(list.admits("x.T"));
    EXPECT_FALSE(list.admits("x.U"));  // the 21st entry is beyond the 20 a list holds
    list.assign(&entries[0][0], -1);
    EXPECT_FALSE(list.admits("x.A"));
    ExtensionList defaults;
    EXPECT_TRUE(defaults.admits("a.zip"));
    EXPECT_TRUE(defaults.admits("a.arj"));
    EXPECT_TRUE(defaults.admits("a.cab"));
    EXPECT_FALSE(defaults.admits("a.exe"));
}

TEST(ArchiveType, ContentDecides)
{
    test::ZipBuilder zip;
    zip.add({.name = "a", .data = {'a'}});
    test::Bytes archive = zip.finish();
    MemorySource source(archive.data(), archive.size());
    EXPECT_EQ(detectArchiveType(source), ArchiveType::Zip);
    test::Bytes text = test::textContent(100, 1);
    MemorySource plain(text.data(), text.size());
    EXPECT_EQ(detectArchiveType(plain), ArchiveType::None);
    MemorySource empty(nullptr, 0);
    EXPECT_EQ(detectArchiveType(empty), ArchiveType::None);
}

TEST(OverlapGuard, SharedBytesAndSameOffsetsAreRefused)
{
    OverlapGuard guard;
    EXPECT_TRUE(guard.claim(100, 200));
    EXPECT_FALSE(guard.claim(100, 200));
    EXPECT_FALSE(guard.claim(150, 160));
    EXPECT_FALSE(guard.claim(50, 101));
    EXPECT_FALSE(guard.claim(199, 300));
    EXPECT_FALSE(guard.claim(0, 1000));
    EXPECT_TRUE(guard.claim(200, 250));
    EXPECT_TRUE(guard.claim(0, 100));
    EXPECT_TRUE(guard.claim(250, 250));  // empty: nothing to decode twice
    EXPECT_TRUE(guard.claim(150, 150));
    EXPECT_TRUE(guard.claim(250, 251));
    EXPECT_FALSE(guard.claim(250, 251));
}

}  // namespace
}  // namespace torpin
