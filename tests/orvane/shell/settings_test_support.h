// Shared pieces of the settings cache tests: byte patterns, global blocks and a cache over the fake core.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "alert_settings.h"
#include "fake_alert_core.h"

inline std::vector<BYTE> Pattern(std::size_t size, BYTE seed)
{
    std::vector<BYTE> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<BYTE>(seed + i * 7 + (i >> 8));
    return bytes;
}

// A zero-filled global block holding these bytes, as a page allocates its recipient array.
inline void* GlobalCopy(const std::vector<BYTE>& bytes)
{
    void* block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes.size());
    std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

inline std::vector<BYTE> BytesAt(const void* start, std::size_t offset, std::size_t size)
{
    const BYTE* bytes = static_cast<const BYTE*>(start) + offset;
    return std::vector<BYTE>(bytes, bytes + size);
}

inline std::vector<BYTE> Slice(const std::vector<BYTE>& bytes, std::size_t offset, std::size_t size)
{
    return std::vector<BYTE>(bytes.begin() + offset, bytes.begin() + offset + size);
}

// Every byte of the three blocks different, and different for another seed.
inline FakeEverySetting PatternEverySetting(BYTE seed)
{
    FakeEverySetting every;
    for (std::size_t i = 0; i < every.flags.size(); ++i)
        every.flags[i] = static_cast<signed char>(seed + 1 + i);
    for (std::size_t i = 0; i < every.counts.size(); ++i)
        every.counts[i] = static_cast<WORD>(seed * 256 + 10 + i);
    every.settings = Pattern(3944, seed);
    return every;
}

inline FakeAnswer ReadAnswer(const FakeEverySetting& every, int result = 1)
{
    FakeAnswer answer;
    answer.result = result;
    answer.every = every;
    return answer;
}

inline FakeAnswer ListAnswer(WORD count, std::vector<BYTE> records, int result = 1)
{
    FakeAnswer answer;
    answer.result = result;
    answer.count = count;
    answer.data = std::move(records);
    return answer;
}

class AlertSettingsTest : public ::testing::Test {
protected:
    std::vector<BYTE> RecordBytes() const { return BytesAt(&settings.Record(), 0, sizeof(AlertSettingsRecord)); }
    std::vector<BYTE> LiveSettings() const { return BytesAt(&settings.Record().settings, 0, 3944); }

    FakeAlertCore core;
    char server[64] = "ORVHOST";
    CAlertSettings settings {core, server, "ALERT"};
};
