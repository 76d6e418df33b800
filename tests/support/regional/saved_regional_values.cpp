// Keeping and restoring the user's regional values.
#include "saved_regional_values.h"

#include <windows.h>

namespace {

const char kKey[] = "Control Panel\\International";
const char* const kNames[] = {
    "iDate", "sShortDate", "iTime", "iTLZero", "sDate", "sTime", "s1159", "s2359", "sThousand", "sDecimal"};

}  // namespace

SavedRegionalValues::SavedRegionalValues(bool clear)
{
    for (const char* name : kNames) {
        char value[256] = {};
        DWORD size = sizeof value;
        if (RegGetValueA(HKEY_CURRENT_USER, kKey, name, RRF_RT_REG_SZ, nullptr, value, &size) == ERROR_SUCCESS)
            m_saved[name] = value;
        if (clear)
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, name);
    }
}

SavedRegionalValues::~SavedRegionalValues()
{
    for (const char* name : kNames) {
        auto found = m_saved.find(name);
        if (found != m_saved.end())
            WriteProfileStringA("intl", name, found->second.c_str());
        else
            RegDeleteKeyValueA(HKEY_CURRENT_USER, kKey, name);
    }
}
