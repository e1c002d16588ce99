#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "skin/core/gdi_objects.h"
#include "tests/windows/gdiplus_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>
#include <ostream>
#include <string>

namespace pantrove::gdiplus {
namespace {

using testing_support::Canvas;

constexpr ARGB white = 0xFFFFFFFF;
constexpr ARGB red = 0xFFFF0000;
constexpr ARGB green = 0xFF00FF00;
constexpr ARGB blue = 0xFF0000FF;
constexpr ARGB yellow = 0xFFFFFF00;

// An unknown format identifier: no encoder writes it.
constexpr GUID unknown_format{0x12345678, 0x9abc, 0xdef0, {0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc, 0xde, 0xf0}};

bool starts_with(const ByteArray& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), bytes.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// A picture whose every pixel differs, some of them translucent when alpha is asked for.
Bitmap make_pattern(int width, int height, bool translucent) {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const ARGB alpha = translucent && (x + y) % 3 == 0 ? 0x80 : 0xFF;
            bitmap.set_pixel(x, y,
                             alpha << 24 | static_cast<ARGB>(x * 30) << 16 | static_cast<ARGB>(y * 40) << 8 | 0x55);
        }
    }
    return bitmap;
}

void expect_same_pixels(const Bitmap& actual, const Bitmap& expected) {
    ASSERT_EQ(actual.width(), expected.width());
    ASSERT_EQ(actual.height(), expected.height());
    for (unsigned y = 0; y < expected.height(); ++y) {
        for (unsigned x = 0; x < expected.width(); ++x) {
            const int ix = static_cast<int>(x), iy = static_cast<int>(y);
            EXPECT_EQ(actual.pixel(ix, iy), expected.pixel(ix, iy)) << "at " << x << "," << y;
        }
    }
}

std::string temp_path(std::string_view name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return narrow(folder) + std::string(name);
}

// A two-frame animated GIF, 1 × 1 pixel, with frame delays of 10 and 25 hundredths of a second.
ByteArray animated_gif() {
    ByteArray gif = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF};
    for (std::uint8_t delay : {10, 25}) {
        const ByteArray frame = {0x21, 0xF9, 4, 0, delay, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0};
        gif.insert(gif.end(), frame.begin(), frame.end());
    }
    gif.push_back(0x3B);
    return gif;
}

struct FormatCase {
    const char* name;
    GUID format;
    const char* signature;
    bool lossless;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

class BytesRoundTrip : public testing::TestWithParam<FormatCase> {};

TEST_P(BytesRoundTrip, SavedBytesLoadBackAsTheSamePicture) {
    const FormatCase c = GetParam();
    const Bitmap source = make_pattern(7, 5, false);
    const ByteArray bytes = source.save_to_bytes(c.format);
    ASSERT_TRUE(starts_with(bytes, c.signature)) << "status " << last_status() << ", " << bytes.size() << " bytes";

    Bitmap loaded;
    ASSERT_TRUE(loaded.load_from_bytes(bytes)) << "status " << last_status();
    EXPECT_EQ(loaded.raw_format(), c.format);
    ASSERT_EQ(loaded.width(), 7u);
    ASSERT_EQ(loaded.height(), 5u);
    if (c.lossless)
        expect_same_pixels(loaded, source);

    // Without a format the image is saved in its own.
    EXPECT_TRUE(starts_with(loaded.save_to_bytes(), c.signature));
}

INSTANTIATE_TEST_SUITE_P(Images, BytesRoundTrip,
                         testing::Values(FormatCase{"png", image_format::png, "\x89PNG", true},
                                         FormatCase{"bmp", image_format::bmp, "BM", true},
                                         FormatCase{"jpeg", image_format::jpeg, "\xFF\xD8", false}));

TEST(ImageBytes, PngKeepsTranslucentPixelsExactly) {
    const Bitmap source = make_pattern(6, 6, true);
    Bitmap loaded;
    ASSERT_TRUE(loaded.load_from_bytes(source.save_to_bytes(image_format::png)));
    expect_same_pixels(loaded, source);
}

TEST(ImageBytes, TheLoadedImageKeepsItsOwnCopyOfTheBytesUntilDestroyed) {
    const long streams = live_streams();
    ByteArray bytes = make_pattern(4, 4, false).save_to_bytes(image_format::png);
    Image image;
    ASSERT_TRUE(image.load_from_bytes(bytes));
    EXPECT_EQ(live_streams(), streams + 1);
    std::fill(bytes.begin(), bytes.end(), 0);
    bytes.clear();

    Canvas canvas(4, 4, 0);
    ASSERT_TRUE(canvas.graphics.draw_image(image, 0, 0, 4, 4));
    EXPECT_EQ(canvas.pixels().pixel(3, 3), make_pattern(4, 4, false).pixel(3, 3));

    EXPECT_TRUE(image.destroy());
    EXPECT_EQ(live_streams(), streams);
    EXPECT_FALSE(image.destroy());
}

TEST(ImageBytes, BytesThatAreNoPictureLoadNothingAndLeaveNothingOpen) {
    const long objects = live_objects();
    const long streams = live_streams();
    const ByteArray png = make_pattern(4, 4, false).save_to_bytes(image_format::png);
    for (const ByteArray& bytes : {ByteArray{}, ByteArray{1, 2, 3, 4, 5}, ByteArray(png.begin(), png.begin() + 8)}) {
        Image image;
        EXPECT_FALSE(image.load_from_bytes(bytes)) << bytes.size() << " bytes";
        EXPECT_NE(last_status(), Gdiplus::Ok);
        EXPECT_FALSE(image);
        Bitmap bitmap;
        EXPECT_FALSE(bitmap.load_from_bytes(bytes)) << bytes.size() << " bytes";
        EXPECT_EQ(live_streams(), streams);
    }
    EXPECT_EQ(live_objects(), objects);
}

TEST(ImageSaving, AnUnknownFormatWritesNothingAndLeavesNoStreamOpen) {
    const long streams = live_streams();
    const Bitmap source = make_pattern(3, 3, false);
    EXPECT_TRUE(source.save_to_bytes(unknown_format).empty());
    EXPECT_EQ(last_status(), Gdiplus::UnknownImageFormat);
    EXPECT_EQ(live_streams(), streams);

    const std::string file = temp_path("pantrove-unknown-format.img");
    DeleteFileW(widen(file).c_str());
    EXPECT_FALSE(source.save_to_file(file, unknown_format));
    EXPECT_EQ(last_status(), Gdiplus::UnknownImageFormat);
    EXPECT_EQ(GetFileAttributesW(widen(file).c_str()), INVALID_FILE_ATTRIBUTES);

    // A bitmap made in memory has the raw format of memory bitmaps, which no encoder writes.
    EXPECT_EQ(source.raw_format(), image_format::memory_bmp);
    EXPECT_TRUE(source.save_to_bytes().empty());
    EXPECT_EQ(live_streams(), streams);
}

TEST(ImageFiles, ASavedFileUnderAChineseNameLoadsBack) {
    const std::string file = temp_path("图片测试.bmp");
    const Bitmap source = make_pattern(5, 4, false);
    ASSERT_TRUE(source.save_to_file(file)) << "status " << last_status();
    {
        std::ifstream stream(widen(file).c_str(), std::ios::binary);
        const ByteArray head{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(starts_with(head, "BM"));
    }
    {
        Bitmap loaded;
        ASSERT_TRUE(loaded.load_from_file(file)) << "status " << last_status();
        expect_same_pixels(loaded, source);
        Image image;
        ASSERT_TRUE(image.load_from_file(file));
        EXPECT_EQ(image.raw_format(), image_format::bmp);
    }
    EXPECT_TRUE(DeleteFileW(widen(file).c_str()));
    Image missing;
    EXPECT_FALSE(missing.load_from_file(file));
}

TEST(ImageFrames, AnAnimatedGifTellsItsFrameDelays) {
    Image image;
    ASSERT_TRUE(image.load_from_bytes(animated_gif())) << "status " << last_status();
    EXPECT_EQ(image.raw_format(), image_format::gif);
    const auto delays = image.frame_delays();
    ASSERT_TRUE(delays.has_value()) << "status " << last_status();
    EXPECT_EQ(*delays, (std::vector<std::int32_t>{10, 25}));

    Image still;
    ASSERT_TRUE(still.load_from_bytes(make_pattern(2, 2, false).save_to_bytes(image_format::png)));
    EXPECT_FALSE(still.frame_delays().has_value());
}

// A 2 × 2 picture of four colours.
Bitmap four_colours() {
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(2, 2));
    bitmap.set_pixel(0, 0, red);
    bitmap.set_pixel(1, 0, green);
    bitmap.set_pixel(0, 1, blue);
    bitmap.set_pixel(1, 1, yellow);
    return bitmap;
}

TEST(ImageDrawing, TheWholeImageFillsTheRectangle) {
    const Bitmap source = four_colours();
    Canvas canvas(40, 40);
    ASSERT_TRUE(canvas.graphics.set_interpolation_mode(Gdiplus::InterpolationModeNearestNeighbor));
    ASSERT_TRUE(canvas.graphics.set_pixel_offset_mode(Gdiplus::PixelOffsetModeHalf));
    ASSERT_TRUE(canvas.graphics.draw_image(source, 10, 10, 20, 20));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(12, 12), red);
    EXPECT_EQ(pixels.pixel(27, 12), green);
    EXPECT_EQ(pixels.pixel(12, 27), blue);
    EXPECT_EQ(pixels.pixel(27, 27), yellow);
    EXPECT_EQ(pixels.pixel(5, 5), white);
    EXPECT_EQ(pixels.pixel(33, 33), white);
}

TEST(ImageDrawing, TheRectangleFormIgnoresResolutionWhereThePointFormDoesNot) {
    Bitmap source = four_colours();
    ASSERT_TRUE(source.set_resolution(48, 48));
    Canvas canvas(20, 20);
    ASSERT_TRUE(canvas.graphics.set_interpolation_mode(Gdiplus::InterpolationModeNearestNeighbor));
    ASSERT_TRUE(canvas.graphics.set_pixel_offset_mode(Gdiplus::PixelOffsetModeHalf));
    ASSERT_TRUE(canvas.graphics.draw_image(source, 0, 0));
    ASSERT_TRUE(canvas.graphics.draw_image(source, 10, 10, 2, 2));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(3, 3), yellow) << "drawn at twice its pixel size";
    EXPECT_EQ(pixels.pixel(11, 11), yellow);
    EXPECT_EQ(pixels.pixel(12, 12), white);
}

TEST(ImageDrawing, FlippingMirrorsThePicture) {
    Bitmap bitmap = four_colours();
    ASSERT_TRUE(bitmap.rotate_flip(Gdiplus::RotateNoneFlipX));
    EXPECT_EQ(bitmap.pixel(0, 0), green);
    EXPECT_EQ(bitmap.pixel(1, 1), blue);
}

TEST(ImageDrawing, AGdiBitmapShowsThePictureOverTheBackground) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(4, 4));
    bitmap.set_pixel(0, 0, red);
    const gdi::Bitmap gdi_bitmap(bitmap.to_hbitmap(blue));
    ASSERT_TRUE(gdi_bitmap);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, gdi_bitmap.get());
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
}

TEST(ImageDrawing, AnIconBecomesABitmapOfItsSize) {
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    ASSERT_NE(icon, nullptr);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create_from_hicon(icon)) << "status " << last_status();
    EXPECT_EQ(bitmap.width(), static_cast<unsigned>(GetSystemMetrics(SM_CXICON)));
    EXPECT_EQ(bitmap.height(), static_cast<unsigned>(GetSystemMetrics(SM_CYICON)));
}

struct RotationCase {
    float degrees;
    LONG width, height;
};

void PrintTo(const RotationCase& c, std::ostream* out) {
    *out << c.degrees << "_degrees";
}

// A 20 × 10 picture in four quadrants: red, green on top; blue, yellow below.
Bitmap quadrants() {
    Canvas canvas(20, 10);
    canvas.graphics.fill_rectangle(SolidBrush(red), 0, 0, 10, 5);
    canvas.graphics.fill_rectangle(SolidBrush(green), 10, 0, 10, 5);
    canvas.graphics.fill_rectangle(SolidBrush(blue), 0, 5, 10, 5);
    canvas.graphics.fill_rectangle(SolidBrush(yellow), 10, 5, 10, 5);
    canvas.pixels();
    return std::move(canvas.bitmap);
}

ARGB quadrant_colour(double x, double y) {
    if (y < 5)
        return x < 10 ? red : green;
    return x < 10 ? blue : yellow;
}

class RotatedCopy : public testing::TestWithParam<RotationCase> {};

TEST_P(RotatedCopy, TurnsThePictureAboutItsCentreIntoTheWholeBox) {
    const RotationCase c = GetParam();
    const Bitmap source = quadrants();
    const Bitmap copy = source.rotated_copy(c.degrees, std::nullopt, Gdiplus::InterpolationModeNearestNeighbor);
    ASSERT_TRUE(copy) << "status " << last_status();
    ASSERT_EQ(copy.width(), static_cast<unsigned>(c.width));
    ASSERT_EQ(copy.height(), static_cast<unsigned>(c.height));
    // Each probe is taken back into the source: about the target centre by the opposite angle.
    const double radians = c.degrees * std::numbers::pi / 180;
    for (int y = 2; y < c.height; y += 5) {
        for (int x = 2; x < c.width; x += 5) {
            const double dx = x + 0.5 - c.width / 2.0, dy = y + 0.5 - c.height / 2.0;
            const double sx = 10 + dx * std::cos(radians) + dy * std::sin(radians);
            const double sy = 5 - dx * std::sin(radians) + dy * std::cos(radians);
            EXPECT_EQ(copy.pixel(x, y), quadrant_colour(sx, sy)) << "at " << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Images, RotatedCopy,
                         testing::Values(RotationCase{0, 20, 10}, RotationCase{90, 10, 20}, RotationCase{180, 20, 10},
                                         RotationCase{270, 10, 20}));

TEST(RotatedCopyOptions, ABackgroundFillsTheCornersAndAGivenSizeIsKept) {
    const Bitmap source = quadrants();
    const Bitmap turned = source.rotated_copy(45, white);
    ASSERT_TRUE(turned);
    const SizeF box = Bitmap::rotated_size(20, 10, 45);
    EXPECT_EQ(turned.width(), static_cast<unsigned>(box.Width));
    EXPECT_EQ(turned.height(), static_cast<unsigned>(box.Height));
    EXPECT_EQ(turned.pixel(0, 0), white);
    EXPECT_EQ(source.rotated_copy(45).pixel(0, 0), 0u);

    const Bitmap sized = source.rotated_copy(0, std::nullopt, std::nullopt, SIZE{30, 30});
    ASSERT_EQ(sized.width(), 30u);
    ASSERT_EQ(sized.height(), 30u);
    EXPECT_EQ(sized.pixel(15, 15), yellow) << "the picture is centred";
    EXPECT_EQ(sized.pixel(2, 2), 0u);

    EXPECT_FALSE(Bitmap().rotated_copy(30));
}

TEST(RotatedSize, IsTheBoundingBoxOfTheTurnedRectangle) {
    const SizeF same = Bitmap::rotated_size(20, 10, 0);
    EXPECT_FLOAT_EQ(same.Width, 20);
    EXPECT_FLOAT_EQ(same.Height, 10);
    const SizeF upright = Bitmap::rotated_size(20, 10, 90);
    EXPECT_NEAR(upright.Width, 10, 1e-4);
    EXPECT_NEAR(upright.Height, 20, 1e-4);
    const SizeF diagonal = Bitmap::rotated_size(10, 10, 45);
    EXPECT_NEAR(diagonal.Width, 10 * std::numbers::sqrt2, 1e-4);
    EXPECT_NEAR(diagonal.Height, 10 * std::numbers::sqrt2, 1e-4);
}

} // namespace
} // namespace pantrove::gdiplus
