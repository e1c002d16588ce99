// The picture drawn over a skinned window's body. SkinObject::paint_background (skin/core/skin_object.h)
// paints the whole body with it.
#pragma once

#include "gdiplus/image.h"
#include "skin/services/decoded_pictures.h"

#include <windows.h>

#include <memory>

namespace pantrove {

// A bitmap to draw and the decoded pixels it may read in place.
struct BackgroundBitmap {
    std::shared_ptr<DecodedPicture> pixels; // declared first: it must outlive the bitmap
    gdiplus::Bitmap bitmap;
};

// The picture of window `number` ready to draw for its mode (the window's own picture and mode when it has
// one, else the shared ones): for modes 0 to 3 the picture itself, for mode 4 a strip as wide as the client
// area in which the picture alternates with its mirror image. No bitmap for any other mode or when the
// picture cannot be decoded.
[[nodiscard]] BackgroundBitmap load_background_bitmap(int number, const RECT& client);

} // namespace pantrove
