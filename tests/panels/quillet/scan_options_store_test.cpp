// The option record in a real VEXOMAR.INI, the move folder, and the registry helpers, under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "quillet_app.h"
#include "quillet_registry.h"
#include "scan_options_store.h"
#include "scripted_prompter.h"
#include "win_app.h"
#include "quillet_test_files.h"

// The plug-in's own application object, as QUILLET.DLL has it; the command tests use it too.
CQuilletApp g_optionsApp("QUILLET");

namespace {

class ScanOptionsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_ini = TempFolder() + "qopt_test.ini";
        DeleteFileA(m_ini.c_str());
        m_module = TempFolder() + "qopt_module\\QUILLET.DLL";
        CreateDirectoryA((TempFolder() + "qopt_module").c_str(), nullptr);
        RemoveDirectoryA((TempFolder() + "qopt_module\\VIRUS").c_str());
        g_optionsApp.m_profileName = m_ini;
    }
    void TearDown() override
    {
        DeleteFileA(m_ini.c_str());
        g_optionsApp.m_profileName.clear();
    }
    void WriteIni(const std::string& text) const { std::ofstream(m_ini, std::ios::binary) << text; }

    std::string m_ini;
    std::string m_module;
};

const char kDefaultSection[] = "[ScanOptions]\r\n"
                               "Interactive=1\r\n"
                               "BeepOnDetect=1\r\n"
                               "ScanExeOnly=0\r\n"
                               "ScanArchives=1\r\n"
                               "ScanLotusDatabases=1\r\n"
                               "ScanBoot=1\r\n"
                               "ScanFiles=1\r\n"
                               "InfctAct=0\r\n"
                               "ScanMode=1\r\n"
                               "AutoDisplay=1\r\n"
                               "IncrementalScan=0\r\n"
                               "NotifyOwner=1\r\n"
                               "NotifySender=0\r\n"
                               "bNotifyAdministrator=0\r\n"
                               "bAttachInfoFile=1\r\n"
                               "ScanAfter=0\r\n"
                               "ExtName=APP*BIN*COM*DLL*DOT*DOC*DRV*EXE*OVL*OVR*PRG*SYS*VXD*\r\n"
                               "ArcExtName=ZIP*ARJ*\r\n"
                               "LotusNotesExtName=NSF*NTF*\r\n"
                               "ReNameExt=AVB\r\n";

TEST_F(ScanOptionsStoreTest, AMissingFileGivesTheDefaultsWhichAreWrittenBackExactly)
{
    LocalScanOptions options;
    LoadLocalScanOptions(g_optionsApp, m_module, options);
    EXPECT_STREQ((TempFolder() + "qopt_module\\VIRUS").c_str(), options.moveDirectory);
    const DWORD attributes = GetFileAttributesA(options.moveDirectory);
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    ASSERT_TRUE(SaveLocalScanOptions(g_optionsApp, options));
    EXPECT_EQ(kDefaultSection, ReadAll(m_ini));
}

TEST_F(ScanOptionsStoreTest, AWrittenFileIsReadAndWrittenBackByteForByte)
{
    std::string text = kDefaultSection;
    text.replace(text.find("InfctAct=0"), 10, "InfctAct=6");
    text.replace(text.find("ScanAfter=0"), 11, "ScanAfter=1751365815");
    text.replace(text.find("ArcExtName=ZIP*ARJ*"), 19, "ArcExtName=");
    text.replace(text.find("ReNameExt=AVB"), 13, "ReNameExt=vir");
    WriteIni(text);
    LocalScanOptions options;
    LoadLocalScanOptions(g_optionsApp, m_module, options);
    EXPECT_EQ(kActionRenameAndMove, options.infectionAction);
    EXPECT_EQ(0, options.archiveCount);
    ASSERT_TRUE(SaveLocalScanOptions(g_optionsApp, options));
    EXPECT_EQ(text, ReadAll(m_ini));
}

TEST_F(ScanOptionsStoreTest, ACorruptFileGivesTheDefaultOfEveryBadKey)
{
    WriteIni("[ScanOptions]\r\nScanMode=fast\r\nScanBoot=\r\nInfctAct=3\r\nExtName=***\r\ngarbage line\r\n"
             "ReNameExt=QUARANTINE\r\n");
    LocalScanOptions options;
    LoadLocalScanOptions(g_optionsApp, m_module, options);
    EXPECT_EQ(1, options.scanMode);
    EXPECT_EQ(1, options.scanBootSector);
    EXPECT_EQ(3, options.infectionAction);
    EXPECT_EQ(0, options.executableCount);
    EXPECT_STREQ("QUA", options.renameExtension);
    EXPECT_EQ(2, options.archiveCount);
}

TEST_F(ScanOptionsStoreTest, AMoveFolderThatCannotBeMadeIsReportedAndTheOptionsStayLoaded)
{
    ScriptedPrompter prompter;
    prompter.Expect("Invalid Move Directory or No Write access");
    WriteIni("[ScanOptions]\r\nInfctAct=4\r\n");
    LocalScanOptions options;
    LoadLocalScanOptions(g_optionsApp, TempFolder() + "qopt_absent\\deeper\\QUILLET.DLL", options);
    EXPECT_EQ(MB_ICONSTOP, prompter.LastType() & MB_ICONMASK);
    EXPECT_EQ(kActionMove, options.infectionAction);
    EXPECT_STREQ((TempFolder() + "qopt_absent\\deeper\\VIRUS").c_str(), options.moveDirectory);
}

TEST(QuilletRegistry, DwordsAreWrittenAndReadBackAndMissingValuesGiveTheDefault)
{
    ASSERT_EQ(0, WriteVexomarDword("MAIL", "IncTimeTest", 1751365815));
    EXPECT_EQ(1751365815u, ReadVexomarDword("MAIL", "IncTimeTest", 7));
    EXPECT_EQ(7u, ReadVexomarDword("MAIL", "NoSuchValue", 7));
    EXPECT_EQ(9u, ReadVexomarDword("NoSuchKey", "IncTime", 9));
    ASSERT_EQ(0, WriteVexomarDword("MAIL", "Nested", 5, "Deeper"));
    EXPECT_EQ(5u, ReadVexomarDword("MAIL", "Nested", 0, "Deeper"));

    HKEY key = nullptr;
    ASSERT_EQ(
        ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, VexomarRegistryPath("MAIL").c_str(), 0, KEY_ALL_ACCESS, &key));
    RegDeleteValueA(key, "IncTimeTest");
    RegDeleteKeyA(key, "Deeper");
    RegCloseKey(key);
}

TEST(QuilletRegistry, StringsFallBackToTheDefaultWhenMissingOrNotText)
{
    EXPECT_EQ("c:\\", ReadVexomarString("NoSuchKey", "TMP", "c:\\"));
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, VexomarRegistryPath("PathTest").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
            nullptr, &key, nullptr));
    const char value[] = "D:\\SCRATCH";
    RegSetValueExA(key, "TMP", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
    RegSetValueExA(key, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    EXPECT_EQ("D:\\SCRATCH", ReadVexomarString("PathTest", "TMP", "c:\\"));
    EXPECT_EQ("c:\\", ReadVexomarString("PathTest", "Number", "c:\\"));
    EXPECT_EQ("c:\\", ReadVexomarString("PathTest", "Absent", "c:\\"));
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, VexomarRegistryPath("PathTest").c_str());
}

}  // namespace
