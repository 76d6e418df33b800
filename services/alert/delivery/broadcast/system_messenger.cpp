// NetMessageBufferSend, bound by name only where it does not abort the caller.
#include "system_messenger.h"

#include <vector>

namespace system_messenger {

namespace {

using NetMessageBufferSendCall = DWORD(WINAPI*)(LPCWSTR server, LPCWSTR to, LPCWSTR from, LPBYTE text, DWORD size);

NetMessageBufferSendCall FindCall()
{
    if (RunningUnderWine())
        return nullptr;
    HMODULE netapi = LoadLibraryA("netapi32.dll");
    if (!netapi)
        return nullptr;
    return reinterpret_cast<NetMessageBufferSendCall>(
        reinterpret_cast<void*>(GetProcAddress(netapi, "NetMessageBufferSend")));
}

NetMessageBufferSendCall Call()
{
    static const NetMessageBufferSendCall call = FindCall();
    return call;
}

std::wstring Wide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

bool RunningUnderWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool Available()
{
    return Call() != nullptr;
}

DWORD Send(const std::string& computer, const std::string& text)
{
    const NetMessageBufferSendCall call = Call();
    if (!call)
        return ERROR_NOT_SUPPORTED;
    const std::wstring to = Wide(computer);
    std::wstring body = Wide(text);
    return call(nullptr, to.c_str(), nullptr, reinterpret_cast<LPBYTE>(body.data()),
        static_cast<DWORD>(body.size() * sizeof(wchar_t)));
}

}  // namespace system_messenger
