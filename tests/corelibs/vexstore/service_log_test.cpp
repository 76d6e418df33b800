// The service's logs within their limits: filter bits, purge age and the message count.
#include <gtest/gtest.h>

#include "service_log.h"

namespace {

constexpr std::int64_t kNoon = 1765195200;  // 2025-12-08 12:00:00 UTC

}  // namespace

TEST(ServiceLog, LineFormat)
{
    EXPECT_EQ("2025-12-08 12:00:00\tC\tVirus found\r\n",
        AppendLogLine("", kLogCritical, "Virus found", kNoon, LogConfig {10, 0, 7}));
    EXPECT_EQ("2025-12-08 12:00:00\tI\ttwo lines\r\n",
        AppendLogLine("", kLogInformational, "two\nlines", kNoon, LogConfig {10, 0, 7}));
}

TEST(ServiceLog, FilteredLevelsAreNotWritten)
{
    EXPECT_EQ("", AppendLogLine("", kLogWarning, "w", kNoon, LogConfig {10, 0, kLogCritical | kLogInformational}));
}

TEST(ServiceLog, OldestLinesGoBeyondTheMaximum)
{
    std::string log;
    for (int i = 0; i < 12; ++i)
        log = AppendLogLine(log, kLogInformational, "m" + std::to_string(i), kNoon + i, LogConfig {10, 0, 7});
    EXPECT_EQ(0u, log.find("2025-12-08 12:00:02\tI\tm2\r\n"));
    EXPECT_NE(std::string::npos, log.find("m11\r\n"));
    EXPECT_EQ(std::string::npos, log.find("\tm1\r\n"));
}

TEST(ServiceLog, ZeroMaximumKeepsTheNewestLine)
{
    const std::string log =
        AppendLogLine("2025-12-08 11:00:00\tI\told\r\n", kLogInformational, "new", kNoon, LogConfig {0, 0, 7});
    EXPECT_EQ("2025-12-08 12:00:00\tI\tnew\r\n", log);
}

TEST(ServiceLog, LinesOlderThanThePurgeAgeAreDropped)
{
    const std::string old = "2025-12-01 11:59:59\tI\tolder\r\n2025-12-01 12:00:00\tI\tkept\r\n";
    const std::string log = AppendLogLine(old, kLogInformational, "new", kNoon, LogConfig {10, 7, 7});
    EXPECT_EQ("2025-12-01 12:00:00\tI\tkept\r\n2025-12-08 12:00:00\tI\tnew\r\n", log);
}
