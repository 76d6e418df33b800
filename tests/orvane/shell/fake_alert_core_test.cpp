// The recording fake's own promises for the calls the settings cache does not make.
#include <cstring>

#include <gtest/gtest.h>

#include "fake_alert_core.h"

namespace {

using Strings = std::vector<std::string>;

FakeAnswer Data(int result, const std::string& text)
{
    FakeAnswer answer;
    answer.result = result;
    answer.data.assign(text.begin(), text.end());
    answer.data.push_back(0);
    return answer;
}

TEST(FakeAlertCore, DefaultsFollowEachCallsSuccessRule)
{
    FakeAlertCore core;
    char buffer[512] = {};
    EXPECT_EQ(1, core.AlertGetHomeDir("S", buffer));
    EXPECT_EQ(1, core.AlertGetCFGDate("S", "PORT", buffer));
    EXPECT_EQ(0, core.AlertGetStringFromReg("S", "User", "Company", buffer, 128));
    EXPECT_EQ(0, core.AlertSetStringToReg("S", "User", "Location", "Hall 2"));
    EXPECT_EQ(0, core.AlertStartService("S", 0));
    EXPECT_EQ(0, core.AlertStopService("S", 0));
    EXPECT_EQ((Strings {"S", "User", "Location", "Hall 2"}), core.calls[3].texts);
    EXPECT_EQ(std::vector<int> {128}, core.calls[2].numbers);
    EXPECT_EQ(std::vector<int> {0}, core.calls[5].numbers);
}

TEST(FakeAlertCore, AnswersAreUsedOnceInOrderAndFillTheBuffer)
{
    FakeAlertCore core;
    core.Answer("AlertGetCFGDate", Data(1, "2026-12-08 10:00:00 #4"));
    core.Answer("AlertGetCFGDate", Data(AlertCore::kServerUnreachable, ""));
    char date[256];
    EXPECT_EQ(1, core.AlertGetCFGDate("S", "ALERT", date));
    EXPECT_STREQ("2026-12-08 10:00:00 #4", date);
    EXPECT_EQ(1722, core.AlertGetCFGDate("S", "ALERT", date));
    EXPECT_STREQ("", date);
    EXPECT_EQ(1, core.AlertGetCFGDate("S", "ALERT", date));
    EXPECT_EQ((Strings {"S", "ALERT"}), core.calls[0].texts);

    // The registry text is cut at the caller's size.
    core.Answer("AlertGetStringFromReg", Data(0, "Morwick Systems"));
    char company[8];
    std::memset(company, 'x', sizeof company);
    core.AlertGetStringFromReg("S", "User", "Company", company, 4);
    EXPECT_EQ(0, std::memcmp("Morw", company, 4));
    EXPECT_EQ('x', company[4]);
}

TEST(FakeAlertCore, ListsAreGlobalBlocksTheCallerFrees)
{
    FakeAlertCore core;
    std::vector<BYTE> names(128, 0);
    std::strcpy(reinterpret_cast<char*>(names.data()), "ALERT");
    std::strcpy(reinterpret_cast<char*>(names.data()) + 64, "VEXOMAR");
    FakeAnswer answer;
    answer.count = 2;
    answer.data = names;
    core.Answer("AlertGetApplicationALT", answer);
    WORD count = 0;
    void* list = nullptr;
    EXPECT_EQ(1, core.AlertGetApplicationALT("S", &count, &list));
    EXPECT_EQ(2, count);
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(128u, GlobalSize(list));
    EXPECT_STREQ("VEXOMAR", static_cast<const char*>(list) + 64);
    EXPECT_EQ(nullptr, GlobalFree(list));

    core.Fail("AlertGetApplicationALT");
    list = &count;
    EXPECT_EQ(0, core.AlertGetApplicationALT("S", &count, &list));
    EXPECT_EQ(&count, list);  // a failing call hands over no list
}

TEST(FakeAlertCore, SetsRecordByteCopiesTakenAtTheCall)
{
    FakeAlertCore core;
    std::vector<BYTE> record(1024, 0);
    record[0] = 1;
    core.AlertSetMailCfg("S", record.data());
    record[0] = 2;
    EXPECT_EQ(1, core.calls[0].bytes[0][0]);
    EXPECT_EQ(1024u, core.calls[0].bytes[0].size());

    std::vector<BYTE> pagers(2 * 148, 0x5A);
    core.AlertSetPager("S", 2, pagers.data(), 1, "ALERT");
    EXPECT_EQ(pagers, core.calls[1].bytes[0]);
    EXPECT_EQ((std::vector<int> {2, 1}), core.calls[1].numbers);
}

}  // namespace
