// The check marks drawn once by the system into an image list; the panel's bitmaps loaded.
#include "selection_images.h"

#include "module.h"

namespace {

constexpr int kImageSize = 16;

}  // namespace

HIMAGELIST MakeSelectionImages(MarksFor control)
{
    const int first = control == MarksFor::Tree ? 1 : 0;
    HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 4, 0);
    if (!images)
        return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kImageSize * (first + 3), kImageSize);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, kImageSize * (first + 3), kImageSize};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &all, magenta);
    DeleteObject(magenta);
    const UINT looks[3] = {DFCS_BUTTONCHECK | DFCS_FLAT, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT,
        DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE | DFCS_FLAT};
    for (int i = 0; i < 3; ++i) {
        RECT box = {kImageSize * (i + first) + 2, 2, kImageSize * (i + first + 1) - 1, kImageSize - 1};
        DrawFrameControl(dc, &box, DFC_BUTTON, looks[i]);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    DeleteObject(bitmap);
    return images;
}

HIMAGELIST LoadPanelImages(UINT bitmapId, int count)
{
    HIMAGELIST images = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, count, 0);
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (images && bitmap)
        ImageList_AddMasked(images, bitmap, RGB(255, 0, 255));
    if (bitmap)
        DeleteObject(bitmap);
    return images;
}
