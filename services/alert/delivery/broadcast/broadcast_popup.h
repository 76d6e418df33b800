// The text of the pop-up message that a broadcast shows for one alert.
#pragma once

#include <string>

struct BroadcastAlertText {
    std::string priorityName;  // "Critical", "Warning", "Informational"
    std::string application;
    std::string server;  // the computer the alert was raised for
    std::string stamp;  // "MM/DD/YYYY hh:mm:ss"
    std::string text;
    std::string code;  // the event code, may be empty
};

namespace broadcast_popup {

// "Critical alert of VEXOMAR on ALPHA at 12/09/2026 08:30:15" CR LF, the alert text, and when
// there is one, CR LF "Event code: 05". An alert without a server names none.
std::string Text(const BroadcastAlertText& alert);

}  // namespace broadcast_popup
