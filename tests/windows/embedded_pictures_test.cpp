// The pictures in the program's resources, decoded by GDI+ as the painters will decode them: sizes, formats, the
// glyph pixels the painters rely on, and the two backgrounds.
#include "resources/embedded.h"

#include <objidl.h>
#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace pantrove {
namespace {

namespace flat = Gdiplus::DllExports;

struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};

// A GDI+ bitmap decoded from bytes, with the stream it reads from (GDI+ may read the stream until the bitmap is
// disposed).
class DecodedPicture {
public:
    explicit DecodedPicture(std::span<const std::uint8_t> bytes) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (memory == nullptr)
            return;
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, bytes.data(), bytes.size());
            GlobalUnlock(memory);
        }
        IStream* stream = nullptr;
        if (CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
            GlobalFree(memory);
            return;
        }
        stream_.reset(stream);
        status_ = flat::GdipCreateBitmapFromStream(stream, &bitmap_);
    }
    ~DecodedPicture() {
        if (bitmap_ != nullptr)
            flat::GdipDisposeImage(bitmap_);
    }
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;

    bool ok() const { return status_ == Gdiplus::Ok && bitmap_ != nullptr; }
    UINT width() const {
        UINT width = 0;
        flat::GdipGetImageWidth(bitmap_, &width);
        return width;
    }
    UINT height() const {
        UINT height = 0;
        flat::GdipGetImageHeight(bitmap_, &height);
        return height;
    }
    Gdiplus::PixelFormat pixel_format() const {
        Gdiplus::PixelFormat format = 0;
        flat::GdipGetImagePixelFormat(bitmap_, &format);
        return format;
    }
    GUID raw_format() const {
        GUID format{};
        flat::GdipGetImageRawFormat(bitmap_, &format);
        return format;
    }
    Gdiplus::ARGB pixel(int x, int y) const {
        Gdiplus::ARGB colour = 0;
        flat::GdipBitmapGetPixel(bitmap_, x, y, &colour);
        return colour;
    }

private:
    std::unique_ptr<IStream, StreamRelease> stream_;
    Gdiplus::GpBitmap* bitmap_ = nullptr;
    Gdiplus::Status status_ = Gdiplus::GenericError;
};

int alpha(Gdiplus::ARGB c) {
    return static_cast<int>(c >> 24);
}
int red(Gdiplus::ARGB c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
int green(Gdiplus::ARGB c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int blue(Gdiplus::ARGB c) {
    return static_cast<int>(c & 0xFF);
}
bool is_dark(Gdiplus::ARGB c) {
    return std::max({red(c), green(c), blue(c)}) < 64;
}
// A faint separator pixel: dark, visible, but well short of opaque.
bool is_faint_line(Gdiplus::ARGB c) {
    return is_dark(c) && alpha(c) > 0 && alpha(c) < 128;
}

// ---- Every picture: present, decodable at its size, in its format.

struct PictureCase {
    Picture picture;
    const char* name;
    UINT width;
    UINT height;
    bool png;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

const PictureCase all_pictures[] = {
    {Picture::Help, "help", 26, 18, true},
    {Picture::MainMenu, "main_menu", 26, 18, true},
    {Picture::Minimise, "minimise", 26, 18, true},
    {Picture::Maximise, "maximise", 26, 18, true},
    {Picture::Restore, "restore", 26, 18, true},
    {Picture::Close, "close", 38, 18, true},
    {Picture::CheckFrame, "check_frame", 13, 13, true},
    {Picture::CheckMark, "check_mark", 13, 13, true},
    {Picture::ArrowDown, "arrow_down", 7, 4, true},
    {Picture::ArrowUp, "arrow_up", 7, 4, true},
    {Picture::ArrowLeft, "arrow_left", 4, 7, true},
    {Picture::ArrowRight, "arrow_right", 4, 7, true},
    {Picture::BackgroundSmall, "background_small", 945, 630, false},
    {Picture::BackgroundWide, "background_wide", 1920, 1200, false},
};

class EmbeddedPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(EmbeddedPicture, DecodesWithGdiplusAtItsSizeInItsFormat) {
    const PictureCase& c = GetParam();
    const auto bytes = embedded_view(c.picture);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(embedded_bytes(c.picture), ByteArray(bytes.begin(), bytes.end()));

    const DecodedPicture decoded(bytes);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.width(), c.width);
    EXPECT_EQ(decoded.height(), c.height);
    EXPECT_EQ(decoded.raw_format(), c.png ? Gdiplus::ImageFormatPNG : Gdiplus::ImageFormatJPEG);
    if (c.png) {
        // IHDR: bit depth 8, colour type 6 (RGB with alpha).
        ASSERT_GT(bytes.size(), 26u);
        EXPECT_EQ(bytes[24], 8);
        EXPECT_EQ(bytes[25], 6);
        EXPECT_TRUE(Gdiplus::IsAlphaPixelFormat(decoded.pixel_format()));
    } else {
        const std::uint8_t jfif[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};
        ASSERT_GT(bytes.size(), sizeof jfif);
        EXPECT_TRUE(std::equal(std::begin(jfif), std::end(jfif), bytes.begin()));
    }
}

INSTANTIATE_TEST_SUITE_P(All, EmbeddedPicture, testing::ValuesIn(all_pictures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EmbeddedBytes, UnknownResourceGivesNothing) {
    EXPECT_TRUE(embedded_view(9999).empty());
    EXPECT_TRUE(embedded_bytes(9999).empty());
}

// ---- Title buttons: separator lines of their own and a dark glyph inside.

enum class Separators { TopBand, TopAndLeft, TopLeftAndRight };

struct TitleCase {
    Picture picture;
    const char* name;
    Separators separators;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.name;
}

const TitleCase title_pictures[] = {
    {Picture::Help, "help", Separators::TopBand},
    {Picture::MainMenu, "main_menu", Separators::TopBand},
    {Picture::Minimise, "minimise", Separators::TopAndLeft},
    {Picture::Maximise, "maximise", Separators::TopAndLeft},
    {Picture::Restore, "restore", Separators::TopAndLeft},
    {Picture::Close, "close", Separators::TopLeftAndRight},
};

class TitlePicture : public testing::TestWithParam<TitleCase> {};

TEST_P(TitlePicture, HasFaintSeparatorLinesAndADarkGlyphOnATransparentGround) {
    const TitleCase& c = GetParam();
    const DecodedPicture p(embedded_view(c.picture));
    ASSERT_TRUE(p.ok());
    const int w = static_cast<int>(p.width());
    const int h = static_cast<int>(p.height());

    const int band_rows = c.separators == Separators::TopBand ? 3 : 1;
    for (int y = 0; y < band_rows; ++y)
        for (int x = 0; x < w; ++x)
            EXPECT_TRUE(is_faint_line(p.pixel(x, y))) << "top line at " << x << "," << y;
    EXPECT_EQ(alpha(p.pixel(2, band_rows)), 0);

    const bool left = c.separators != Separators::TopBand;
    const bool right = c.separators == Separators::TopLeftAndRight;
    for (int y = band_rows; y <= 5; ++y) {
        EXPECT_EQ(is_faint_line(p.pixel(0, y)), left) << "left edge row " << y;
        EXPECT_EQ(is_faint_line(p.pixel(w - 1, y)), right) << "right edge row " << y;
    }
    EXPECT_EQ(alpha(p.pixel(0, 6)), 0);
    EXPECT_EQ(alpha(p.pixel(w - 1, 6)), 0);

    // The glyph: opaque dark pixels, all clear of the edges, and a transparent bottom row.
    int glyph_pixels = 0;
    for (int y = band_rows; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto colour = p.pixel(x, y);
            if (alpha(colour) == 255) {
                EXPECT_TRUE(is_dark(colour)) << x << "," << y;
                EXPECT_TRUE(x >= 4 && x < w - 4 && y < h - 1) << x << "," << y;
                ++glyph_pixels;
            }
        }
    EXPECT_GE(glyph_pixels, 10);
    for (int x = 0; x < w; ++x)
        EXPECT_EQ(alpha(p.pixel(x, h - 1)), 0) << x;
}

INSTANTIATE_TEST_SUITE_P(All, TitlePicture, testing::ValuesIn(title_pictures),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Arrows: exactly these opaque black pixels, every other pixel fully transparent.

struct ArrowCase {
    Picture picture;
    const char* name;
    std::vector<std::string> rows;
};

void PrintTo(const ArrowCase& c, std::ostream* os) {
    *os << c.name;
}

const ArrowCase arrows[] = {
    {Picture::ArrowDown, "down", {"#######", ".#####.", "..###..", "...#..."}},
    {Picture::ArrowUp, "up", {"...#...", "..###..", ".#####.", "#######"}},
    {Picture::ArrowLeft, "left", {"...#", "..##", ".###", "####", ".###", "..##", "...#"}},
    {Picture::ArrowRight, "right", {"#...", "##..", "###.", "####", "###.", "##..", "#..."}},
};

class ArrowPicture : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowPicture, IsAnOpaqueBlackTriangleOnATransparentGround) {
    const ArrowCase& c = GetParam();
    const DecodedPicture p(embedded_view(c.picture));
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.height(), c.rows.size());
    for (int y = 0; y < static_cast<int>(c.rows.size()); ++y) {
        ASSERT_EQ(p.width(), c.rows[y].size());
        for (int x = 0; x < static_cast<int>(c.rows[y].size()); ++x) {
            const auto colour = p.pixel(x, y);
            if (c.rows[y][x] == '#')
                EXPECT_EQ(colour, 0xFF000000u) << x << "," << y;
            else
                EXPECT_EQ(alpha(colour), 0) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, ArrowPicture, testing::ValuesIn(arrows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Check box pictures.

void expect_border(const DecodedPicture& p, Gdiplus::ARGB border) {
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(p.pixel(i, 0), border) << "top " << i;
        EXPECT_EQ(p.pixel(i, 12), border) << "bottom " << i;
        EXPECT_EQ(p.pixel(0, i), border) << "left " << i;
        EXPECT_EQ(p.pixel(12, i), border) << "right " << i;
    }
}

void expect_near(Gdiplus::ARGB colour, int r, int g, int b) {
    EXPECT_EQ(alpha(colour), 255);
    EXPECT_NEAR(red(colour), r, 3);
    EXPECT_NEAR(green(colour), g, 3);
    EXPECT_NEAR(blue(colour), b, 3);
}

TEST(CheckBoxPictures, FrameIsAGradientInsideATranslucentNearBlackBorder) {
    const DecodedPicture p(embedded_view(Picture::CheckFrame));
    ASSERT_TRUE(p.ok());
    expect_border(p, 0xE6030303);
    expect_near(p.pixel(1, 1), 222, 223, 214);
    expect_near(p.pixel(11, 11), 253, 252, 252);
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x)
            EXPECT_GE(red(p.pixel(x, y)), 220) << x << "," << y;
}

TEST(CheckBoxPictures, TickedBoxHasItsBlueBorderAndATickInTheLowerMiddle) {
    const DecodedPicture p(embedded_view(Picture::CheckMark));
    ASSERT_TRUE(p.ok());
    expect_border(p, 0xFF185184);
    expect_near(p.pixel(1, 1), 222, 223, 214);
    expect_near(p.pixel(11, 11), 253, 252, 252);
    int tick_pixels = 0;
    for (int y = 6; y <= 10; ++y)
        for (int x = 3; x <= 9; ++x)
            if (p.pixel(x, y) == 0xFF246E75)
                ++tick_pixels;
    EXPECT_GE(tick_pixels, 4);
}

// ---- Backgrounds.

TEST(Backgrounds, WideOneCarries46BytesAfterItsEndOfImageMarkerAndSmallOneNone) {
    const auto last_marker_end = [](std::span<const std::uint8_t> bytes) {
        for (std::size_t i = bytes.size(); i >= 2; --i)
            if (bytes[i - 2] == 0xFF && bytes[i - 1] == 0xD9)
                return i;
        return std::size_t{0};
    };
    const auto wide = embedded_view(Picture::BackgroundWide);
    const auto small = embedded_view(Picture::BackgroundSmall);
    ASSERT_GT(last_marker_end(wide), 0u);
    EXPECT_EQ(wide.size() - last_marker_end(wide), 46u);
    EXPECT_EQ(small.size(), last_marker_end(small));
}

// Luminance in 0..255 of an opaque colour.
int luminance(Gdiplus::ARGB c) {
    return (299 * red(c) + 587 * green(c) + 114 * blue(c)) / 1000;
}

TEST(Backgrounds, DifferAtTheProbePixel) {
    // Half-way across, a tenth down: the small picture's sky is blue, the wide one's apricot.
    const DecodedPicture small(embedded_view(Picture::BackgroundSmall));
    const DecodedPicture wide(embedded_view(Picture::BackgroundWide));
    ASSERT_TRUE(small.ok() && wide.ok());
    const auto s = small.pixel(945 / 2, 630 / 10);
    const auto w = wide.pixel(1920 / 2, 1200 / 10);
    EXPECT_GT(blue(s), red(s) + 20);
    EXPECT_GT(red(w), blue(w) + 20);
}

TEST(Backgrounds, AreLightEverywhereSoDarkTextStaysReadable) {
    for (const Picture picture : {Picture::BackgroundSmall, Picture::BackgroundWide}) {
        const DecodedPicture p(embedded_view(picture));
        ASSERT_TRUE(p.ok());
        const int w = static_cast<int>(p.width());
        const int h = static_cast<int>(p.height());
        for (int j = 0; j < 16; ++j)
            for (int i = 0; i < 16; ++i) {
                const int x = (2 * i + 1) * w / 32;
                const int y = (2 * j + 1) * h / 32;
                EXPECT_GE(luminance(p.pixel(x, y)), 160) << resource_id(picture) << " at " << x << "," << y;
            }
    }
}

} // namespace
} // namespace pantrove
