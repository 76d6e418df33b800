// A QVNumSpin control of a page exchanged with a number, and the library that registers the class.
#pragma once

#include <windows.h>

class CDataExchange;

// Loading: the range is set first, then the value (which the control clamps to it). Saving:
// the control's value, clamped to the range.
void ExchangeNumSpin(CDataExchange& exchange, int id, int& value, int minimum, int maximum);

// QVCTRLU.DLL held for as long as a sheet with numeric spin controls may be shown: its window
// classes exist only while it is loaded.
class CustomControlsLoaded {
public:
    CustomControlsLoaded();
    ~CustomControlsLoaded();
    CustomControlsLoaded(const CustomControlsLoaded&) = delete;
    CustomControlsLoaded& operator=(const CustomControlsLoaded&) = delete;
    bool Loaded() const { return m_library != nullptr; }

private:
    HMODULE m_library;
};
