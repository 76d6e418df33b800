// The background query of YNNIS: keeps every site server's state word, versions and last scan
// fresh on its own thread, so that the tree never waits on a server.
#pragma once

#include <windows.h>

#include <string>

struct CachedState {
    DWORD stateWord = 0;
    DWORD versions[4] = {};
    DWORD lastScan = 0;
};

namespace server_query {

// Starts the thread (or asks a running one for a round now) and waits, bounded, for the
// first round, so that the first look at the tree already shows states.
DWORD Start();
// Ends the thread (bounded wait); 0 also when none ran.
DWORD Stop();
bool Running();
// The last state read of a server; false when none has been read yet.
bool Lookup(const std::string& server, CachedState& state);
// Reads one server's state now and keeps it.
DWORD ReadNow(const std::string& server, CachedState& state);

}  // namespace server_query
