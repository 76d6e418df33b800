// The pager method with its timing given, for the service (timing from the registry) and tests.
#pragma once

#include "alert_delivery.h"
#include "pager_timing.h"

// Values under HKLM\SOFTWARE\Morwick\ALERT\CurrentVersion\Pager, each a decimal string:
// "Retries" (0-5), "RetryDelay" (seconds, 1-3600) and "CommaDelay" (milliseconds, 0-10000).
// A missing or unreadable value keeps its default.
PagerTiming ConfiguredPagerTiming();

void DeliverPagerWith(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context,
    const PagerTiming& timing);
