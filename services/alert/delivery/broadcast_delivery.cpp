// DeliverBroadcast: a pop-up message on each recipient computer and on every server of each
// recipient domain, through the messengers (see services/messenger/README.md).
#include <cctype>
#include <set>

#include "alert_delivery.h"
#include "alert_home.h"
#include "alert_record.h"
#include "broadcast_popup.h"
#include "broadcast_record.h"
#include "broadcast_targets.h"
#include "domain_browser.h"
#include "messenger_sender.h"

namespace {

std::string Upper(std::string name)
{
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string PopupText(const DeliveredAlert& alert)
{
    return broadcast_popup::Text(
        {PriorityName(alert.priority), alert.application, alert.server, alert.time.Stamp(), alert.text, alert.code});
}

// The site's servers of a domain it does not describe, as the network lists them.
void AddBrowsedServers(BroadcastRecipient& recipient, const SiteDescription& site, const std::string& local,
    DeliveryContext& context)
{
    for (const std::string& server : domain_browser::ServersOf(recipient.name, context.StopEvent()))
        recipient.targets.push_back({server, broadcast_targets::RouteOf(server, site, local)});
}

}  // namespace

void DeliverBroadcast(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    const NotifyMethod method = NotifyMethod::Broadcast;
    const std::size_t count = settings.RecipientCount(method);
    if (count == 0 || !settings.Enabled(method))
        return;
    const std::string local = AlertHome::LocalComputerName();
    const SiteDescription site = ReadSiteDescription().value_or(SiteDescription::Default(local));
    MessengerMessage message {local, std::string(), PopupText(alert)};
    // A computer named twice (itself and through its domain) gets the message once.
    std::set<std::string> reached;
    const auto* records = reinterpret_cast<const BroadcastRecord*>(settings.recipients[static_cast<std::size_t>(method)].data());
    for (std::size_t i = 0; i < count; ++i) {
        if (context.Stopping())
            return;
        BroadcastRecipient recipient = broadcast_targets::Resolve(records[i], site, local);
        if (!recipient.refusal.empty()) {
            context.Log(method, recipient.label, "not delivered: " + recipient.refusal);
            continue;
        }
        if (recipient.isDomain && recipient.targets.empty())
            AddBrowsedServers(recipient, site, local, context);
        if (recipient.targets.empty()) {
            context.Log(method, recipient.label, "not delivered: no computer of the domain is known");
            continue;
        }
        for (const BroadcastTarget& target : recipient.targets) {
            if (context.Stopping())
                return;
            if (!reached.insert(Upper(target.machine)).second)
                continue;
            message.recipient = target.machine;
            const SendOutcome outcome = messenger_sender::Send(target, message, context.StopEvent());
            context.Log(method, broadcast_targets::LogName(recipient, target), outcome.text);
        }
    }
}
