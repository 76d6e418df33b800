// One alert that one method has still to deliver, as its journal keeps it across restarts.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "alert_delivery.h"

struct PendingDelivery {
    NotifyMethod method = NotifyMethod::Broadcast;
    DeliveredAlert alert;
    std::string eventFile;  // names the alert in its log lines
    std::string logPath;  // the ALERT.LOG of the alert's home
    // The settings as they were when the alert was recorded: a later change of recipients
    // neither adds nor drops recipients of an alert already on its way.
    ApplicationSettings settings;
    std::set<std::size_t> done;  // recipients already delivered (or finally failed)

    // The delivery units: one per recipient, except e-mail, whose To and CC recipients get
    // one message together.
    std::size_t UnitCount() const;
    // The settings that deliver only this unit's recipient.
    ApplicationSettings UnitSettings(std::size_t unit) const;

    std::vector<std::uint8_t> Encode() const;
    // Nothing for a file that is not whole: a damaged entry is dropped rather than guessed at.
    static std::optional<PendingDelivery> Decode(const std::vector<std::uint8_t>& bytes);
};
