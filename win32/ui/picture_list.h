#pragma once
// Small row pictures (16 x 16 bitmap resources drawn on button-face grey) kept in one image list
// and drawn through a mask of that grey, so that the row's own background shows around them.
#include <windows.h>

#include <commctrl.h>

#include <utility>
#include <vector>

#include "win32/handles.h"

namespace win32 {

class PictureList {
  public:
    static constexpr int kSize = 16;

    explicit PictureList(HINSTANCE instance) : instance_(instance) {}
    // Draws a picture resource with its top left corner at (x, y); false when there is none.
    bool Draw(int picture, HDC dc, int x, int y);

  private:
    // The image list index of a picture resource, loaded on first use; -1 when there is none.
    int Index(int picture);

    HINSTANCE instance_;
    OwnedImageList images_;
    std::vector<std::pair<int, int>> loaded_;  // picture resource id, image list index
};

}  // namespace win32
