// The names the infection actions give a file: renamed, moved, numbered, and the double-byte rule.
#include <gtest/gtest.h>

#include "local_file_names.h"

using namespace local_file_names;

namespace {

// Lead bytes of the Japanese code page, where the second byte may be 0x5C ("\").
bool JapaneseLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace

TEST(LocalFileNames, RenameReplacesTheTextAfterTheLastDotOfTheName)
{
    EXPECT_EQ(RenameTarget("C:\\DOCS\\GAME.COM", "AVB", NoLeadBytes), "C:\\DOCS\\GAME.AVB");
    EXPECT_EQ(RenameTarget("C:\\DOCS\\A.TAR.GZ", "AVB", NoLeadBytes), "C:\\DOCS\\A.TAR.AVB");
    EXPECT_EQ(RenameTarget("C:\\DOCS\\TRAIL.", "AVB", NoLeadBytes), "C:\\DOCS\\TRAIL.AVB");
    // No extension: appended directly; a dot in a folder name is not the file's.
    EXPECT_EQ(RenameTarget("C:\\DOCS\\README", "AVB", NoLeadBytes), "C:\\DOCS\\READMEAVB");
    EXPECT_EQ(RenameTarget("C:\\OLD.DIR\\README", "AVB", NoLeadBytes), "C:\\OLD.DIR\\READMEAVB");
    EXPECT_EQ(RenameTarget("README", "XY", NoLeadBytes), "READMEXY");
}

TEST(LocalFileNames, MoveTargetAddsOneSeparator)
{
    EXPECT_EQ(MoveTarget("C:\\VIRUS", "D:\\DOCS\\GAME.COM", NoLeadBytes), "C:\\VIRUS\\GAME.COM");
    EXPECT_EQ(MoveTarget("C:\\VIRUS\\", "D:\\DOCS\\GAME.COM", NoLeadBytes), "C:\\VIRUS\\GAME.COM");
    EXPECT_EQ(MoveTarget("C:\\", "GAME.COM", NoLeadBytes), "C:\\GAME.COM");
    EXPECT_EQ(RenameAndMoveTarget("C:\\VIRUS", "D:\\DOCS\\GAME.COM", "AVB", NoLeadBytes), "C:\\VIRUS\\GAME.AVB");
}

TEST(LocalFileNames, ASecondByteThatLooksLikeABackslashIsNoSeparator)
{
    // "\x95\x5C" is one character: the folder does not end in a separator.
    const std::string folder = "C:\\VIRUS\\\x95\x5C";
    EXPECT_EQ(MoveTarget(folder, "D:\\GAME.COM", JapaneseLeadByte), folder + "\\GAME.COM");
    EXPECT_EQ(MoveTarget(folder, "D:\\GAME.COM", NoLeadBytes), folder + "GAME.COM");
    // Nor inside the file's path: the name is the whole last component.
    const std::string path = "D:\\DOCS\\\x95\x5CGAME.COM";
    EXPECT_EQ(LastSeparator(path, JapaneseLeadByte), 7u);
    EXPECT_EQ(MoveTarget("C:\\VIRUS", path, JapaneseLeadByte), "C:\\VIRUS\\\x95\x5CGAME.COM");
}

TEST(LocalFileNames, NumberedNamesReplaceTheLastCharacter)
{
    EXPECT_EQ(NumberedName("C:\\VIRUS\\GAME.AVB", 0, NoLeadBytes), "C:\\VIRUS\\GAME.AV0");
    EXPECT_EQ(NumberedName("C:\\VIRUS\\GAME.AVB", 9, NoLeadBytes), "C:\\VIRUS\\GAME.AV9");
    EXPECT_EQ(NumberedName("", 3, NoLeadBytes), "");
    // A double-byte last character gives way whole, never leaving half a character.
    EXPECT_EQ(NumberedName("C:\\A\x95\x5C", 4, JapaneseLeadByte), "C:\\A4");
}

TEST(LocalFileNames, SameNameIgnoresCase)
{
    EXPECT_TRUE(SameName("C:\\Virus\\Game.com", "c:\\VIRUS\\GAME.COM"));
    EXPECT_FALSE(SameName("C:\\VIRUS\\GAME.COM", "C:\\VIRUS\\GAME.CO0"));
    EXPECT_FALSE(SameName("C:\\A", "C:\\AB"));
}
