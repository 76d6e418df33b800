// The job timetable of one instance.
#include "job_schedule.h"

#include "state_word.h"

bool JobSchedule::Due(std::uint64_t now) const
{
    if (requested_)
        return true;
    if (jobsRun_ == 0)
        return now >= startedAt_ + kFirstJobDelaySeconds;
    return intervalMinutes_ > 0 && now >= lastEnd_ + std::uint64_t(intervalMinutes_) * 60;
}

std::uint32_t JobSchedule::IdleJobBits(std::uint64_t now) const
{
    if (jobsRun_ > 0 && now < lastEnd_ + std::uint64_t(holdDays_) * 86400)
        return kJobDone;
    if (jobsRun_ == 0 || intervalMinutes_ > 0 || requested_)
        return kJobScheduled;
    return 0;
}
