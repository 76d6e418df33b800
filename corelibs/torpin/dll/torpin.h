// TORPIN.DLL's interface: archive walks and compressed single files.
#pragma once

#include <windows.h>

// The walk state the caller allocates for each archive and frees after CloseArchiveFile.
#define TORPIN_WALK_STATE_BYTES 940

// GetArchiveFileType results; any other value means "not an archive".
#define TORPIN_TYPE_NONE 0
#define TORPIN_TYPE_ZIP 1
#define TORPIN_TYPE_ARJ 2
#define TORPIN_TYPE_CAB 4

// Each entry of the extension list is 4 characters, NUL-padded; at most 20 entries.
#define TORPIN_EXTENSION_CHARS 4
#define TORPIN_MAX_EXTENSIONS 20

// GetLastExtractStatus results: why the last ExtractCurrentFile on the current member
// gave no file, so that the caller can report "not scanned" with its reason.
#define TORPIN_EXTRACT_OK 0  // the member was extracted
#define TORPIN_EXTRACT_NO_MEMBER 1  // no member is current, none was tried, or no walk
#define TORPIN_EXTRACT_LIMIT 2  // over a size, ratio, total or count limit
#define TORPIN_EXTRACT_BAD_CRC 3  // decoded, but its CRC differs: damaged
#define TORPIN_EXTRACT_DAMAGED 4  // its stream or header cannot be decoded
#define TORPIN_EXTRACT_UNSUPPORTED 5  // a method this library does not decode
#define TORPIN_EXTRACT_ENCRYPTED 6  // encrypted (or garbled): never decoded
#define TORPIN_EXTRACT_OVERLAP 7  // its bytes were already extracted for another member
#define TORPIN_EXTRACT_WRITE_FAILED 8  // the temporary file could not be created or written

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI InitDecompression(DWORD flags);
BOOL WINAPI SetTemporaryDirectory(DWORD library, LPCSTR directory);
BOOL WINAPI SetExtensionList(DWORD library, const char* extensions, int count);
int WINAPI GetArchiveFileType(DWORD library, LPCSTR path);
BOOL WINAPI OpenArchiveFile(DWORD library, LPCSTR path, void* walkState);
// Member names are at most 255 bytes, with control characters replaced by '_'; the name
// stays valid until the next GetFirstFileName, GetNextFileName or CloseArchiveFile.
LPCSTR WINAPI GetFirstFileName(void* walkState);
LPCSTR WINAPI GetNextFileName(void* walkState);
LPCSTR WINAPI ExtractCurrentFile(void* walkState);
BOOL WINAPI RemoveCurrentFile(void* walkState);
BOOL WINAPI CloseArchiveFile(void* walkState);
BOOL WINAPI DecompressMSCompressedFile(DWORD library, LPCSTR path, LPSTR expandedPath, DWORD reserved);
BOOL WINAPI DeInitDecompression(DWORD library);
// Why the last ExtractCurrentFile on the current member gave no file: TORPIN_EXTRACT_*.
int WINAPI GetLastExtractStatus(void* walkState);

#ifdef __cplusplus
}
#endif
