// Records one alert: event file, record table slot and counts, activity log lines.
#pragma once

#include <cstdint>

#include "alert_message.h"

class AlertDispatcher;

class AlertRecorder {
public:
    // Each recorded alert goes to the dispatcher's queue; none records without delivering.
    explicit AlertRecorder(AlertDispatcher* dispatcher = nullptr) : m_dispatcher(dispatcher) { }

    // The result that goes back to MakeAlert1: kAlertDelivered, or why it was not recorded.
    std::uint32_t Record(const AlertMessage& message);

private:
    AlertDispatcher* m_dispatcher;
};
