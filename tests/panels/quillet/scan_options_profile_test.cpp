// The "ScanOptions" reader and writer and the record's rules, on an in-memory profile section.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "scan_options_profile.h"

namespace {

class MemorySection : public ProfileSection {
public:
    std::map<std::string, std::string> m_keys;
    std::vector<std::pair<std::string, std::string>> m_writes;
    std::vector<std::string> m_reads;
    bool m_failWrites = false;

    std::optional<std::string> Read(const char* key) const override
    {
        const_cast<MemorySection*>(this)->m_reads.push_back(key);
        const auto found = m_keys.find(key);
        if (found == m_keys.end())
            return std::nullopt;
        return found->second;
    }
    bool Write(const char* key, const std::string& value) override
    {
        m_writes.emplace_back(key, value);
        m_keys[key] = value;
        return !m_failWrites;
    }
};

std::vector<std::string> Entries(const ExtensionList& list, int count)
{
    std::vector<std::string> entries;
    for (int i = 0; i < count; ++i)
        entries.emplace_back(list[i], strnlen(list[i], kExtensionSize));
    return entries;
}

TEST(ScanOptionsProfile, EmptySectionGivesTheTableDefaultsNotTheConstructionOnes)
{
    MemorySection section;
    LocalScanOptions options;
    LoadScanOptions(section, options);

    EXPECT_EQ(0, options.executablesOnly);  // 1 at construction
    EXPECT_EQ(1, options.scanMode);  // 0 at construction
    EXPECT_EQ(0, options.infectionAction);
    EXPECT_EQ(1, options.scanArchives);
    EXPECT_EQ(1, options.scanMailDatabases);
    EXPECT_EQ(1, options.scanBootSector);
    EXPECT_EQ(1, options.scanFiles);
    EXPECT_EQ(1, options.autoDisplay);
    EXPECT_EQ(1, options.interactive);
    EXPECT_EQ(1, options.beepOnDetect);
    EXPECT_EQ(0, options.incrementalScan);
    EXPECT_EQ(1, options.notifyOwner);
    EXPECT_EQ(0, options.notifySender);
    EXPECT_EQ(0, options.notifyAdministrator);
    EXPECT_EQ(1, options.attachInfoFile);
    EXPECT_EQ(0, options.scanAfter);
    EXPECT_STREQ("AVB", options.renameExtension);
    EXPECT_EQ((std::vector<std::string> {
                  "APP", "BIN", "COM", "DLL", "DOT", "DOC", "DRV", "EXE", "OVL", "OVR", "PRG", "SYS", "VXD"}),
        Entries(options.executableExtensions, options.executableCount));
    EXPECT_EQ((std::vector<std::string> {"ZIP", "ARJ"}), Entries(options.archiveExtensions, options.archiveCount));
    EXPECT_EQ(
        (std::vector<std::string> {"NSF", "NTF"}), Entries(options.mailDatabaseExtensions, options.mailDatabaseCount));
}

TEST(ScanOptionsProfile, KeysAreReadInTheirOrder)
{
    MemorySection section;
    LocalScanOptions options;
    LoadScanOptions(section, options);
    EXPECT_EQ((std::vector<std::string> {"ScanExeOnly", "ScanArchives", "ScanLotusDatabases", "ScanBoot", "ScanFiles",
                  "IncrementalScan", "NotifyOwner", "NotifySender", "bNotifyAdministrator", "bAttachInfoFile",
                  "ScanAfter", "InfctAct", "ScanMode", "AutoDisplay", "Interactive", "BeepOnDetect", "ReNameExt",
                  "ExtName", "ArcExtName", "LotusNotesExtName"}),
        section.m_reads);
}

TEST(ScanOptionsProfile, AKeyThatIsNotANumberGivesItsDefault)
{
    MemorySection section;
    section.m_keys = {{"ScanMode", "two"}, {"ScanBoot", ""}, {"InfctAct", "3x"}, {"ScanAfter", "99999999999"},
        {"NotifySender", " 1 "}, {"Interactive", "-0"}};
    LocalScanOptions options;
    LoadScanOptions(section, options);
    EXPECT_EQ(1, options.scanMode);
    EXPECT_EQ(1, options.scanBootSector);
    EXPECT_EQ(0, options.infectionAction);
    EXPECT_EQ(0, options.scanAfter);
    EXPECT_EQ(1, options.notifySender);
    EXPECT_EQ(0, options.interactive);
}

TEST(ScanOptionsProfile, ProfileIntegersKeepTheir32BitRange)
{
    EXPECT_EQ(2147483647, ParseProfileInteger("2147483647"));
    EXPECT_EQ(-2147483647 - 1, ParseProfileInteger("-2147483648"));
    EXPECT_EQ(std::nullopt, ParseProfileInteger("2147483648"));
    EXPECT_EQ(std::nullopt, ParseProfileInteger("-"));
    EXPECT_EQ(std::nullopt, ParseProfileInteger("1 2"));
    EXPECT_EQ(7, ParseProfileInteger("+7"));
}

TEST(ScanOptionsProfile, ExtensionListKeepsTwentyPiecesOfThreeCharacters)
{
    ExtensionList list;
    const int count = ParseExtensionList("AAAA*B**C*D*E*F*G*H*I*J*K*L*M*N*O*P*Q*R*S*T*U*V", list);
    ASSERT_EQ(20, count);
    EXPECT_STREQ("AAA", list[0]);
    EXPECT_STREQ("B", list[1]);
    EXPECT_STREQ("C", list[2]);  // two separators in a row make no empty entry
    EXPECT_STREQ("T", list[19]);
    EXPECT_EQ(0, list[1][1]);
    EXPECT_EQ(0, list[1][3]);
}

TEST(ScanOptionsProfile, EmptyOrSeparatorOnlyListsAreEmpty)
{
    ExtensionList list;
    std::memset(list, 'x', sizeof list);
    EXPECT_EQ(0, ParseExtensionList("", list));
    EXPECT_EQ(0, ParseExtensionList("***", list));
    for (const auto& entry : list)
        EXPECT_EQ(0, std::memcmp(entry, "\0\0\0\0", 4));
}

TEST(ScanOptionsProfile, ANulEndsAnEntryAndAPieceItEmptiesMakesNone)
{
    ExtensionList list;
    const int count = ParseExtensionList(std::string("A\0B*\0CD*EXE", 11), list);
    ASSERT_EQ(2, count);
    EXPECT_EQ(0, std::memcmp(list[0], "A\0\0\0", 4));
    EXPECT_STREQ("EXE", list[1]);
}

TEST(ScanOptionsProfile, RenameExtensionKeepsItsFirstThreeCharacters)
{
    MemorySection section;
    section.m_keys = {{"ReNameExt", "VIRS"}};
    LocalScanOptions options;
    LoadScanOptions(section, options);
    EXPECT_EQ(0, std::memcmp(options.renameExtension, "VIR\0", 4));
}

TEST(ScanOptionsProfile, SavingWritesEveryKeyInItsOrderWithTheListsTerminated)
{
    MemorySection loaded;
    LocalScanOptions options;
    LoadScanOptions(loaded, options);
    options.scanAfter = 946681200;
    options.infectionAction = kActionRenameAndMove;

    MemorySection section;
    EXPECT_TRUE(SaveScanOptions(options, section));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Interactive", "1"},
        {"BeepOnDetect", "1"},
        {"ScanExeOnly", "0"},
        {"ScanArchives", "1"},
        {"ScanLotusDatabases", "1"},
        {"ScanBoot", "1"},
        {"ScanFiles", "1"},
        {"InfctAct", "6"},
        {"ScanMode", "1"},
        {"AutoDisplay", "1"},
        {"IncrementalScan", "0"},
        {"NotifyOwner", "1"},
        {"NotifySender", "0"},
        {"bNotifyAdministrator", "0"},
        {"bAttachInfoFile", "1"},
        {"ScanAfter", "946681200"},
        {"ExtName", "APP*BIN*COM*DLL*DOT*DOC*DRV*EXE*OVL*OVR*PRG*SYS*VXD*"},
        {"ArcExtName", "ZIP*ARJ*"},
        {"LotusNotesExtName", "NSF*NTF*"},
        {"ReNameExt", "AVB"},
    };
    EXPECT_EQ(expected, section.m_writes);
}

TEST(ScanOptionsProfile, WhatIsSavedLoadsBackToTheSameRecord)
{
    LocalScanOptions options;
    options.scanMode = kScanReviewer;
    options.executablesOnly = 1;
    options.executableCount = ParseExtensionList("EXE*COM", options.executableExtensions);
    options.archiveCount = 0;
    std::memset(options.archiveExtensions, 0, sizeof options.archiveExtensions);
    options.mailDatabaseCount = ParseExtensionList("NSF", options.mailDatabaseExtensions);
    StoreExtension("VIR", options.renameExtension);
    options.scanAfter = -5;

    MemorySection section;
    SaveScanOptions(options, section);
    EXPECT_EQ("", section.m_keys["ArcExtName"]);

    LocalScanOptions reread;
    LoadScanOptions(section, reread);
    EXPECT_EQ(0, std::memcmp(&options, &reread, sizeof options));
}

TEST(ScanOptionsProfile, ListsStopAtTheirCountAndAtTheFirstEmptyEntry)
{
    ExtensionList list = {};
    ParseExtensionList("EXE*COM*SYS", list);
    EXPECT_EQ("EXE*COM*", FormatExtensionList(list, 2));
    list[1][0] = '\0';
    EXPECT_EQ("EXE*", FormatExtensionList(list, 3));
    EXPECT_EQ("", FormatExtensionList(list, 0));
}

TEST(ScanOptionsProfile, AFailedWriteIsReportedAndTheOtherKeysAreStillWritten)
{
    MemorySection section;
    section.m_failWrites = true;
    EXPECT_FALSE(SaveScanOptions(LocalScanOptions(), section));
    EXPECT_EQ(20u, section.m_writes.size());
}

TEST(ScanOptionsProfile, MoveDirectoryIsTheModulesFolderAndVirus)
{
    EXPECT_EQ("C:\\Vexomar\\VIRUS", MoveDirectoryForModule("C:\\Vexomar\\QUILLET.DLL"));
    EXPECT_EQ(std::nullopt, MoveDirectoryForModule("C:\\" + std::string(100, 'a') + "\\QUILLET.DLL"));
    EXPECT_EQ(std::string(93, 'a') + "\\VIRUS", MoveDirectoryForModule(std::string(93, 'a') + "\\Q.DLL"));
}

TEST(RenameExtensionCheck, LowerCaseExePassesUpperCaseDoesNot)
{
    EXPECT_TRUE(IsValidRenameExtension("exe"));
    EXPECT_TRUE(IsValidRenameExtension("AVB"));
    EXPECT_TRUE(IsValidRenameExtension("V1"));
    for (const char* refused : {"EXE", "COM", "DLL", "BAT", "INI", "OVL", "DAT", "IDX"})
        EXPECT_FALSE(IsValidRenameExtension(refused)) << refused;
}

TEST(RenameExtensionCheck, LengthAndCharactersAreChecked)
{
    EXPECT_FALSE(IsValidRenameExtension(""));
    EXPECT_FALSE(IsValidRenameExtension("ABCD"));
    for (const char* refused :
        {"A.B", ".", "A B", "\"", "*", "+", "/", ":", ";", "=", "?", "\\", "|", "<", ">", "A\tB", "\x7F", "\xE9"})
        EXPECT_FALSE(IsValidRenameExtension(refused)) << refused;
    EXPECT_TRUE(IsValidRenameExtension("~$!"));
}

TEST(RenameExtensionCheck, ActionsThatUseTheRenameExtensionAndTheMoveFolder)
{
    std::vector<int> renames, moves;
    for (int action = 0; action < kInfectionActionCount; ++action) {
        if (UsesRenameExtension(action))
            renames.push_back(action);
        if (UsesMoveDirectory(action))
            moves.push_back(action);
    }
    EXPECT_EQ((std::vector<int> {2, 6}), renames);
    EXPECT_EQ((std::vector<int> {4, 6}), moves);
}

}  // namespace
