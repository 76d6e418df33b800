// Calendar date and time of a count of seconds since 1970, without the C library's shared state.
#pragma once

#include <cstdint>
#include <string>

struct CivilTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static CivilTime FromUnixSeconds(std::int64_t seconds);
    // "MM/DD/YYYY hh:mm:ss", the stamp of the activity log and the event files.
    std::string Stamp() const;
    // "YYYY-MM-DD hh:mm:ss", the start of a configuration date.
    std::string Iso() const;
};
