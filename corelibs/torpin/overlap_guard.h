// Remembers which bytes of an archive have been written out, so that no byte is
// decoded twice (the overlapping-member bomb).
#pragma once

#include <cstdint>
#include <map>

namespace torpin {

class OverlapGuard {
public:
    // Claims [start, end); false when it shares any byte with a range claimed before
    // (a member at the same offset as an earlier one included). An empty range shares
    // nothing and is always allowed.
    bool claim(std::uint64_t start, std::uint64_t end);
    void clear() { m_ranges.clear(); }

private:
    std::map<std::uint64_t, std::uint64_t> m_ranges;  // start -> end, never overlapping
};

}  // namespace torpin
