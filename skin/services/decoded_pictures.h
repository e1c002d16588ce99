// Pictures decoded once and kept while they are in use (as the shared picture, a window's own, a title
// button's or a status pane's): decoding a large JPEG costs more than drawing it
// (tests/benchmarks/background_benchmark.cpp), a window is rendered again on every size change, and a hovered title
// button is drawn every 20 ms while it fades. The pixels are plain memory, so no GDI+ object outlives a paint.
#pragma once

#include "gdiplus/image.h"
#include "text/text_types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace pantrove {

struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // 32-bit ARGB, top row first
    ByteArray source;                  // the encoded picture they were decoded from
};

// The decoded pixels of the encoded picture: the kept ones when a picture in use has the same bytes, else
// decoded now. Kept pictures no longer in use are dropped. Null when the bytes cannot be decoded.
[[nodiscard]] std::shared_ptr<DecodedPicture> decoded_picture(const ByteArray& bytes);

// A GDI+ bitmap reading the picture's pixels in place; the picture must outlive it.
[[nodiscard]] gdiplus::Bitmap bitmap_over(DecodedPicture& picture);

} // namespace pantrove
