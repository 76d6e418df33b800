// When the instance's scan jobs run, and which job state it shows between them.
#pragma once

#include <cstdint>

// The first job follows the start after a short delay, so that a freshly started instance
// is seen "Scheduled" first; later jobs follow the end of the previous one by the interval.
inline constexpr std::uint64_t kFirstJobDelaySeconds = 2;

class JobSchedule {
public:
    JobSchedule(std::uint64_t startedAt, std::uint32_t intervalMinutes, std::uint32_t holdDays)
        : startedAt_(startedAt), intervalMinutes_(intervalMinutes), holdDays_(holdDays) {}

    void SetLimits(std::uint32_t intervalMinutes, std::uint32_t holdDays)
    {
        intervalMinutes_ = intervalMinutes;
        holdDays_ = holdDays;
    }
    void Request() { requested_ = true; }
    bool Due(std::uint64_t now) const;
    // A job has begun: the request is taken.
    void Began() { requested_ = false; }
    void Finished(std::uint64_t endedAt)
    {
        lastEnd_ = endedAt;
        ++jobsRun_;
    }
    // The job bits while no job runs: "Done" for the hold time after a job, then "Scheduled"
    // while another job is to come, else none.
    std::uint32_t IdleJobBits(std::uint64_t now) const;
    std::uint32_t JobsRun() const { return jobsRun_; }

private:
    std::uint64_t startedAt_;
    std::uint32_t intervalMinutes_;
    std::uint32_t holdDays_;
    std::uint64_t lastEnd_ = 0;
    std::uint32_t jobsRun_ = 0;
    bool requested_ = false;
};
