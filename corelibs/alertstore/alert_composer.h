// The priority rule of MakeAlert1: which calls become alerts, and with which priority.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "alert_message.h"

// A negative type stages the call's text as the description of the product's next alert
// and delivers nothing. A type of 0 or more delivers one alert: its description is the
// staged text when there is one (the call's own text then becomes the event code), else
// the call's text. The priority grows with the type: 0 informational (3), 1 warning (2),
// 2 critical (1), 3 and above critical (0).
class AlertComposer {
public:
    static int PriorityOfType(int type);

    // The message to deliver, or nothing when the call only staged its text.
    std::optional<AlertMessage> Accept(
        const std::string& server, int type, int count, const std::string& product, const std::string& text);
    // Forgets a staged text, e.g. when its staging call could not reach the service.
    void Drop(const std::string& server, const std::string& product);

private:
    static std::string KeyOf(const std::string& server, const std::string& product);
    std::map<std::string, std::string> m_staged;
};
