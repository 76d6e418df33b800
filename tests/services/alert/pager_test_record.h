// Pager recipient records as the pager tests write them.
#pragma once

#include <cstring>

#include "pager_record.h"

inline PagerRecord TestPager(
    const char* owner, const char* number, std::int8_t type, const char* id = "", int connection = 0, int message = 0)
{
    PagerRecord record = {};
    std::strcpy(record.ownerName, owner);
    std::strcpy(record.pagerNumber, number);
    std::strcpy(record.pagerId, id);
    record.pagerType = type;
    pager_record::SetDelaySteps(record.connectionDelay, connection);
    pager_record::SetDelaySteps(record.messageDelay, message);
    return record;
}
