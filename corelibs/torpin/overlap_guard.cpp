// Claimed ranges are kept disjoint, so only the neighbours of a new range need a look.
#include "overlap_guard.h"

#include <iterator>

namespace torpin {

bool OverlapGuard::claim(std::uint64_t start, std::uint64_t end)
{
    if (end <= start)
        return true;  // nothing to decode, nothing to decode twice
    auto after = m_ranges.lower_bound(start);
    if (after != m_ranges.end() && after->first < end)
        return false;
    if (after != m_ranges.begin()) {
        auto before = std::prev(after);
        if (before->second > start)
            return false;
    }
    m_ranges.emplace(start, end);
    return true;
}

}  // namespace torpin
