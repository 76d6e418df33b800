// Configuration dates: they change with every set and every rewrite of PORT.CFG, and only then.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "halden.h"
#include "scratch_alert_home.h"

namespace {

class HaldenDates : public ::testing::Test {
protected:
    std::string Date(const char* section)
    {
        char text[256];
        std::memset(text, 'x', sizeof text);
        EXPECT_EQ(1, AlertGetCFGDate("", section, text));
        return text;
    }

    void SetOnePager(const char* application)
    {
        void* list = GlobalAlloc(GPTR, 148);
        ASSERT_EQ(1, AlertSetPager("", 1, list, 1, application));
        GlobalFree(list);
    }

    ScratchAlertHome home {::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(HaldenDates, EverySetChangesTheApplicationsDateEvenWithinOneSecond)
{
    const std::string before = Date("ALERT");
    EXPECT_EQ("never set", before);
    SetOnePager("ALERT");
    const std::string first = Date("ALERT");
    SetOnePager("ALERT");
    const std::string second = Date("ALERT");
    EXPECT_NE(before, first);
    EXPECT_NE(first, second);
    EXPECT_EQ(second, Date("alert"));
}

TEST_F(HaldenDates, ReadsAndOtherApplicationsLeaveTheDateAlone)
{
    ASSERT_EQ(1, AlertRegisterApplication("", "VEXOMAR"));
    SetOnePager("ALERT");
    const std::string date = Date("ALERT");
    WORD count = 0;
    void* list = nullptr;
    AlertGetPager("", &count, &list, "ALERT");
    GlobalFree(list);
    SetOnePager("VEXOMAR");
    EXPECT_EQ(date, Date("ALERT"));
}

TEST_F(HaldenDates, FailedSetLeavesTheDate)
{
    SetOnePager("ALERT");
    const std::string date = Date("ALERT");
    EXPECT_EQ(0, AlertSetPager("", 1, nullptr, 1, "ALERT"));
    EXPECT_EQ(date, Date("ALERT"));
}

TEST_F(HaldenDates, PortDateFollowsRewritesOfPortCfg)
{
    EXPECT_EQ("no port settings", Date("PORT"));
    const std::vector<BYTE> content(1024, 1);
    ScratchAlertHome::WriteBytes(home.File("PORT.CFG"), content);
    const std::string first = Date("PORT");
    EXPECT_NE("no port settings", first);
    EXPECT_EQ(first, Date("PORT"));
    // The same bytes written again, at once, still count as a change.
    ScratchAlertHome::WriteBytes(home.File("PORT.CFG"), content);
    const std::string second = Date("PORT");
    EXPECT_NE(first, second);
    SetOnePager("ALERT");
    EXPECT_EQ(second, Date("PORT"));
}

TEST_F(HaldenDates, UnknownSectionFails)
{
    char text[256];
    EXPECT_EQ(0, AlertGetCFGDate("", "NOSUCH", text));
    EXPECT_EQ(0, AlertGetCFGDate("", "..\\PORT", text));
}

}  // namespace
