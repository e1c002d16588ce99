#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/text.h"
#include "tests/windows/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pantrove::gdiplus {
namespace {

using testing_support::Canvas;
using testing_support::count_pixels;

constexpr ARGB white = 0xFFFFFFFF;
constexpr ARGB black = 0xFF000000;

bool is_ink(ARGB colour) {
    return testing_support::channel(colour, 8) < 128;
}

TEST(TextDrawing, SongtiTextLeavesInkInsideItsLayoutOnly) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 16)) << "status " << last_status();
    Canvas canvas(120, 60);
    ASSERT_TRUE(canvas.graphics.draw_string("汉字测试", font, RectF(10, 10, 100, 30), SolidBrush(black)));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_GT(count_pixels(pixels, is_ink), 40);
    for (int x = 0; x < 120; ++x) {
        EXPECT_FALSE(is_ink(pixels.pixel(x, 5))) << "above the layout at x " << x;
        EXPECT_FALSE(is_ink(pixels.pixel(x, 45))) << "below the layout at x " << x;
    }
}

TEST(TextDrawing, CentredFormatPutsTheTextInTheMiddle) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 16));
    StringFormat format;
    ASSERT_TRUE(format.create());
    ASSERT_TRUE(format.set_align(Gdiplus::StringAlignmentCenter));
    ASSERT_TRUE(format.set_line_align(Gdiplus::StringAlignmentCenter));
    Canvas canvas(100, 60);
    ASSERT_TRUE(canvas.graphics.draw_string("中", font, RectF(0, 0, 100, 60), SolidBrush(black), &format));
    const Bitmap& pixels = canvas.pixels();
    int left = 100, right = -1, top = 60, bottom = -1;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (is_ink(pixels.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GE(right, 0) << "nothing drawn";
    EXPECT_NEAR((left + right) / 2.0, 50, 4);
    EXPECT_NEAR((top + bottom) / 2.0, 30, 4);
}

TEST(TextDrawing, TrimmedTextStaysInsideANarrowLayout) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 12));
    StringFormat format;
    ASSERT_TRUE(format.create(Gdiplus::StringFormatFlagsNoWrap));
    ASSERT_TRUE(format.set_trimming(Gdiplus::StringTrimmingEllipsisCharacter));
    Canvas canvas(100, 20);
    ASSERT_TRUE(canvas.graphics.draw_string("一个很长很长很长很长的列标题", font, RectF(0, 0, 40, 20),
                                            SolidBrush(black), &format));
    const Bitmap& pixels = canvas.pixels();
    EXPECT_GT(count_pixels(pixels, is_ink), 10);
    for (int x = 42; x < 100; ++x) {
        for (int y = 0; y < 20; ++y)
            ASSERT_FALSE(is_ink(pixels.pixel(x, y))) << "ink right of the layout at " << x << "," << y;
    }
}

TEST(TextMeasuring, LongerTextMeasuresWider) {
    Font font;
    ASSERT_TRUE(font.create("宋体", 12));
    Canvas canvas(10, 10);
    const RectF layout(0, 0, 1000, 100);
    const RectF one = canvas.graphics.measure_string("列", font, layout);
    const RectF three = canvas.graphics.measure_string("列标题", font, layout);
    EXPECT_GT(one.Width, 5);
    EXPECT_GT(three.Width, one.Width * 2);
    EXPECT_GT(one.Height, 10);
}

TEST(TextFonts, AMissingFamilyIsReportedAndDrawsNothing) {
    FontFamily family;
    EXPECT_FALSE(family.create("没有这个字体"));
    EXPECT_EQ(last_status(), Gdiplus::FontFamilyNotFound);
    Font font;
    ASSERT_TRUE(font.create("宋体", 12));
    EXPECT_FALSE(font.create("没有这个字体", 12));
    EXPECT_EQ(last_status(), Gdiplus::FontFamilyNotFound);
    EXPECT_FALSE(font);

    Canvas canvas(60, 20);
    EXPECT_FALSE(canvas.graphics.draw_string("文字", font, RectF(0, 0, 60, 20), SolidBrush(black)));
    EXPECT_EQ(count_pixels(canvas.pixels(), is_ink), 0);
}

TEST(TextFonts, AFamilyMadeByNameReportsANameAndMakesFonts) {
    const FontFamily family("宋体");
    ASSERT_TRUE(family);
    EXPECT_FALSE(family.name().empty());
    Font font;
    ASSERT_TRUE(font.create(family, 20, Gdiplus::FontStyleBold, Gdiplus::UnitWorld));
    EXPECT_EQ(font.style(), Gdiplus::FontStyleBold);
    EXPECT_FLOAT_EQ(font.size(), 20);
    EXPECT_EQ(font.family().name(), family.name());
}

// How a control's own GDI font is read: family, pixel size and style.
TEST(TextFonts, AControlFontIsReadThroughItsDescription) {
    HFONT gdi_font = CreateFontW(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体");
    ASSERT_NE(gdi_font, nullptr);
    HDC screen = GetDC(nullptr);
    Font font;
    const bool created = font.create_from_hdc(screen, gdi_font);
    ReleaseDC(nullptr, screen);
    DeleteObject(gdi_font);
    ASSERT_TRUE(created) << "status " << last_status();
    EXPECT_EQ(font.style(), Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic);
    // Wine measures the em from the substituted face's metrics and may land a pixel off.
    EXPECT_NEAR(font.size(), 20, 1.5);
    EXPECT_FALSE(font.family().name().empty());
}

} // namespace
} // namespace pantrove::gdiplus
