// The four version values of the engine's information call, as the information dialog shows them.
#include "engine_version_text.h"

#include <cstdio>

#include "locale_format.h"

std::string EngineVersionText(std::uint32_t value)
{
    const unsigned word = value & 0xFFFF;
    const unsigned hundreds = word / 100;
    char text[16];
    std::snprintf(text, sizeof text, "%u.%.2u", hundreds >= 18 ? hundreds - 18 : 0, word % 100);
    return text;
}

std::string EngineDateText(std::uint32_t value, const LocaleFormat& format)
{
    return format.FormatDosDate(static_cast<std::uint16_t>(value & 0xFFFF));
}
