// The state images that show a node's or a file's selection: 1 unselected, 2 selected, 3 partly.
#pragma once

#include <windows.h>

#include <commctrl.h>

// A new image list of the three check marks. A tree view draws state index n with image n, so
// its list starts with an empty image; a list view draws it with image n - 1.
enum class MarksFor { Tree, List };
HIMAGELIST MakeSelectionImages(MarksFor control);
// The state image index for an effective state 0, 1 or 2.
inline UINT SelectionImage(int effectiveState)
{
    return static_cast<UINT>(effectiveState < 0 || effectiveState > 2 ? 1 : effectiveState + 1);
}
// An image list of `count` 16-pixel images from a bitmap resource, magenta transparent.
HIMAGELIST LoadPanelImages(UINT bitmapId, int count);
