// When jobs run and which job state shows between them.
#include <gtest/gtest.h>

#include "job_schedule.h"
#include "state_word.h"

TEST(JobSchedule, FirstJobFollowsTheStartAfterTheDelay)
{
    JobSchedule schedule(1000, 60, 7);
    EXPECT_EQ(kJobScheduled, schedule.IdleJobBits(1000));
    EXPECT_FALSE(schedule.Due(1000 + kFirstJobDelaySeconds - 1));
    EXPECT_TRUE(schedule.Due(1000 + kFirstJobDelaySeconds));
}

TEST(JobSchedule, DoneIsHeldForTheHoldTimeThenTheNextJobIsScheduled)
{
    JobSchedule schedule(0, 60, 1);
    schedule.Began();
    schedule.Finished(5000);
    EXPECT_EQ(kJobDone, schedule.IdleJobBits(5000 + 86399));
    EXPECT_EQ(kJobScheduled, schedule.IdleJobBits(5000 + 86400));
    EXPECT_FALSE(schedule.Due(5000 + 3599));
    EXPECT_TRUE(schedule.Due(5000 + 3600));
}

TEST(JobSchedule, WithoutAnIntervalOnlyTheFirstJobRunsAndNoJobsFollow)
{
    JobSchedule schedule(0, 0, 0);
    schedule.Began();
    schedule.Finished(100);
    EXPECT_FALSE(schedule.Due(1000000));
    EXPECT_EQ(0u, schedule.IdleJobBits(100)) << "hold time 0: no jobs";
    schedule.Request();
    EXPECT_TRUE(schedule.Due(101));
    EXPECT_EQ(kJobScheduled, schedule.IdleJobBits(101));
    schedule.Began();
    EXPECT_FALSE(schedule.Due(102)) << "the request is taken by the job";
}

TEST(JobSchedule, NewLimitsApplyToTheNextJob)
{
    JobSchedule schedule(0, 60, 0);
    schedule.Began();
    schedule.Finished(100);
    schedule.SetLimits(1, 0);
    EXPECT_TRUE(schedule.Due(160));
}
