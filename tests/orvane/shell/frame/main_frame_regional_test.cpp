// The regional settings: read when the frame is made, and again when Windows reports a change of them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "frame_fixture.h"
#include "locale_format.h"
#include "regional_settings.h"
#include "regional_settings_loader.h"

namespace {

const char* const kValues[] = {"iDate", "sShortDate", "iTime", "iTLZero", "sDate", "sTime", "s1159", "s2359"};

// Keeps the user's regional values and puts them back afterwards.
class RegionalFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        for (const char* name : kValues) {
            char value[256] = {};
            DWORD size = sizeof value;
            if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\International", name, RRF_RT_REG_SZ, nullptr, value,
                             &size) == ERROR_SUCCESS)
                saved[name] = value;
            RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\International", name);
        }
        // What a module has before anything loads the settings: the plug-ins' fixed values.
        ModuleLocaleFormat() = LocaleFormat(RegionalSettings::PanelDefaults());
    }
    void TearDown() override
    {
        for (const char* name : kValues) {
            auto found = saved.find(name);
            if (found != saved.end())
                WriteProfileStringA("intl", name, found->second.c_str());
            else
                RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\International", name);
        }
        LoadSettings();
        FrameTest::TearDown();
    }
    void Announce(const char* section)
    {
        frame->SendMessage(WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(section));
    }

    std::map<std::string, std::string> saved;
};

TEST_F(RegionalFrameTest, WithNoRegionalValuesTheFramePrintsTheTwentyFourHourClock)
{
    EXPECT_EQ(" 2:05:09 PM", ModuleLocaleFormat().FormatTime(14, 5, 9)) << "the fixed values before start-up";
    CreateFrame();
    EXPECT_EQ("14:05:09", ModuleLocaleFormat().FormatTime(14, 5, 9));
}

TEST_F(RegionalFrameTest, AChangeOfTheIntlSectionIsReadAgainAndOtherSectionsAreNot)
{
    CreateFrame();
    WriteProfileStringA("intl", "iDate", "1");
    WriteProfileStringA("intl", "sShortDate", "d.m.yyyy");
    WriteProfileStringA("intl", "sDate", ".");
    Announce("windows");
    EXPECT_EQ(" 3/07/96", ModuleLocaleFormat().FormatDate(1996, 3, 7)) << "another section changed nothing";
    Announce("intl");
    EXPECT_EQ("07.03.1996", ModuleLocaleFormat().FormatDate(1996, 3, 7));
    WriteProfileStringA("intl", "iTime", "0");
    Announce(nullptr);
    EXPECT_EQ(" 2:05:09 PM", ModuleLocaleFormat().FormatTime(14, 5, 9)) << "no section named means every section";
}

}  // namespace
