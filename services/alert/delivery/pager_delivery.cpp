// Placeholder until the method is built: every recipient is logged as not delivered.
#include "alert_delivery.h"

void DeliverPager(const DeliveredAlert&, const ApplicationSettings& settings, DeliveryContext& context)
{
    const NotifyMethod method = NotifyMethod::Pager;
    for (std::size_t i = 0; i < settings.RecipientCount(method); ++i)
        context.Log(method, "recipient " + std::to_string(i + 1), "not delivered: this method is not built yet");
}
