// Measuring half a font's widest character in a window's device context.
#include "record_text_unit.h"

#include <algorithm>

int HalfWidestCharacter(HWND window, HFONT font, int fallback)
{
    HDC dc = ::GetDC(window);
    if (!dc)
        return fallback;
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    int unit = fallback;
    if (GetTextMetricsA(dc, &metrics) && metrics.tmMaxCharWidth >= 2)
        unit = std::min<int>(metrics.tmMaxCharWidth / 2, std::max<int>(metrics.tmAveCharWidth, 1));
    SelectObject(dc, previous);
    ::ReleaseDC(window, dc);
    return unit;
}
