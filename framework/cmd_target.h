// CCmdTarget: an object that answers commands through its message map.
#pragma once

#include <windows.h>

#include "message_map.h"

class CCmdUI;

// Update requests travel with this code instead of a notification code.
constexpr UINT kCodeUpdateCommandUI = 0xFFFFFFFFu;

// One command on its way along a routing chain. `probe` asks only whether a handler exists.
struct CommandRequest {
    UINT id = 0;
    UINT code = 0;
    CCmdUI* ui = nullptr;
    NMHDR* header = nullptr;
    bool probe = false;
    LRESULT result = 0;
};

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    virtual const MessageMap& GetMessageMap() const;

    // Looks for a handler in this object's own map (and its bases'); derived classes add
    // the next links of their chain. True when the request was handled.
    virtual bool OnCmdMsg(CommandRequest& request);

    // Convenience: routes a plain command, as a menu item would send it.
    bool RouteCommand(UINT id);
};
