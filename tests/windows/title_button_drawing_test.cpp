#include "gdiplus/graphics.h"
#include "skin/services/frame_rendering.h"
#include "tests/windows/frame_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::at;
using testing_support::difference;
using testing_support::kBlue;
using testing_support::kClose;
using testing_support::kMaximise;
using testing_support::kMenu;
using testing_support::kMinimise;
using testing_support::kRed;
using testing_support::plain_picture;

constexpr COLORREF kYellowTheme = RGB(255, 255, 0);

// The pixels of a rectangle of a DC, row by row.
std::vector<COLORREF> pixels(HDC dc, const RECT& r) {
    std::vector<COLORREF> result;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x)
            result.push_back(GetPixel(dc, x, y));
    }
    return result;
}

RECT widened(const RECT& r, int by) {
    return {r.left - by, r.top, r.right + by, r.bottom + 1};
}

class TitleButtonDrawingTest : public testing_support::FrameTest {
protected:
    // A rendered 300 × 120 window with the menu, minimise, maximise and close buttons.
    int rendered(bool visible = false) {
        const int number = framed_window(300, 120, {kMenu, kMinimise, kMaximise, kClose}, visible);
        skin->paint_window(number, nullptr, visible);
        return number;
    }

    void draw(int number, int button, std::optional<int> pressed, std::optional<int> opacity) {
        gdiplus::Graphics graphics;
        skin->draw_title_button(number, button, graphics, false, pressed, opacity);
    }

    // How far the pixel at (dx, dy) of button b's box is from the clean caption background.
    static int change(int number, int b, int dx, int dy) {
        const RECT box = button_box(number, b);
        return difference(at(composed(number), box.left + dx, box.top + dy),
                          at(record(number).caption_back_dc, box.left + dx, box.top + dy));
    }
};

struct FaceCase {
    const char* name;
    int button; // 2: minimise, in the theme colour; 4: close, in red
};

void PrintTo(const FaceCase& c, std::ostream* out) {
    *out << c.name;
}

class FaceOpacityTest : public TitleButtonDrawingTest, public testing::WithParamInterface<FaceCase> {};

TEST_P(FaceOpacityTest, AStrongerFadeStepGivesAVisiblyStrongerFace) {
    theme_colour = kYellowTheme;
    const int number = rendered();
    const int b = GetParam().button;
    // (4, 3): inside the face, clear of the glyph and of the picture's own edge lines.
    draw(number, b, std::nullopt, 30);
    const int faint = change(number, b, 4, 3);
    draw(number, b, std::nullopt, 240);
    const int strong = change(number, b, 4, 3);
    EXPECT_GT(strong, faint + 60);
    const COLORREF face = at(composed(number), button_box(number, b).left + 4, button_box(number, b).top + 3);
    if (b == 4)
        EXPECT_GT(GetRValue(face), GetGValue(face) + 100) << std::hex << face;
    else
        EXPECT_GT(GetRValue(face), 150) << std::hex << face; // yellow over the teal body
}

INSTANTIATE_TEST_SUITE_P(Kinds, FaceOpacityTest,
                         testing::Values(FaceCase{"theme_coloured", 2}, FaceCase{"close_in_red", 4}));

TEST_F(TitleButtonDrawingTest, FadeStepsRestoreTheirBackgroundFirst) {
    const int number = rendered();
    const RECT box = button_box(number, 2);
    const std::vector<COLORREF> resting = pixels(composed(number), box);
    draw(number, 2, std::nullopt, 240);
    const RECT around = widened(box, 2);
    const std::vector<COLORREF> once = pixels(composed(number), around);
    EXPECT_NE(pixels(composed(number), box), resting);
    draw(number, 2, std::nullopt, 240);
    EXPECT_EQ(pixels(composed(number), around), once) << "a step drawn twice looks as drawn once";
    draw(number, 2, std::nullopt, 0);
    EXPECT_EQ(pixels(composed(number), box), resting) << "faded out, the button looks as rendered";
}

TEST_F(TitleButtonDrawingTest, APresentedStepReachesTheWindow) {
    const int number = rendered(true);
    const RECT box = button_box(number, 4);
    draw(number, 4, std::nullopt, 240);
    testing_support::WindowPixels screen(record(number).window);
    for (const POINT p :
         {POINT{box.left + 4, box.top + 3}, POINT{box.left + 19, box.top + 9}, POINT{box.right - 1, box.bottom - 1}})
        EXPECT_EQ(screen.at(p.x, p.y), at(composed(number), p.x, p.y)) << p.x << "," << p.y;
    EXPECT_GT(change(number, 4, 4, 3), 60);
}

TEST_F(TitleButtonDrawingTest, PressedLookDarkensOrReddensTheWholeButton) {
    const int number = rendered();
    const COLORREF normal = at(composed(number), button_box(number, 2).left + 4, button_box(number, 2).top + 2);
    draw(number, 2, 1, std::nullopt);
    const COLORREF pressed = at(composed(number), button_box(number, 2).left + 4, button_box(number, 2).top + 2);
    EXPECT_LT(GetGValue(pressed) + 30, GetGValue(normal)) << std::hex << pressed << " " << normal;
    draw(number, 4, 1, std::nullopt);
    const COLORREF close = at(composed(number), button_box(number, 4).left + 4, button_box(number, 4).top + 2);
    EXPECT_GT(GetRValue(close), 200) << std::hex << close;
    EXPECT_LT(GetGValue(close), 80) << std::hex << close;
}

TEST_F(TitleButtonDrawingTest, TheMaximiseButtonShowsItsSecondPictureWhileMaximised) {
    const int number = framed_window(300, 120, {kMinimise, kMaximise, kClose});
    TitleButton& maximise = record(number).title_button(2);
    maximise.image = plain_picture(26, 18, kRed);
    maximise.alt_image = plain_picture(26, 18, kBlue);
    skin->paint_window(number, nullptr, false);
    const RECT box = button_box(number, 2);
    EXPECT_EQ(at(composed(number), box.left, box.top), kRed);
    EXPECT_EQ(at(composed(number), box.right - 1, box.bottom - 1), kRed);
    EXPECT_NE(at(composed(number), box.left - 1, box.top + 5), kRed);
    EXPECT_NE(at(composed(number), box.right, box.top + 5), kRed);
    record(number).maximized = true;
    draw(number, 2, std::nullopt, 0);
    EXPECT_EQ(at(composed(number), box.left + 13, box.top + 9), kBlue);
    EXPECT_EQ(at(composed(number), box.left, box.top), kBlue);
}

TEST_F(TitleButtonDrawingTest, SeparatorsMarkTheLeftEdgesStrongestAtTheStripStart) {
    const int number = framed_window(300, 120, {kMenu, kMinimise, kClose});
    for (TitleButton& button : record(number).title_buttons)
        button.image.clear(); // no picture: face, gloss and separators only
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    const auto separator = [&](int b) { return static_cast<int>(record(number).title_button(b).hit_rect.x - 2); };
    for (int b = 1; b <= 3; ++b) {
        for (int y = 3; y <= 12; ++y)
            EXPECT_LT(GetGValue(at(dc, separator(b), y)) + 5, GetGValue(at(dc, separator(b) + 1, y))) << b << "," << y;
    }
    EXPECT_LT(GetGValue(at(dc, separator(1), 4)) + 10, GetGValue(at(dc, separator(2), 4)));
    // The gloss lightens the top of the button but not its last row.
    EXPECT_GT(change(number, 2, 8, 1), 15);
    EXPECT_EQ(change(number, 2, 8, 17), 0);
}

TEST_F(TitleButtonDrawingTest, AnUndecodablePictureStillGetsItsFace) {
    const int number = framed_window(300, 120, {kMinimise, kClose});
    record(number).title_button(2).image = {'n', 'o'};
    skin->paint_window(number, nullptr, false);
    draw(number, 2, std::nullopt, 240);
    const RECT box = button_box(number, 2);
    const COLORREF centre = at(composed(number), box.left + 19, box.top + 6);
    EXPECT_GT(GetRValue(centre), GetGValue(centre) + 60) << std::hex << centre;
}

TEST_F(TitleButtonDrawingTest, ButtonsOutsideTheStripDrawNothing) {
    const int number = rendered();
    const RECT strip{0, 0, 300, 25};
    const std::vector<COLORREF> before = pixels(composed(number), strip);
    for (const int b : {0, -1, 5}) {
        draw(number, b, std::nullopt, 240);
        draw(number, b, 1, std::nullopt);
    }
    EXPECT_EQ(pixels(composed(number), strip), before);
}

struct SystemPicturesCase {
    const char* name;
    DWORD style;
    std::initializer_list<int> kinds;
    // Per button: 'n' minimise, 'x' maximise (restore as second picture), 'c' close, '-' unchanged.
    const char* expected;
};

void PrintTo(const SystemPicturesCase& c, std::ostream* out) {
    *out << c.name;
}

class SystemPicturesTest : public TitleButtonDrawingTest, public testing::WithParamInterface<SystemPicturesCase> {};

TEST_P(SystemPicturesTest, ReplacesThePicturesAtTheRightEndOfTheStrip) {
    const SystemPicturesCase& c = GetParam();
    const int number = framed_window(300, 120, {});
    set_buttons(number, c.kinds);
    for (TitleButton& button : record(number).title_buttons)
        button.image = {'o', 'l', 'd'};
    skin->paint_window(number, nullptr, false);
    SetWindowLongPtrW(record(number).window, GWL_STYLE,
                      GetWindowLongPtrW(record(number).window, GWL_STYLE) | static_cast<LONG_PTR>(c.style));
    const ByteArray minimise = plain_picture(26, 18, RGB(1, 1, 1));
    const ByteArray maximise = plain_picture(26, 18, RGB(2, 2, 2));
    const ByteArray restore = plain_picture(26, 18, RGB(3, 3, 3));
    const ByteArray close = plain_picture(38, 18, kRed);
    ASSERT_EQ(skin->set_system_button_pictures(record(number).window, minimise, maximise, restore, close), 1);
    for (int b = 1; b <= record(number).title_button_count(); ++b) {
        const TitleButton& button = record(number).title_button(b);
        switch (c.expected[b - 1]) {
        case 'n':
            EXPECT_EQ(button.image, minimise) << b;
            break;
        case 'x':
            EXPECT_EQ(button.image, maximise) << b;
            EXPECT_EQ(button.alt_image, restore) << b;
            break;
        case 'c':
            EXPECT_EQ(button.image, close) << b;
            break;
        default:
            EXPECT_EQ(button.image, (ByteArray{'o', 'l', 'd'})) << b;
        }
    }
    // The strip is drawn again with the new pictures.
    const RECT last = button_box(number, record(number).title_button_count());
    EXPECT_EQ(at(composed(number), last.left + 10, last.top + 9), kRed);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, SystemPicturesTest,
    testing::Values(SystemPicturesCase{"minimise_and_maximise",
                                       WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
                                       {kMenu, kMinimise, kMaximise, kClose},
                                       "-nxc"},
                    SystemPicturesCase{"minimise_only", WS_MINIMIZEBOX, {kMenu, kMinimise, kClose}, "-nc"},
                    SystemPicturesCase{"maximise_only", WS_MAXIMIZEBOX, {kMenu, kMaximise, kClose}, "-xc"},
                    SystemPicturesCase{"close_only", 0, {kMenu, kClose}, "-c"},
                    SystemPicturesCase{
                        "too_few_buttons_for_the_style", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, {kMaximise, kClose}, "xc"}));

TEST_F(TitleButtonDrawingTest, SystemPicturesNeedASkinnedWindowWithButtons) {
    HWND loose = top_window(100, 50);
    EXPECT_EQ(skin->set_system_button_pictures(loose, ByteArray{1}), 0);
    const int number = framed_window(300, 120, {});
    EXPECT_EQ(skin->set_system_button_pictures(record(number).window, ByteArray{1}), 0);
    EXPECT_EQ(skin->set_system_button_pictures(nullptr), 0);
}

TEST_F(TitleButtonDrawingTest, OmittedPicturesStay) {
    const int number = framed_window(300, 120, {kMinimise, kMaximise, kClose});
    SetWindowLongPtrW(record(number).window, GWL_STYLE,
                      GetWindowLongPtrW(record(number).window, GWL_STYLE) | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const ByteArray old_maximise = record(number).title_button(2).image;
    const ByteArray old_restore = record(number).title_button(2).alt_image;
    const ByteArray close = plain_picture(38, 18, kRed);
    EXPECT_EQ(skin->set_system_button_pictures(record(number).window, std::nullopt, std::nullopt, std::nullopt, close),
              1);
    EXPECT_EQ(record(number).title_button(2).image, old_maximise);
    EXPECT_EQ(record(number).title_button(2).alt_image, old_restore);
    EXPECT_EQ(record(number).title_button(3).image, close);
}

} // namespace
} // namespace pantrove
