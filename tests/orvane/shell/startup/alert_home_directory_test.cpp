// The Alert home directory from the registry, and the string reader's limits and fallbacks.
#include <gtest/gtest.h>

#include <string>

#include "alert_home_directory.h"
#include "scratch_alert_home.h"

namespace {

constexpr char kScratchKey[] = "SOFTWARE\\Morwick\\ALERT\\StartupReaderTest";

class RegistryReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratchKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    }
    void TearDown() override
    {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kScratchKey);
    }
    void SetBytes(const char* name, DWORD type, const std::string& bytes)
    {
        ASSERT_EQ(ERROR_SUCCESS,
            RegSetValueExA(
                key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size())));
    }
    std::string Read(const char* name)
    {
        return ReadRegistryString(HKEY_LOCAL_MACHINE, kScratchKey, name, 256, "dflt");
    }

    HKEY key = nullptr;
};

}  // namespace

TEST(AlertHomeDirectory, IsTheHomeValueOfTheAlertPathKey)
{
    ScratchAlertHome home("startup_home");
    EXPECT_EQ(home.Path(), ReadAlertHomeDirectory());
}

TEST(AlertHomeDirectory, IsEmptyWithoutTheHomeValue)
{
    ScratchAlertHome home("startup_home_gone");
    home.ForgetHome();
    EXPECT_EQ("", ReadAlertHomeDirectory());
}

TEST_F(RegistryReaderTest, AStringOf255CharactersWithItsTerminatorFits)
{
    std::string text(255, 'h');
    SetBytes("Fits", REG_SZ, text + '\0');
    EXPECT_EQ(text, Read("Fits"));
}

TEST_F(RegistryReaderTest, AStringStoredWithoutTerminatorIsTakenWhenItLeavesRoomForOne)
{
    std::string text(255, 'u');
    SetBytes("Bare", REG_SZ, text);
    EXPECT_EQ(text, Read("Bare"));
}

TEST_F(RegistryReaderTest, AStringThatDoesNotFitGivesTheDefaultRatherThanACutPath)
{
    SetBytes("Long", REG_SZ, std::string(256, 'x') + '\0');
    SetBytes("FullBare", REG_SZ, std::string(256, 'y'));
    EXPECT_EQ("dflt", Read("Long"));
    EXPECT_EQ("dflt", Read("FullBare"));
}

TEST_F(RegistryReaderTest, AMissingValueKeyOrANonStringGivesTheDefault)
{
    SetBytes("Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ("dflt", Read("Number"));
    EXPECT_EQ("dflt", Read("Absent"));
    EXPECT_EQ("dflt", ReadRegistryString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Morwick\\NoSuchKey", "Home", 256, "dflt"));
}

TEST_F(RegistryReaderTest, AnExpandableStringIsReadAsStored)
{
    SetBytes("Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\alert") + '\0');
    EXPECT_EQ("%SystemRoot%\\alert", Read("Expand"));
}
