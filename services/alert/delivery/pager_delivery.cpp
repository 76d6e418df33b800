// The pager method: every pager recipient called through the COM port of its port setting.
#include "alert_delivery.h"

#include <cstdlib>

#include "alert_home.h"
#include "com_port_link.h"
#include "pager_method.h"
#include "pager_round.h"
#include "registry_value.h"

namespace {

class ContextReport : public PagerReport {
public:
    explicit ContextReport(DeliveryContext& context) : m_context(context) { }
    void Log(const std::string& recipient, const std::string& outcome) override
    {
        m_context.Log(NotifyMethod::Pager, recipient, outcome);
    }
    bool Wait(std::uint32_t ms) override { return m_context.Wait(ms); }
    bool Stopping() const override { return m_context.Stopping(); }

private:
    DeliveryContext& m_context;
};

template <class Value>
void ReadSetting(const char* name, Value& value, unsigned long low, unsigned long high, unsigned long scale)
{
    const std::optional<std::string> text = ReadMachineString(std::string(kAlertKey) + "\\Pager", name);
    if (!text || text->empty())
        return;
    char* end = nullptr;
    const unsigned long number = std::strtoul(text->c_str(), &end, 10);
    if (*end == '\0' && number >= low && number <= high)
        value = static_cast<Value>(number * scale);
}

}  // namespace

PagerTiming ConfiguredPagerTiming()
{
    PagerTiming timing;
    ReadSetting("Retries", timing.retries, 0, 5, 1);
    ReadSetting("RetryDelay", timing.retryDelayMs, 1, 3600, 1000);
    ReadSetting("CommaDelay", timing.commaMs, 0, 10000, 1);
    return timing;
}

void DeliverPagerWith(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context,
    const PagerTiming& timing)
{
    if (!settings.Enabled(NotifyMethod::Pager))
        return;
    const std::vector<PagerRecord> recipients =
        PagerRecords(settings.recipients[static_cast<std::size_t>(NotifyMethod::Pager)]);
    // The port files are read for each alert, so a port set up meanwhile is used at once.
    PagerPorts ports;
    ports.ports = port_file::LoadPortFile(port_file::PathIn(alert.homeDirectory, "PORT.CFG"));
    ports.defaultPortId = port_file::ReadDefaultPortId(port_file::PathIn(alert.homeDirectory, "PORTDEF.CFG"));
    ComPortLines lines(context.StopEvent());
    ContextReport report(context);
    PageEveryRecipient(recipients, ports, {alert.text, alert.code, alert.priority}, timing, lines, report);
}

void DeliverPager(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    DeliverPagerWith(alert, settings, context, ConfiguredPagerTiming());
}
