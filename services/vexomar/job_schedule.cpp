// The job timetable of one instance.
#include "job_schedule.h"

#include "state_word.h"

bool JobSchedule::Due(std::uint64_t now) const
{
    if (m_requested)
        return true;
    if (m_jobsRun == 0)
        return now >= m_startedAt + kFirstJobDelaySeconds;
    return m_intervalMinutes > 0 && now >= m_lastEnd + std::uint64_t(m_intervalMinutes) * 60;
}

std::uint32_t JobSchedule::IdleJobBits(std::uint64_t now) const
{
    if (m_jobsRun > 0 && now < m_lastEnd + std::uint64_t(m_holdDays) * 86400)
        return kJobDone;
    if (m_jobsRun == 0 || m_intervalMinutes > 0 || m_requested)
        return kJobScheduled;
    return 0;
}
