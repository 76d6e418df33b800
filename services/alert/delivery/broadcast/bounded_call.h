// RunBounded: a call that may hang on the network (the system's message call, a browse of a
// domain), made on a thread of its own so that the caller's wait is bounded.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

// Runs `work` and waits at most `timeoutMs`, or until `stop` (may be null) is signalled.
// Answers the work's result, or nothing when the wait ended first: the thread then finishes
// on its own and its result is dropped, so `work` must own (or share) whatever it touches.
// A work that throws answers ERROR_GEN_FAILURE.
std::optional<DWORD> RunBounded(std::function<DWORD()> work, DWORD timeoutMs, HANDLE stop);
