#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pantrove::gdiplus {
namespace {

TEST(BitmapPixels, ReadingOutGivesEveryPixelWithItsAlphaTopRowFirst) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(5, 3));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            bitmap.set_pixel(x, y, static_cast<ARGB>((0x40 + 0x30 * x) << 24 | (x * 40) << 16 | (y * 90) << 8 | 7));
    }
    std::vector<std::uint32_t> pixels(15);
    ASSERT_TRUE(bitmap.read_pixels(pixels));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(pixels[static_cast<size_t>(y * 5 + x)], bitmap.pixel(x, y)) << x << "," << y;
    }
}

TEST(BitmapPixels, ReadingOutRefusesABufferOfAnotherSize) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(4, 4));
    std::vector<std::uint32_t> pixels(15, 0xABABABAB);
    EXPECT_FALSE(bitmap.read_pixels(pixels));
    EXPECT_EQ(last_status(), Gdiplus::InvalidParameter);
    EXPECT_EQ(pixels.front(), 0xABABABABu);
    EXPECT_FALSE(Bitmap().read_pixels({}));
}

TEST(BitmapPixels, ABitmapOverTheCallersPixelsReadsAndWritesThemInPlace) {
    std::vector<std::uint32_t> pixels(6 * 4, 0xFF102030);
    pixels[7] = 0x80FF0000; // (1, 1)
    {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.create(6, 4, 6 * 4, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data())));
        EXPECT_EQ(bitmap.width(), 6u);
        EXPECT_EQ(bitmap.pixel(1, 1), 0x80FF0000u);
        EXPECT_EQ(bitmap.pixel(5, 3), 0xFF102030u);
        Graphics graphics;
        ASSERT_TRUE(graphics.create_from_image(bitmap));
        const SolidBrush green(0xFF00FF00);
        ASSERT_TRUE(graphics.fill_rectangle(green, 4, 2, 2, 2));
    }
    EXPECT_EQ(pixels[3 * 6 + 5], 0xFF00FF00u);
    EXPECT_EQ(pixels[0], 0xFF102030u);
}

} // namespace
} // namespace pantrove::gdiplus
