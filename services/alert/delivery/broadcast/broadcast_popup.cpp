// The pop-up text of a broadcast alert.
#include "broadcast_popup.h"

namespace broadcast_popup {

std::string Text(const BroadcastAlertText& alert)
{
    std::string text = alert.priorityName + " alert of " + alert.application;
    if (!alert.server.empty())
        text += " on " + alert.server;
    text += " at " + alert.stamp + "\r\n" + alert.text;
    if (!alert.code.empty())
        text += "\r\nEvent code: " + alert.code;
    return text;
}

}  // namespace broadcast_popup
