// Records one alert: event file, record table slot and counts, activity log lines.
#pragma once

#include <cstdint>

#include "alert_message.h"

class AlertRecorder {
public:
    // The result that goes back to MakeAlert1: kAlertDelivered, or why it was not recorded.
    std::uint32_t Record(const AlertMessage& message);
};
