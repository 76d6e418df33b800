// Reading the regional settings from the registry and the "intl" profile section.
#include "regional_settings_loader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "locale_format.h"
#include "saved_regional_values.h"

namespace {

const char kScratchKey[] = "Software\\Vexomar Tests\\International";

class ScratchInternationalKey : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vexomar Tests"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Vexomar Tests"); }

    void Set(const char* name, const char* value)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS,
            RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), lstrlenA(value) + 1);
        RegCloseKey(key);
    }
};

TEST_F(ScratchInternationalKey, MissingKeyGivesTheDefaults)
{
    LocaleFormat format(ReadRegionalSettings(HKEY_CURRENT_USER, kScratchKey));
    EXPECT_EQ(" 3/07/96", format.FormatDate(1996, 3, 7));
    EXPECT_EQ("14:05:09", format.FormatTime(14, 5, 9));
    EXPECT_EQ("1,234,567", format.FormatCount(1234567));
}

TEST_F(ScratchInternationalKey, EachValueReplacesItsDefault)
{
    Set("iDate", "1");
    Set("sShortDate", "d.M.yyyy");
    Set("sDate", ".");
    Set("iTime", "2");  // only bit 0 counts: 12-hour clock
    Set("iTLZero", "1");
    Set("sTime", "h");  // not a usual separator, but the loader takes what it finds
    Set("s1159", "vm");
    Set("s2359", "nm");
    Set("sThousand", " ");
    Set("sDecimal", ",");
    LocaleFormat format(ReadRegionalSettings(HKEY_CURRENT_USER, kScratchKey));
    EXPECT_EQ("07.03.1996", format.FormatDate(1996, 3, 7));
    EXPECT_EQ("02h05h09 nm", format.FormatTime(14, 5, 9));
    EXPECT_EQ("1 234,56", format.FormatMilliseconds(1234567));
}

TEST_F(ScratchInternationalKey, PartialKeyKeepsTheOtherDefaults)
{
    Set("sTime", ".");
    LocaleFormat format(ReadRegionalSettings(HKEY_CURRENT_USER, kScratchKey));
    EXPECT_EQ("14.05.09", format.FormatTime(14, 5, 9));
    EXPECT_EQ(" 3/07/96", format.FormatDate(1996, 3, 7));
}

// The user's real values are put back afterwards, so the prefix stays as it was.
class RealInternationalKey : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_saved.reset();
        LoadSettings();
    }
    std::unique_ptr<SavedRegionalValues> m_saved = std::make_unique<SavedRegionalValues>();
};

TEST_F(RealInternationalKey, LoadSettingsRebuildsTheModulePrinters)
{
    WriteProfileStringA("intl", "iDate", "2");
    WriteProfileStringA("intl", "sShortDate", "yyyy-MM-dd");
    WriteProfileStringA("intl", "sDate", "-");
    WriteProfileStringA("intl", "iTime", "1");
    WriteProfileStringA("intl", "sTime", ":");
    LoadSettings();
    EXPECT_EQ("1996-03-07", ModuleLocaleFormat().FormatDate(1996, 3, 7));
    EXPECT_EQ("14:05:09", ModuleLocaleFormat().FormatTime(14, 5, 9));
}

TEST_F(RealInternationalKey, IntlProfileSectionDrivesTheScannerPrinter)
{
    WriteProfileStringA("intl", "sShortDate", "dd/MM/yyyy");
    WriteProfileStringA("intl", "iTime", "0");
    WriteProfileStringA("intl", "iTLZero", "0");
    WriteProfileStringA("intl", "s1159", "AM");
    WriteProfileStringA("intl", "s2359", "PM");
    WriteProfileStringA("intl", "sTime", ":");
    ProfileDateFormat format(ReadIntlProfile());
    EXPECT_EQ("07/03/1996", format.FormatDate(1996, 3, 7));
    EXPECT_EQ("2:05:09 PM", format.FormatTime(14, 5, 9));
}

}  // namespace
