// Helpers of the GDI+ tests: a bitmap to draw on and colour comparisons.
#pragma once

#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace pantrove::gdiplus::testing_support {

// A 32-bit ARGB bitmap with a graphics object on it, cleared to one colour.
struct Canvas {
    Canvas(int width, int height, ARGB background = 0xFFFFFFFF) {
        EXPECT_TRUE(bitmap.create(width, height));
        EXPECT_TRUE(graphics.create_from_image(bitmap));
        EXPECT_TRUE(graphics.clear(background));
    }
    // Ends drawing so the pixels can be read.
    Bitmap& pixels() {
        graphics.destroy();
        return bitmap;
    }

    Bitmap bitmap;
    Graphics graphics;
};

inline int channel(ARGB colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

// Every channel within tolerance.
inline bool close_to(ARGB actual, ARGB expected, int tolerance) {
    for (int shift : {0, 8, 16, 24}) {
        if (std::abs(channel(actual, shift) - channel(expected, shift)) > tolerance)
            return false;
    }
    return true;
}

// Pixels of the bitmap for which the test holds.
inline int count_pixels(const Bitmap& bitmap, const std::function<bool(ARGB)>& test) {
    int count = 0;
    for (unsigned y = 0; y < bitmap.height(); ++y) {
        for (unsigned x = 0; x < bitmap.width(); ++x)
            count += test(bitmap.pixel(static_cast<int>(x), static_cast<int>(y))) ? 1 : 0;
    }
    return count;
}

} // namespace pantrove::gdiplus::testing_support
