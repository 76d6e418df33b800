// The round of calls to an alert's pagers, with the retries and the log lines.
#include "pager_round.h"

#include <cstring>

namespace {

std::string Seconds(std::uint32_t ms)
{
    const std::uint32_t seconds = (ms + 999) / 1000;
    return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
}

PageResult CallOnce(const PagerCall& call, const SerialSettings& serial, const PagerTiming& timing, PagerLines& lines)
{
    std::string problem;
    const std::unique_ptr<SerialLink> link = lines.Open(serial, problem);
    if (!link)
        return {PageStatus::PortFailed, problem};
    // The line closes when the call ends, whatever its outcome, and the modem hangs up as DTR drops.
    return PagerDialogue(*link, timing).Place(call);
}

void PageOne(const PagerRecord& record, const PagerPorts& ports, const AlertForPager& alert, const PagerTiming& timing,
    PagerLines& lines, PagerReport& report)
{
    const std::string recipient = RecipientName(record);
    const CallPlan plan = PlanCall(record, alert);
    if (!plan.call) {
        report.Log(recipient, "not delivered: " + plan.problem);
        return;
    }
    const PortChoice port = ChoosePortSetting(ports.ports, ports.defaultPortId, record.portSetting);
    if (!port.settings) {
        report.Log(recipient, "not delivered: " + port.problem);
        return;
    }
    const std::string through = " (" + port.settings->Describe() + ")";
    const int calls = 1 + (timing.retries > 0 ? timing.retries : 0);
    for (int placed = 1;; ++placed) {
        const PageResult result = CallOnce(*plan.call, *port.settings, timing, lines);
        if (result.status == PageStatus::Delivered) {
            report.Log(recipient, "delivered: " + result.Text() + through);
            return;
        }
        if (!WorthRetrying(result.status) || placed == calls) {
            const std::string tries = placed > 1 ? ", after " + std::to_string(placed) + " calls" : std::string();
            report.Log(recipient, "not delivered: " + result.Text() + through + tries);
            return;
        }
        report.Log(recipient,
            result.Text() + through + "; calling again in " + Seconds(timing.retryDelayMs) + " (retry " +
                std::to_string(placed) + " of " + std::to_string(calls - 1) + ")");
        if (!report.Wait(timing.retryDelayMs)) {
            report.Log(recipient, "not delivered: the service was stopped or paused before the retry");
            return;
        }
    }
}

}  // namespace

std::vector<PagerRecord> PagerRecords(const std::vector<std::uint8_t>& list)
{
    std::vector<PagerRecord> records(list.size() / sizeof(PagerRecord));
    if (!records.empty())
        std::memcpy(records.data(), list.data(), records.size() * sizeof(PagerRecord));
    return records;
}

void PageEveryRecipient(const std::vector<PagerRecord>& recipients, const PagerPorts& ports, const AlertForPager& alert,
    const PagerTiming& timing, PagerLines& lines, PagerReport& report)
{
    for (const PagerRecord& record : recipients) {
        // Every recipient gets its line, also those a stop leaves unpaged.
        if (report.Stopping())
            report.Log(RecipientName(record), "not delivered: the service was stopped or paused");
        else
            PageOne(record, ports, alert, timing, lines, report);
    }
}
