// The mail password's scrambling, shared by the Alert Manager and the Alert Service: the password
// travels to the core and rests in the settings block scrambled; the service unscrambles it to sign in.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kScrambledPasswordSize = 48;

// Exclusive-or with this table: the same call scrambles and unscrambles.
inline constexpr char kMailPasswordTable[] = "q7Vr#Kd2xN!m8Lp4@Wz6Hs%j3Tf9^Bc5Yg&1Qe*0Ru+Xa-Dn";
static_assert(sizeof kMailPasswordTable == kScrambledPasswordSize + 1);

// May work in place.
inline void ScrambleMailPassword(std::uint8_t* to, const std::uint8_t* from)
{
    for (std::size_t i = 0; i < kScrambledPasswordSize; ++i)
        to[i] = static_cast<std::uint8_t>(from[i] ^ static_cast<std::uint8_t>(kMailPasswordTable[i]));
}
