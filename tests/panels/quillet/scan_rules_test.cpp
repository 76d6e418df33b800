// Which items the scan job hands to the engine, and how it reads the engine's statuses.
#include <gtest/gtest.h>

#include "scan_item_rules.h"
#include "scan_status.h"

using namespace scan_rules;

namespace {

PlainFileRule Rule(bool executablesOnly)
{
    return PlainFileRule {"AVB", executablesOnly, {"COM", "EXE", "DLL"}};
}

}  // namespace

TEST(ScanItemRules, ExtensionIsTheTextAfterTheLastDotOfTheName)
{
    EXPECT_EQ(ExtensionOf("REPORT.DOC"), "DOC");
    EXPECT_EQ(ExtensionOf("archive.tar.gz"), "gz");
    EXPECT_EQ(ExtensionOf("README"), "");
    EXPECT_EQ(ExtensionOf("trailing."), "");
    EXPECT_EQ(ExtensionOf("C:\\OLD.DIR\\README"), "");
    EXPECT_EQ(ExtensionOf("C:/old.dir/readme"), "");
}

TEST(ScanItemRules, RenamedFilesAreNeverScannedAsPlainFiles)
{
    const PlainFileRule all = Rule(false);
    EXPECT_FALSE(IsPlainFileOfInterest("LETTER.AVB", all));
    EXPECT_FALSE(IsPlainFileOfInterest("letter.avb", all));
    EXPECT_FALSE(IsPlainFileOfInterest("LETTER.AV1", all));
    EXPECT_FALSE(IsPlainFileOfInterest("LETTER.AV9", all));
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER.AVX", all));
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER.A1B", all));
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER.AV10", all));
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER", all));
    // With no rename extension nothing is left out for it.
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER", PlainFileRule {"", false, {}}));
    EXPECT_TRUE(IsPlainFileOfInterest("LETTER.1", PlainFileRule {"", false, {}}));
}

TEST(ScanItemRules, ExecutablesOnlyTakesTheListAndItsCompressedVariants)
{
    const PlainFileRule programs = Rule(true);
    EXPECT_TRUE(IsPlainFileOfInterest("SETUP.EXE", programs));
    EXPECT_TRUE(IsPlainFileOfInterest("setup.exe", programs));
    EXPECT_TRUE(IsPlainFileOfInterest("SETUP.EX_", programs));
    EXPECT_TRUE(IsPlainFileOfInterest("LIB.DL_", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("SETUP.E_E", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("SETUP.EX1", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("SETUP.EXEC", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("README.TXT", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("README", programs));
    EXPECT_FALSE(IsPlainFileOfInterest("SETUP.AVB", PlainFileRule {"AVB", true, {"AVB"}}));
}

TEST(ScanStatus, NotScannedStatusesAreNeitherCleanNorDetections)
{
    using scan_status::FileVerdict;
    EXPECT_EQ(scan_status::OfFile(0), FileVerdict::Clean);
    EXPECT_EQ(scan_status::OfFile(1), FileVerdict::Detection);
    EXPECT_EQ(scan_status::OfFile(4), FileVerdict::Detection);
    EXPECT_EQ(scan_status::OfFile(8), FileVerdict::Detection);
    EXPECT_EQ(scan_status::OfFile(0x4010), FileVerdict::NotScanned);
    EXPECT_EQ(scan_status::OfFile(0x4020), FileVerdict::NotScanned);
    EXPECT_EQ(scan_status::OfFile(0x40FF), FileVerdict::NotScanned);
    EXPECT_EQ(scan_status::OfFile(0x0010), FileVerdict::NotScanned);
    // Inside containers the wider mask also takes 0x0020.
    EXPECT_EQ(scan_status::OfFile(0x0020), FileVerdict::Detection);
    EXPECT_EQ(scan_status::OfMember(0x0020), FileVerdict::NotScanned);
    EXPECT_EQ(scan_status::OfMember(1), FileVerdict::Detection);
}

TEST(ScanStatus, CureAndBootStatuses)
{
    for (std::uint16_t cured : {0, 1, 7, 8, 257})
        EXPECT_EQ(scan_status::CureResultOf(cured), scan_status::kCured) << cured;
    EXPECT_EQ(scan_status::CureResultOf(2), scan_status::kCannotCure);
    EXPECT_EQ(scan_status::CureResultOf(3), scan_status::kDestructive);
    EXPECT_EQ(scan_status::CureResultOf(4), scan_status::kCureError);
    EXPECT_EQ(scan_status::CureResultOf(0x4010), scan_status::kCureError);
    EXPECT_TRUE(scan_status::IsBootClean(0x4020));
    EXPECT_FALSE(scan_status::IsBootClean(1));
    EXPECT_FALSE(scan_status::IsBootClean(0x4030));
}
