// When the instance's scan jobs run, and which job state it shows between them.
#pragma once

#include <cstdint>

// The first job follows the start after a short delay, so that a freshly started instance
// is seen "Scheduled" first; later jobs follow the end of the previous one by the interval.
inline constexpr std::uint64_t kFirstJobDelaySeconds = 2;

class JobSchedule {
public:
    JobSchedule(std::uint64_t startedAt, std::uint32_t intervalMinutes, std::uint32_t holdDays)
        : m_startedAt(startedAt), m_intervalMinutes(intervalMinutes), m_holdDays(holdDays)
    {
    }

    void SetLimits(std::uint32_t intervalMinutes, std::uint32_t holdDays)
    {
        m_intervalMinutes = intervalMinutes;
        m_holdDays = holdDays;
    }
    void Request() { m_requested = true; }
    bool Due(std::uint64_t now) const;
    // A job has begun: the request is taken.
    void Began() { m_requested = false; }
    void Finished(std::uint64_t endedAt)
    {
        m_lastEnd = endedAt;
        ++m_jobsRun;
    }
    // The job bits while no job runs: "Done" for the hold time after a job, then "Scheduled"
    // while another job is to come, else none.
    std::uint32_t IdleJobBits(std::uint64_t now) const;
    std::uint32_t JobsRun() const { return m_jobsRun; }

private:
    std::uint64_t m_startedAt;
    std::uint32_t m_intervalMinutes;
    std::uint32_t m_holdDays;
    std::uint64_t m_lastEnd = 0;
    std::uint32_t m_jobsRun = 0;
    bool m_requested = false;
};
