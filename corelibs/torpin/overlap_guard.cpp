// Claimed ranges are kept disjoint, so only the neighbours of a new range need a look.
#include "overlap_guard.h"

#include <iterator>

namespace torpin {

bool OverlapGuard::claim(std::uint64_t start, std::uint64_t end) {
    if (end <= start) return true;  // nothing to decode, nothing to decode twice
    auto after = ranges_.lower_bound(start);
    if (after != ranges_.end() && after->first < end) return false;
    if (after != ranges_.begin()) {
        auto before = std::prev(after);
        if (before->second > start) return false;
    }
    ranges_.emplace(start, end);
    return true;
}

}  // namespace torpin
