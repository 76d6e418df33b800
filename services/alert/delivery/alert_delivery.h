// What the Alert Service hands each notification method once an alert is recorded, and the
// way a method reports back. Each method runs on its own worker, so one that waits on a
// modem or a mail server never holds up another.
#pragma once

#include <windows.h>

#include <string>

#include "application_settings.h"
#include "civil_time.h"
#include "notify_method.h"

// One recorded alert, as the methods deliver it.
struct DeliveredAlert {
    std::string id;  // unique per recorded alert: a restart never delivers the same id twice
    std::string application;  // the normalized application name
    std::string text;  // the whole alert text
    std::string code;  // the event code
    std::string server;  // the computer the alert was raised for
    int priority = 3;
    CivilTime time;  // local time of recording
    std::string homeDirectory;  // the Alert home, where PORT.CFG and PORTDEF.CFG live
};

class DeliveryContext {
public:
    virtual ~DeliveryContext() = default;
    // True once the service is stopping or pausing: a method ends what it does and returns.
    virtual bool Stopping() const = 0;
    // Waits `ms` milliseconds; false when a stop cut the wait short.
    virtual bool Wait(DWORD ms) const = 0;
    // Signalled on stop; a method adds it to its own waits (serial reads, sockets).
    virtual HANDLE StopEvent() const = 0;
    // One ALERT.LOG line naming the method, the recipient and the outcome.
    virtual void Log(NotifyMethod method, const std::string& recipient, const std::string& outcome) = 0;
};

// Each method delivers to every recipient record of its own list in `settings` and logs
// one line per recipient; it returns when done or when the context stops.
void DeliverBroadcast(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
void DeliverPager(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
void DeliverEMail(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
void DeliverSnmp(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
void DeliverTroubleTicket(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
void DeliverEventLog(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context);
