// The clock and message pump of the window benchmarks, and the median their figures are shown as.
#pragma once

#include <algorithm>
#include <vector>

// Milliseconds on the performance counter, from an arbitrary start.
double BenchMilliseconds();

// Dispatches every message waiting, so that drawing and timers a step caused are counted in it.
void PumpWaitingMessages();

// The middle run's value of one field: the machine may be busy, and one slow run must not decide.
template <typename Figures>
double MedianOf(std::vector<Figures> runs, double Figures::*field)
{
    std::sort(runs.begin(), runs.end(), [field](const Figures& a, const Figures& b) { return a.*field < b.*field; });
    return runs[runs.size() / 2].*field;
}
