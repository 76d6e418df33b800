// The lines of a printed trouble ticket.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "civil_time.h"

struct TicketFacts {
    std::string header;  // the page's "Trouble Ticket Header:" text
    std::string company;
    std::string location;
    CivilTime time;
    std::string application;
    int priority = 3;
    std::string text;
};

// The header, then one "Name: value" line each for company, location, date (MM/DD/YYYY),
// time (hh:mm:ss), application and priority, a blank line and "Alert:" with the alert text
// folded at blanks into lines of at most `width` characters (a longer word is broken). Control
// characters become blanks, so nothing in the text can move the print head.
std::vector<std::string> TicketLines(const TicketFacts& facts, std::size_t width = 72);
