// TorpinLibrary: the archive library's start, temporary directory and end, bound by name.
#include "archive_library.h"

namespace {
using InitCall = DWORD(WINAPI*)(DWORD);
using TempCall = BOOL(WINAPI*)(DWORD, LPCSTR);
using DeInitCall = BOOL(WINAPI*)(DWORD);
using ListCall = BOOL(WINAPI*)(DWORD, const char*, int);
using TypeCall = int(WINAPI*)(DWORD, LPCSTR);
using ExpandCall = BOOL(WINAPI*)(DWORD, LPCSTR, LPSTR, DWORD);
using OpenCall = BOOL(WINAPI*)(DWORD, LPCSTR, void*);
using NameCall = LPCSTR(WINAPI*)(void*);
using WalkCall = BOOL(WINAPI*)(void*);
using StatusCall = int(WINAPI*)(void*);

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

bool TorpinLibrary::SetExtensionList(DWORD library, const char* entries, int count)
{
    FARPROC entry = Entry("SetExtensionList");
    return entry && As<ListCall>(entry)(library, entries, count);
}

int TorpinLibrary::ArchiveType(DWORD library, const std::string& path)
{
    FARPROC entry = Entry("GetArchiveFileType");
    return entry ? As<TypeCall>(entry)(library, path.c_str()) : 0;
}

std::string TorpinLibrary::ExpandCompressedFile(DWORD library, const std::string& path)
{
    FARPROC entry = Entry("DecompressMSCompressedFile");
    char expanded[MAX_PATH + 1] = {};
    if (!entry || !As<ExpandCall>(entry)(library, path.c_str(), expanded, 0))
        return {};
    expanded[MAX_PATH] = '\0';
    return expanded;
}

bool TorpinLibrary::OpenArchive(DWORD library, const std::string& path, void* walk)
{
    FARPROC entry = Entry("OpenArchiveFile");
    m_first = Entry("GetFirstFileName");
    m_next = Entry("GetNextFileName");
    m_extract = Entry("ExtractCurrentFile");
    m_remove = Entry("RemoveCurrentFile");
    m_status = Entry("GetLastExtractStatus");
    return entry && As<OpenCall>(entry)(library, path.c_str(), walk);
}

const char* TorpinLibrary::FirstMember(void* walk)
{
    return m_first ? As<NameCall>(m_first)(walk) : nullptr;
}

const char* TorpinLibrary::NextMember(void* walk)
{
    return m_next ? As<NameCall>(m_next)(walk) : nullptr;
}

const char* TorpinLibrary::ExtractMember(void* walk)
{
    return m_extract ? As<NameCall>(m_extract)(walk) : nullptr;
}

int TorpinLibrary::LastExtractStatus(void* walk)
{
    // A library without the call cannot say why: the member is reported as not extracted.
    return m_status ? As<StatusCall>(m_status)(walk) : 4;
}

void TorpinLibrary::RemoveMember(void* walk)
{
    if (m_remove)
        As<WalkCall>(m_remove)(walk);
}

void TorpinLibrary::CloseArchive(void* walk)
{
    if (FARPROC entry = Entry("CloseArchiveFile"))
        As<WalkCall>(entry)(walk);
}
