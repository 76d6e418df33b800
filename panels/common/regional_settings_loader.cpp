// Registry and profile readers of the regional settings.
#include "regional_settings_loader.h"

#include <cstdlib>
#include <string>

#include "locale_format.h"

namespace {

class RegistryValues {
public:
    RegistryValues(HKEY root, const char* path)
    {
        if (RegOpenKeyExA(root, path, 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~RegistryValues()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    RegistryValues(const RegistryValues&) = delete;
    RegistryValues& operator=(const RegistryValues&) = delete;

    // Replaces `value` only when the registry has a string of that name.
    void Read(const char* name, std::string& value) const
    {
        char buffer[256];
        DWORD type = 0;
        DWORD size = sizeof buffer - 1;
        if (!m_key ||
            RegQueryValueExA(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return;
        buffer[size] = '\0';
        value = buffer;
    }

    void Read(const char* name, int& value) const
    {
        std::string text;
        Read(name, text);
        if (!text.empty())
            value = std::atoi(text.c_str());
    }

private:
    HKEY m_key = nullptr;
};

}  // namespace

RegionalSettings ReadRegionalSettings(HKEY root, const char* keyPath)
{
    RegionalSettings settings = RegionalSettings::Defaults();
    RegistryValues values(root, keyPath);
    int clock = settings.clock24 ? 1 : 0;
    int leadingZero = settings.hourLeadingZero ? 1 : 0;
    values.Read("iDate", settings.dateOrder);
    values.Read("sShortDate", settings.shortDatePicture);
    values.Read("iTime", clock);
    values.Read("iTLZero", leadingZero);
    values.Read("sThousand", settings.thousandSeparator);
    values.Read("sDecimal", settings.decimalSeparator);
    values.Read("sDate", settings.dateSeparator);
    values.Read("sTime", settings.timeSeparator);
    values.Read("s1159", settings.morningSuffix);
    values.Read("s2359", settings.afternoonSuffix);
    settings.clock24 = (clock & 1) != 0;
    settings.hourLeadingZero = leadingZero == 1;
    settings.Normalise();
    return settings;
}

void LoadSettings()
{
    ModuleLocaleFormat() = LocaleFormat(ReadRegionalSettings());
}

IntlProfile ReadIntlProfile()
{
    IntlProfile profile;
    char text[256];
    GetProfileStringA("intl", "sShortDate", profile.shortDatePicture.c_str(), text, sizeof text);
    profile.shortDatePicture = text;
    profile.clock24 = GetProfileIntA("intl", "iTime", 1) != 0;
    profile.hourLeadingZero = GetProfileIntA("intl", "iTLZero", 1) != 0;
    GetProfileStringA("intl", "s2359", "", text, sizeof text);
    profile.afternoonSuffix = text;
    GetProfileStringA("intl", "sTime", ":", text, sizeof text);
    profile.timeSeparator = text;
    GetProfileStringA("intl", "s1159", "", text, sizeof text);
    profile.morningSuffix = text;
    return profile;
}

const ProfileDateFormat& IntlProfileDateFormat()
{
    static const ProfileDateFormat format(ReadIntlProfile());
    return format;
}
