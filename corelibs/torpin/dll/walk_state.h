// The layout of the caller's 940-byte walk state.
#pragma once

#include <cstddef>
#include <cstdint>

#include "torpin.h"

namespace torpin {

class ArchiveWalk;

struct WalkState {
    std::uint32_t magic;  // kWalkStateMagic while a walk is open in it
    std::uint32_t library;  // the library handle that opened it
    ArchiveWalk* walk;  // the walk, owned by that library
    std::uint8_t unused[TORPIN_WALK_STATE_BYTES - 12];
};

inline constexpr std::uint32_t kWalkStateMagic = 0x574E5054;  // "TPNW"

static_assert(sizeof(WalkState) == TORPIN_WALK_STATE_BYTES);
static_assert(offsetof(WalkState, magic) == 0);
static_assert(offsetof(WalkState, library) == 4);
static_assert(offsetof(WalkState, walk) == 8);

}  // namespace torpin
