#include "gdiplus/graphics.h"
#include "skin/services/caption.h"
#include "tests/windows/frame_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::at;
using testing_support::count_pixels;
using testing_support::difference;
using testing_support::kBody;
using testing_support::kClose;
using testing_support::kMaximise;
using testing_support::kMinimise;
using testing_support::MemoryImage;

bool is_white(COLORREF c) {
    return GetRValue(c) > 225 && GetGValue(c) > 225 && GetBValue(c) > 225;
}

// The rightmost column of the box holding a pixel that matches; -1 for none.
template <class Match> int rightmost(HDC dc, const RECT& box, Match match) {
    for (int x = box.right - 1; x >= box.left; --x) {
        for (int y = box.top; y < box.bottom; ++y) {
            if (match(GetPixel(dc, x, y)))
                return x;
        }
    }
    return -1;
}

template <class Match> int leftmost(HDC dc, const RECT& box, Match match) {
    for (int x = box.left; x < box.right; ++x) {
        for (int y = box.top; y < box.bottom; ++y) {
            if (match(GetPixel(dc, x, y)))
                return x;
        }
    }
    return -1;
}

std::vector<COLORREF> pixels(HDC dc, const RECT& r) {
    std::vector<COLORREF> result;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            result.push_back(GetPixel(dc, x, y));
    }
    return result;
}

// The caption box of a window 300 wide with the three system buttons: icon from (9, 5), text from (29, 8).
constexpr RECT kCaptionBox{9, 5, 190, 25};

class CaptionTest : public testing_support::FrameTest {
protected:
    int rendered(const wchar_t* text = L"Pantrove", bool visible = false) {
        const int number = framed_window(300, 120, {kMinimise, kMaximise, kClose}, visible, text);
        skin->paint_window(number, nullptr, visible);
        return number;
    }
};

TEST_F(CaptionTest, ACaptionDrawnAgainLooksAsDrawnOnce) {
    const int number = rendered();
    const std::vector<COLORREF> once = pixels(composed(number), RECT{0, 0, 300, 25});
    gdiplus::Graphics graphics;
    for (int i = 0; i < 3; ++i)
        skin->paint_caption(number, graphics, false);
    EXPECT_EQ(pixels(composed(number), RECT{0, 0, 300, 25}), once);
}

TEST_F(CaptionTest, AGivenTextReplacesTheWindowsOwnAndAnEmptyOneLeavesTheIcon) {
    const int number = rendered();
    HDC dc = composed(number);
    gdiplus::Graphics graphics;
    skin->paint_caption(number, graphics, false, "");
    EXPECT_EQ(count_pixels(dc, 27, 6, 160, 19, is_white), 0);
    EXPECT_GT(count_pixels(dc, 9, 5, 17, 17, [](COLORREF c) { return difference(c, kBody) > 30; }), 60);
    skin->paint_caption(number, graphics, false, "Pantrove Pantrove");
    const int longer = rightmost(dc, kCaptionBox, is_white);
    skin->paint_caption(number, graphics, false, "Pan");
    const int shorter = rightmost(dc, kCaptionBox, is_white);
    EXPECT_GT(longer, shorter + 60);
    EXPECT_GT(shorter, 29);
}

TEST_F(CaptionTest, APresentedCaptionReachesTheWindowAroundOpaqueChildren) {
    const int number = rendered(L"", true);
    HWND window = record(number).window;
    child(window, L"Static", 0, 80, 4, 40, 20);
    testing_support::WindowPixels screen(window);
    gdiplus::Graphics graphics;
    skin->paint_caption(number, graphics, false, "PantrovePantrovePantrove");
    EXPECT_GT(count_pixels(screen.dc(), 29, 8, 50, 17, is_white), 20);
    EXPECT_EQ(count_pixels(screen.dc(), 80, 4, 40, 20, is_white), 0) << "the child is left alone";
    EXPECT_GT(count_pixels(composed(number), 80, 8, 40, 17, is_white), 20);
}

TEST_F(CaptionTest, AWiderStripShortensTheTextBox) {
    const wchar_t* long_text = L"PantrovePantrovePantrovePantrovePantrovePantrove";
    const int number = rendered(long_text);
    // Text box: from 29 to 29 + 300 - strip width - 16.
    const int box_right = 29 + 300 - record(number).strip_width - 16;
    const int right = rightmost(composed(number), RECT{0, 5, 300, 40}, is_white);
    EXPECT_LT(right, box_right);
    EXPECT_GT(right, box_right - 20);

    record(number).strip_width += 27;
    skin->layout_title_buttons(number);
    skin->paint_window(number, nullptr, false);
    const int narrower = rightmost(composed(number), RECT{0, 5, 300, 40}, is_white);
    EXPECT_LT(narrower, box_right - 27);
    EXPECT_GT(narrower, box_right - 27 - 20);
}

TEST_F(CaptionTest, AStripAsWideAsTheWindowLeavesNoRoomForText) {
    const int number = framed_window(300, 120, {kClose}, false, L"Pantrove");
    record(number).strip_width = 300;
    skin->paint_window(number, nullptr, false);
    EXPECT_EQ(count_pixels(composed(number), 27, 0, 273, 40, is_white), 0); // the icon stays
}

TEST_F(CaptionTest, SetCaptionStyleChangesOnlyWhatItIsGiven) {
    const int number = rendered();
    HWND window = record(number).window;
    SkinnedWindow& r = record(number);
    r.caption_font_name = "SimSun";
    r.caption_font_size = 14;
    r.caption_bold = false;
    EXPECT_EQ(skin->set_caption_style(window, std::nullopt, std::nullopt, RGB(255, 0, 0)), 1);
    EXPECT_EQ(r.caption_text_colour, RGB(255, 0, 0));
    EXPECT_EQ(r.caption_font_name, "SimSun");
    EXPECT_EQ(r.caption_font_size, 14);
    EXPECT_FALSE(r.caption_bold);
    EXPECT_EQ(r.caption_halo_colour, 0x808080u);
    // Redrawn at once, over the restored background: red text, no white left.
    HDC dc = composed(number);
    EXPECT_EQ(count_pixels(dc, 27, 6, 160, 19, is_white), 0);
    EXPECT_GT(count_pixels(dc, 27, 6, 160, 19, [](COLORREF c) { return c == RGB(255, 0, 0); }), 20);

    EXPECT_EQ(skin->set_caption_style(window, "宋体", 12, std::nullopt, RGB(0, 0, 255), true), 1);
    EXPECT_EQ(r.caption_font_name, "宋体");
    EXPECT_EQ(r.caption_font_size, 12);
    EXPECT_TRUE(r.caption_bold);
    EXPECT_EQ(r.caption_halo_colour, RGB(0, 0, 255));
    EXPECT_EQ(r.caption_text_colour, RGB(255, 0, 0));
}

TEST_F(CaptionTest, SetCaptionStyleNeedsASkinnedWindowAndDrawsNoHiddenCaption) {
    EXPECT_EQ(skin->set_caption_style(top_window(100, 50), std::nullopt, 20), 0);
    EXPECT_EQ(skin->set_caption_style(nullptr, std::nullopt, 20), 0);
    const int number = rendered();
    const std::vector<COLORREF> before = pixels(composed(number), kCaptionBox);
    record(number).show_caption = false;
    EXPECT_EQ(skin->set_caption_style(record(number).window, std::nullopt, std::nullopt, RGB(255, 0, 0)), 1);
    EXPECT_EQ(pixels(composed(number), kCaptionBox), before);
}

struct HaloCase {
    const char* name;
    int offset;
};

void PrintTo(const HaloCase& c, std::ostream* out) {
    *out << c.name;
}

class HaloTextTest : public testing::TestWithParam<HaloCase> {};

// White text with a red halo on black: the halo reaches `offset` pixels beyond the text on every side.
TEST_P(HaloTextTest, TheHaloSurroundsTheTextByItsOffset) {
    const int offset = GetParam().offset;
    MemoryImage image(200, 60);
    {
        gdiplus::Graphics graphics;
        ASSERT_TRUE(graphics.create_from_hdc(image.dc()));
        HaloTextOptions options;
        options.halo_offset = offset;
        options.font_size = 20;
        draw_halo_text(graphics, "IHI", gdiplus::RectF(20, 15, 160, 40), RGB(255, 255, 255), RGB(255, 0, 0), options);
    }
    const RECT all{0, 0, 200, 60};
    // Only the text has green in it; the halo reaches further in every direction.
    const auto text = [](COLORREF c) { return GetGValue(c) > 0; };
    const auto lit = [](COLORREF c) { return c != 0; };
    ASSERT_GT(leftmost(image.dc(), all, text), 0);
    EXPECT_EQ(leftmost(image.dc(), all, text) - leftmost(image.dc(), all, lit), offset);
    EXPECT_EQ(rightmost(image.dc(), all, lit) - rightmost(image.dc(), all, text), offset);
}

INSTANTIATE_TEST_SUITE_P(Offsets, HaloTextTest, testing::Values(HaloCase{"one_pixel", 1}, HaloCase{"three_pixels", 3}));

TEST(HaloText, AnUnknownFontDrawsNothingAndAlignmentIsHonoured) {
    MemoryImage image(200, 60);
    gdiplus::Graphics graphics;
    ASSERT_TRUE(graphics.create_from_hdc(image.dc()));
    HaloTextOptions options;
    options.font_name = "No Such Font Family";
    draw_halo_text(graphics, "Pantrove", gdiplus::RectF(0, 0, 200, 60), RGB(255, 255, 255), RGB(255, 0, 0), options);
    const auto lit = [](COLORREF c) { return c != 0; };
    EXPECT_EQ(count_pixels(image.dc(), 0, 0, 200, 60, lit), 0);

    HaloTextOptions bottom_right;
    bottom_right.horizontal = Gdiplus::StringAlignmentFar;
    bottom_right.vertical = Gdiplus::StringAlignmentFar;
    draw_halo_text(graphics, "Pan", gdiplus::RectF(0, 0, 200, 60), RGB(255, 255, 255), RGB(255, 0, 0), bottom_right);
    EXPECT_EQ(count_pixels(image.dc(), 0, 0, 120, 60, lit), 0);
    EXPECT_EQ(count_pixels(image.dc(), 0, 0, 200, 35, lit), 0);
    EXPECT_GT(count_pixels(image.dc(), 120, 35, 80, 25, lit), 20);
}

} // namespace
} // namespace pantrove
