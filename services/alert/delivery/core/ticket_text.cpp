// Folding the alert text: words are kept whole where they fit, so the ticket reads as written.
#include "ticket_text.h"

#include "activity_log.h"
#include "alert_record.h"

namespace {

std::vector<std::string> Fold(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ')
            ++at;
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos)
            end = text.size();
        std::string word = text.substr(at, end - at);
        at = end;
        while (!word.empty()) {
            const std::size_t room = line.empty() ? width : width - line.size() - 1;
            if (word.size() <= room) {
                line += (line.empty() ? "" : " ") + word;
                word.clear();
            } else if (line.empty()) {
                lines.push_back(word.substr(0, width));
                word.erase(0, width);
            } else {
                lines.push_back(line);
                line.clear();
            }
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

}  // namespace

std::vector<std::string> TicketLines(const TicketFacts& facts, std::size_t width)
{
    if (width < 8)
        width = 8;
    const std::string stamp = facts.time.Stamp();
    std::vector<std::string> lines = {
        OneLine(facts.header),
        "",
        "Company: " + OneLine(facts.company),
        "Location: " + OneLine(facts.location),
        "Date: " + stamp.substr(0, 10),
        "Time: " + stamp.substr(11),
        "Application: " + OneLine(facts.application),
        std::string("Priority: ") + PriorityName(facts.priority),
        "",
        "Alert:",
    };
    for (const std::string& line : Fold(OneLine(facts.text), width))
        lines.push_back(line);
    return lines;
}
