// Reads the regional settings from the registry into the module-wide printers.
#pragma once

#include <windows.h>

#include "profile_date_format.h"
#include "regional_settings.h"

// Reads "Control Panel\International" under the given root, value by value; a missing
// key or value gives the built-in default.
RegionalSettings ReadRegionalSettings(
    HKEY root = HKEY_CURRENT_USER, const char* keyPath = "Control Panel\\International");

// Rebuilds the module-wide printers from the registry; called at start-up and again
// when Windows reports a change of the "intl" section.
void LoadSettings();

// The local scanner's second printer, read from the "intl" profile section once, on first use.
const ProfileDateFormat& IntlProfileDateFormat();
IntlProfile ReadIntlProfile();
