// The ordinals of KELVEX32.DLL: C calling convention, no exception ever leaves them.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine_instance.h"
#include "sig_file_format.h"

using kelvex::EngineInstance;

namespace {

constexpr unsigned kBadInstance = 1;

std::mutex g_lock;
// Handle n is slot n - 1. A call holds its own reference, so that an instance closed by
// another thread meanwhile lives until that call is done.
std::vector<std::shared_ptr<EngineInstance>> g_instances;

std::shared_ptr<EngineInstance> Find(uint32_t handle)
{
    std::lock_guard<std::mutex> guard(g_lock);
    if (handle == 0 || handle > g_instances.size())
        return nullptr;
    return g_instances[handle - 1];
}

// Runs work on the instance, answering failure for an unknown handle or an exception.
template <typename Work> unsigned With(uint32_t handle, unsigned failure, Work work)
{
    try {
        std::shared_ptr<EngineInstance> e = Find(handle);
        if (!e)
            return failure;
        std::lock_guard<std::mutex> busy(e->Busy());
        return work(*e);
    } catch (...) {
        return failure;
    }
}

}  // namespace

extern "C" {

unsigned KvxOpen(uint32_t* handle)
{
    if (!handle)
        return kBadInstance;
    try {
        std::lock_guard<std::mutex> guard(g_lock);
        g_instances.push_back(std::make_shared<EngineInstance>());
        *handle = uint32_t(g_instances.size());
        return 0;
    } catch (...) {
        return kelvex::kLoadOutOfMemory;
    }
}

unsigned KvxClose(uint32_t handle)
{
    std::lock_guard<std::mutex> guard(g_lock);
    if (handle == 0 || handle > g_instances.size() || !g_instances[handle - 1])
        return kBadInstance;
    g_instances[handle - 1].reset();
    return 0;
}

unsigned KvxGetOptions(uint32_t handle, uint16_t* words, int count)
{
    return With(handle, kBadInstance, [&](EngineInstance& e) { return e.GetOptions(words, count) ? 0u : 1u; });
}

unsigned KvxSetOptions(uint32_t handle, const uint16_t* words, int count)
{
    return With(handle, kBadInstance, [&](EngineInstance& e) { return e.SetOptions(words, count) ? 0u : 1u; });
}

unsigned KvxSignatureCount(uint32_t handle)
{
    return With(handle, 0, [](EngineInstance& e) { return unsigned(e.SignatureCount()); });
}

unsigned KvxUnloadSignatures(uint32_t handle)
{
    return With(handle, kBadInstance, [](EngineInstance& e) {
        e.Unload();
        return 0u;
    });
}

unsigned KvxLoadSignatures(uint32_t handle)
{
    return With(handle, kelvex::kLoadNotOpened, [](EngineInstance& e) { return e.Load("VIRSIG.DAT"); });
}

unsigned KvxLoadSignaturesFrom(uint32_t handle, const char* path)
{
    if (!path)
        return kelvex::kLoadNotOpened;
    return With(handle, kelvex::kLoadNotOpened, [&](EngineInstance& e) { return e.Load(path); });
}

unsigned KvxVersions(
    uint32_t handle, uint32_t* engineVersion, uint32_t* signatureVersion, uint32_t* engineDate, uint32_t* signatureDate)
{
    return With(handle, kBadInstance, [&](EngineInstance& e) {
        e.Versions(engineVersion, signatureVersion, engineDate, signatureDate);
        return 0u;
    });
}

unsigned KvxScanBuffer(uint32_t handle, const void* data, uint32_t size)
{
    return With(handle, kelvex::kStatusNotReady, [&](EngineInstance& e) { return e.ScanBuffer(data, size); });
}

unsigned KvxScanFile(uint32_t handle, const char* path, HANDLE file)
{
    return With(handle, kelvex::kStatusNotReady, [&](EngineInstance& e) { return e.ScanFile(path, file); });
}

unsigned KvxScanPath(uint32_t handle, const char* path)
{
    return With(
        handle, kelvex::kStatusNotReady, [&](EngineInstance& e) { return e.ScanFile(path, INVALID_HANDLE_VALUE); });
}

unsigned KvxScanBoot(uint32_t handle, int drive)
{
    return With(handle, kelvex::kStatusNotReady, [&](EngineInstance& e) { return e.ScanBoot(drive); });
}

unsigned KvxNeutralizeBoot(uint32_t handle, int drive, int, int, int, int)
{
    return With(handle, kBadInstance, [&](EngineInstance& e) { return e.NeutralizeBoot(drive); });
}

unsigned KvxLastVirusId(uint32_t handle)
{
    return With(handle, 0, [](EngineInstance& e) { return unsigned(e.LastId()); });
}

const char* KvxLastVirusName(uint32_t handle)
{
    try {
        std::shared_ptr<EngineInstance> e = Find(handle);
        if (!e)
            return "";
        std::lock_guard<std::mutex> busy(e->Busy());
        return e->LastName();
    } catch (...) {
        return "";
    }
}

const char* KvxEngineText(uint32_t)
{
    return "KELVEX32 scanning engine 1.00";
}

unsigned KvxRelease(uint32_t handle)
{
    return KvxUnloadSignatures(handle);
}

unsigned KvxPrepare(uint32_t handle)
{
    return With(handle, kBadInstance, [](EngineInstance& e) {
        e.ForgetLast();
        return 0u;
    });
}

unsigned KvxNotSupported()
{
    return kelvex::kStatusNotSupported;
}

}  // extern "C"
