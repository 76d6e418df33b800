// CActivityLogPaths: where ALERT.LOG lies for the current server, shared by every activity log view.
#pragma once

#include <cstddef>

struct ProgramValues;

// The log directory comes from the alert core's home-log call. The directory and the path are
// kept with the server they were made for and reused until the server changes.
class CActivityLogPaths {
public:
    static constexpr std::size_t kPathSize = 512;
    static constexpr std::size_t kServerSize = 64;

    // Asks the core only when the current server differs from the cached one or a cached text
    // is empty. A failed call, and a directory that leaves no room for the file name, empty
    // both texts. Returns false when no log path is known.
    static bool Resolve(const ProgramValues& values);
    static const char* Directory();
    static const char* Path();
    // Forgets the cache, so the next Resolve asks the core again.
    static void Forget();
};
