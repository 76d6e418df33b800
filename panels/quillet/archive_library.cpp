// TorpinLibrary: the archive library's start, temporary directory and end, bound by name.
#include "archive_library.h"

namespace {
using InitCall = DWORD(WINAPI*)(DWORD);
using TempCall = BOOL(WINAPI*)(DWORD, LPCSTR);
using DeInitCall = BOOL(WINAPI*)(DWORD);

template <class Call> Call As(FARPROC entry)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(entry));
}
}  // namespace

TorpinLibrary::~TorpinLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}

FARPROC TorpinLibrary::Entry(const char* name)
{
    if (!m_module)
        m_module = LoadLibraryA("TORPIN.DLL");
    return m_module ? GetProcAddress(m_module, name) : nullptr;
}

DWORD TorpinLibrary::Init(DWORD flags)
{
    FARPROC entry = Entry("InitDecompression");
    return entry ? As<InitCall>(entry)(flags) : 0;
}

bool TorpinLibrary::SetTemporaryDirectory(DWORD library, const std::string& directory)
{
    FARPROC entry = Entry("SetTemporaryDirectory");
    return entry && As<TempCall>(entry)(library, directory.c_str());
}

void TorpinLibrary::DeInit(DWORD library)
{
    if (FARPROC entry = Entry("DeInitDecompression"))
        As<DeInitCall>(entry)(library);
}
