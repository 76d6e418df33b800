// ConfigurationDateMovedOn: AlertGetCFGDate against the date a page kind loaded last.
#include "configuration_date.h"

#include <cstring>

#include "program_values.h"

bool ConfigurationDateMovedOn(const ProgramValues& values, const char* application, std::string& lastDate)
{
    constexpr std::size_t kDateSize = 256;
    char date[kDateSize] = {};
    if (AlertCore::Failed(values.Core().AlertGetCFGDate(values.serverName, application, date)))
        return false;
    const std::string current(date, strnlen(date, kDateSize));
    if (current == lastDate)
        return false;
    lastDate = current;
    return true;
}
