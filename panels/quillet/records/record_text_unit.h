// The unit the scan log viewer measures its columns and tab stops in: half a font's widest character.
#pragma once

#include <windows.h>

// Half the widest character of `font` in pixels, `fallback` when it cannot be measured. A font
// whose widest glyph is more than twice its average (a substitute with a few very wide symbols)
// counts its average instead, so that the columns stay readable.
int HalfWidestCharacter(HWND window, HFONT font, int fallback);
