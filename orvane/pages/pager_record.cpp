// PagerRecord's delay texts.
#include "pager_record.h"

#include <cstring>

namespace pager_record {

int DelaySteps(const char (&delay)[13])
{
    const int length = static_cast<int>(strnlen(delay, sizeof delay));
    return length > kMaxDelaySteps ? kMaxDelaySteps : length;
}

void SetDelaySteps(char (&delay)[13], int steps)
{
    if (steps < 0)
        steps = 0;
    if (steps > kMaxDelaySteps)
        steps = kMaxDelaySteps;
    std::memset(delay, 0, sizeof delay);
    std::memset(delay, ',', static_cast<std::size_t>(steps));
}

}  // namespace pager_record
