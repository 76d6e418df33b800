// The regional settings: read when the frame is made, and again when Windows reports a change of them.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "frame_fixture.h"
#include "locale_format.h"
#include "regional_settings.h"
#include "regional_settings_loader.h"
#include "saved_regional_values.h"

namespace {

// Starts from a computer without regional values and puts the user's back afterwards.
class RegionalFrameTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        m_saved = std::make_unique<SavedRegionalValues>(true);
        // What a module has before anything loads the settings: the plug-ins' fixed values.
        ModuleLocaleFormat() = LocaleFormat(RegionalSettings::PanelDefaults());
    }
    void TearDown() override
    {
        m_saved.reset();
        LoadSettings();
        FrameTest::TearDown();
    }
    void Announce(const char* section) { frame->SendMessage(WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(section)); }

    std::unique_ptr<SavedRegionalValues> m_saved;
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
