// The local scanner's profile-driven date and time printer.
#include "profile_date_format.h"

#include <gtest/gtest.h>

namespace {

TEST(ProfileDateFormat, DefaultsPadEveryField)
{
    ProfileDateFormat format;
    EXPECT_EQ("03/07/96", format.FormatDate(1996, 3, 7));
    EXPECT_EQ("14:05:09", format.FormatTime(14, 5, 9));
    EXPECT_EQ("04:05", format.FormatTime(4, 5, 61));
}

TEST(ProfileDateFormat, PictureOrderAndWidthsComeFromThePicture)
{
    IntlProfile profile;
    profile.shortDatePicture = "D.M.YYYY";
    ProfileDateFormat format(profile);
    EXPECT_EQ("7.3.1996", format.FormatDate(1996, 3, 7));

    profile.shortDatePicture = "yyyy-mm-dd";
    EXPECT_EQ("2001-12-09", ProfileDateFormat(profile).FormatDate(2001, 12, 9));
}

TEST(ProfileDateFormat, TwelveHourClockUsesTheProfileSuffixes)
{
    IntlProfile profile;
    profile.clock24 = false;
    profile.hourLeadingZero = false;
    profile.morningSuffix = "am";
    profile.afternoonSuffix = "pm";
    ProfileDateFormat format(profile);
    EXPECT_EQ("12:00:00 am", format.FormatTime(0, 0, 0));
    EXPECT_EQ("2:05:09 pm", format.FormatTime(14, 5, 9));
    EXPECT_EQ("11:59 am", format.FormatTime(11, 59, 99));
    profile.hourLeadingZero = true;
    EXPECT_EQ("02:05:09 pm", ProfileDateFormat(profile).FormatTime(14, 5, 9));
}

TEST(ProfileDateFormat, PictureWithoutFieldsFallsBackToTheDefault)
{
    IntlProfile profile;
    profile.shortDatePicture = "";
    EXPECT_EQ("03/07/96", ProfileDateFormat(profile).FormatDate(1996, 3, 7));
    profile.shortDatePicture = "###";
    EXPECT_EQ("03/07/96", ProfileDateFormat(profile).FormatDate(1996, 3, 7));
}

TEST(ProfileDateFormat, ExtraFieldsAreIgnored)
{
    IntlProfile profile;
    profile.shortDatePicture = "dd/mm/yy/dd";
    EXPECT_EQ("07/03/96", ProfileDateFormat(profile).FormatDate(1996, 3, 7));
}

}  // namespace
