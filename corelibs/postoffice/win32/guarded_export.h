// The guard every exported call of the mail libraries (PLV.DLL, VXMAIL32.DLL) runs under: the
// library's one lock, and no exception ever reaching the caller.
#pragma once

#include <windows.h>

#include <exception>
#include <mutex>
#include <new>
#include <string>

namespace postoffice {

// Runs one call under the lock. Running out of memory answers `noMemory`; any other fault is
// reported to the debugger as "<library>: <call> failed[: <what>]" and answers `internal`.
template <typename Code, typename Work>
Code GuardedExport(std::mutex& lock, const char* library, const char* call, Code noMemory, Code internal, Work work)
{
    try {
        std::lock_guard<std::mutex> hold(lock);
        return work();
    } catch (const std::bad_alloc&) {
        return noMemory;
    } catch (const std::exception& fault) {
        OutputDebugStringA((std::string(library) + ": " + call + " failed: " + fault.what() + "\n").c_str());
        return internal;
    } catch (...) {
        OutputDebugStringA((std::string(library) + ": " + call + " failed\n").c_str());
        return internal;
    }
}

}  // namespace postoffice
