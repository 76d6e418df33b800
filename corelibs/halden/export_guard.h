// Keeps exceptions inside the DLL: an exported call that throws returns its failure result.
#pragma once

#include <exception>

template <typename Body> int Guarded(int failure, Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}
