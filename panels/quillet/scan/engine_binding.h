// EngineBinding: the bound engine, its instance and the option block every call is made with.
#pragma once

#include <array>
#include <cstdint>

#include "engine_library.h"

// Word 11 of the option block switches the engine between scanning and curing.
constexpr int kCureSwitchWord = 11;

struct EngineBinding {
    EngineLibrary* library = nullptr;
    std::uint32_t instance = 0;
    // The block's first contents; words 0 to 2 follow the scan mode before each scan.
    std::array<std::uint16_t, kOptionWords> block = {1, 0, 6, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};

    bool Bound() const { return library != nullptr; }
    // Sets the cure switch and hands the block to the engine; true when it was accepted.
    bool PassOptions(bool cure)
    {
        block[kCureSwitchWord] = cure ? 1 : 0;
        return library && library->SetOptions(instance, block.data(), kOptionWords) == 0;
    }
    // Words 0 to 2 for a scan mode: secure 1, 0, 14; reviewer 2, 63, 15; any other fast 0, 0, 6.
    void SetScanMode(int mode)
    {
        const std::uint16_t words[3][3] = {{0, 0, 6}, {1, 0, 14}, {2, 63, 15}};
        const std::uint16_t* chosen = words[mode == 1 || mode == 2 ? mode : 0];
        block[0] = chosen[0];
        block[1] = chosen[1];
        block[2] = chosen[2];
    }
};
