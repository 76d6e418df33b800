// Date, time, count, duration and attribute printers that follow the regional settings.
#pragma once

#include <cstdint>
#include <string>

#include "regional_settings.h"

class LocaleFormat {
public:
    // Second value meaning "no seconds".
    static constexpr int kNoSeconds = 61;

    explicit LocaleFormat(RegionalSettings settings = RegionalSettings::PanelDefaults());

    const RegionalSettings& Settings() const { return m_settings; }

    // The printf templates built from the settings.
    const std::string& DateTemplate() const { return m_dateTemplate; }
    const std::string& TimeTemplate(bool withSeconds) const;

    std::string FormatDate(int year, int month, int day) const;
    // A second outside 0..59 leaves the seconds out.
    std::string FormatTime(int hour, int minute, int second) const;
    std::string FormatDosDate(std::uint16_t packed) const;
    std::string FormatDosTime(std::uint16_t packed) const;
    std::string FormatCount(std::uint64_t value) const;
    std::string FormatMilliseconds(std::uint64_t milliseconds) const;

    static std::string FormatDuration(std::uint32_t seconds);
    static std::string FormatAttributes(std::uint32_t bits);

private:
    void BuildTemplates();

    RegionalSettings m_settings;
    bool m_fourDigitYear = false;
    std::string m_dateTemplate;
    std::string m_timeTemplate;
    std::string m_timeTemplateWithSeconds;
};

// The module-wide printers: the panels' built-in values until LoadSettings replaces them.
LocaleFormat& ModuleLocaleFormat();
