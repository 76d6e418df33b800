// Whole-file copies and comparisons through open handles, from the first byte, in blocks.
#pragma once

#include <windows.h>

namespace file_blocks {

// Moves the file pointer to the first byte.
bool Rewind(HANDLE file);
// Writes all of `from` to `to` from their first bytes and ends `to` there; true only when
// every byte was read and written.
bool CopyAll(HANDLE from, HANDLE to);
// Both files hold the same bytes, read from their first bytes to their ends.
bool SameContent(HANDLE a, HANDLE b);

}  // namespace file_blocks
