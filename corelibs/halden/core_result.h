// The failure result of the "non-zero is success" calls: 1722 for a server out of reach, else 0.
#pragma once

#include "alert_home.h"

inline int FailureFor(DWORD error)
{
    return error == kServerUnreachable ? static_cast<int>(kServerUnreachable) : 0;
}
