// The configuration-date poll every notification page makes before it reads its list again.
#pragma once

#include <string>

struct ProgramValues;

// Asks the core for the application's configuration date. True, with `lastDate` moved on to
// it, when the date differs from `lastDate`; false when it is the same or the core failed.
bool ConfigurationDateMovedOn(const ProgramValues& values, const char* application, std::string& lastDate);
