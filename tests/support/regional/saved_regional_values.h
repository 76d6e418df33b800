// SavedRegionalValues: the user's regional values, put back as they were when it goes.
#pragma once

#include <map>
#include <string>

class SavedRegionalValues {
public:
    // Reads every value of "Control Panel\International" that the printers use; with `clear`
    // they are then removed, so the test starts from a computer without regional values.
    explicit SavedRegionalValues(bool clear = false);
    // Writes the kept values back and removes those that were not there.
    ~SavedRegionalValues();
    SavedRegionalValues(const SavedRegionalValues&) = delete;
    SavedRegionalValues& operator=(const SavedRegionalValues&) = delete;

private:
    std::map<std::string, std::string> m_saved;
};
