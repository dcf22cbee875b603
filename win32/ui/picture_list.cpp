#include "win32/ui/picture_list.h"

namespace win32 {

namespace {

// Pictures are drawn on button-face grey; that grey is the mask.
constexpr COLORREF kPictureBackground = RGB(192, 192, 192);

}  // namespace

int PictureList::Index(int picture) {
    if (picture == 0) return -1;
    for (const auto& [id, index] : loaded_) {
        if (id == picture) return index;
    }
    if (!images_) images_.Reset(ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 5, 5));
    int index = -1;
    if (images_) {
        OwnedBitmap bitmap(static_cast<HBITMAP>(
            LoadImageW(instance_, MAKEINTRESOURCEW(picture), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (bitmap) index = ImageList_AddMasked(images_.Get(), bitmap.Get(), kPictureBackground);
    }
    loaded_.emplace_back(picture, index);
    return index;
}

bool PictureList::Draw(int picture, HDC dc, int x, int y) {
    const int index = Index(picture);
    return index >= 0 && ImageList_Draw(images_.Get(), index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace win32
