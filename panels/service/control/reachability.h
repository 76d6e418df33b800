// The reachability check every node command begins with: the server object connected, with
// the "Login" prompt when it wants credentials.
#pragma once

class CWnd;
struct NodeTarget;

enum class ReachMode {
    kNormal = 0,  // only a node whose service is active
    kAlways = 1,  // whatever the service's state
    kAfterDenied = 2,  // the service core refused: straight to the prompt
};

// True when the target's server may be called now. A failure has told the user already (the
// prompt was cancelled, or the system's text of the failure was shown when `prompting`).
bool CheckReachable(const NodeTarget* target, ReachMode mode, CWnd* owner, bool prompting = true);
