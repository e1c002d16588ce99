#include "skin/controls/up_downs.h"

#include "skin/controls/hover_tracking.h"
#include "tests/windows/range_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::changed_between;
using testing_support::paint_marker;
using testing_support::point;
using testing_support::pump;
using testing_support::Snapshot;
using testing_support::snapshot;
using testing_support::window_pixel;

// How much redder than green a pixel is: the theme colour here is red.
int redness(COLORREF c) {
    return GetRValue(c) - GetGValue(c);
}

bool is_black(COLORREF c) {
    return GetRValue(c) < 40 && GetGValue(c) < 40 && GetBValue(c) < 40;
}

class UpDownTest : public testing_support::ListWindowTest {
protected:
    static constexpr int kWidth = 20, kHeight = 40;

    // A vertical control at (40, 30), 20 × 40, or a horizontal one, 40 × 20.
    HWND up_down(DWORD style = 0) {
        const bool horizontal = (style & UDS_HORZ) != 0;
        return control(UPDOWN_CLASSW, style, 40, 30, horizontal ? kHeight : kWidth, horizontal ? kWidth : kHeight);
    }

    void skin() {
        skin_up_downs(number, window);
        redraw(window);
    }

    int entry_number(HWND made) { return record().updown_list.find_handle(made); }
    UpDownEntry& entry(HWND made) { return record().updown_list[entry_number(made)]; }

    // The snapshot without a margin of `inset` pixels.
    static Snapshot inside(const Snapshot& whole, int inset) {
        Snapshot shot{whole.width - 2 * inset, whole.height - 2 * inset, {}};
        for (int y = inset; y < whole.height - inset; ++y) {
            for (int x = inset; x < whole.width - inset; ++x)
                shot.pixels.push_back(whole.at(x, y));
        }
        return shot;
    }

    static void move(HWND made, int x, int y) { SendMessageW(made, WM_MOUSEMOVE, 0, point(x, y)); }

    // The pixels of one half: the first (0) or the second (1).
    static Snapshot half(HWND made, int part, bool horizontal = false) {
        const Snapshot whole = snapshot(made);
        const int w = horizontal ? whole.width / 2 : whole.width, h = horizontal ? whole.height : whole.height / 2;
        Snapshot shot{w, h, {}};
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                shot.pixels.push_back(whole.at(horizontal ? x + part * w : x, horizontal ? y : y + part * h));
        }
        return shot;
    }
};

TEST_F(UpDownTest, MovingFromTheUpperToTheLowerHalfRepaintsOnceWithTheLowerHalfLit) {
    HWND made = up_down();
    skin();
    const Snapshot normal_upper = half(made, 0), normal_lower = half(made, 1);

    move(made, 10, 5);
    EXPECT_TRUE(entry(made).hot);
    EXPECT_EQ(entry(made).hot_part, 0);
    EXPECT_EQ(record().hover_family, hover_family::up_downs);
    EXPECT_EQ(record().hover_id, entry_number(made));
    EXPECT_NE(half(made, 0), normal_upper) << "the upper half is lit";
    EXPECT_EQ(half(made, 1), normal_lower);

    paint_marker(made, kMarker);
    move(made, 12, 18);
    EXPECT_EQ(window_pixel(made, 1, 1), kMarker) << "moves inside one half draw nothing";

    move(made, 12, 25);
    EXPECT_EQ(entry(made).hot_part, 1);
    EXPECT_EQ(half(made, 0), normal_upper);
    const Snapshot lit_lower = half(made, 1);
    EXPECT_NE(lit_lower, normal_lower) << "the lower half is lit";

    paint_marker(made, kMarker);
    move(made, 5, 30);
    EXPECT_EQ(window_pixel(made, 1, 1), kMarker);

    // The control's own repaint after the moves keeps the half under the pointer lit.
    redraw(made);
    EXPECT_EQ(half(made, 1), lit_lower);
    EXPECT_EQ(half(made, 0), normal_upper);

    SendMessageW(made, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(entry(made).hot);
    EXPECT_EQ(record().hover_id, 0);
    EXPECT_EQ(half(made, 1), normal_lower);
}

// Lit, a half runs from white at its start to the theme colour at its end; pressed, the other way round.
TEST_F(UpDownTest, PressingOverTheLitHalfTurnsItsGradientOverAtTheNextRepaint) {
    HWND made = up_down();
    skin();
    move(made, 10, 30);
    const int top = kHeight / 2 + 2, bottom = kHeight - 3;
    EXPECT_LT(redness(window_pixel(made, 3, top)) + 40, redness(window_pixel(made, 3, bottom)));

    SendMessageW(made, WM_LBUTTONDOWN, MK_LBUTTON, point(10, 30));
    EXPECT_TRUE(entry(made).button_down);
    EXPECT_EQ(entry(made).mouse_position, point(10, 30));
    redraw(made);
    EXPECT_GT(redness(window_pixel(made, 3, top)), redness(window_pixel(made, 3, bottom)) + 40);

    SendMessageW(made, WM_LBUTTONUP, 0, point(10, 30));
    EXPECT_FALSE(entry(made).button_down);
    redraw(made);
    EXPECT_LT(redness(window_pixel(made, 3, top)) + 40, redness(window_pixel(made, 3, bottom)));
}

TEST_F(UpDownTest, AControlThatIsNotHotHasNoLitHalfEvenWhileItsButtonIsHeld) {
    HWND made = up_down();
    skin();
    const Snapshot normal = snapshot(made);
    SendMessageW(made, WM_LBUTTONDOWN, MK_LBUTTON, point(10, 30));
    redraw(made);
    EXPECT_EQ(snapshot(made), normal);
    paint_up_down(number, entry_number(made), false, true, point(10, 30));
    EXPECT_EQ(snapshot(made), normal);
    SendMessageW(made, WM_LBUTTONUP, 0, point(10, 30));
}

TEST_F(UpDownTest, AHorizontalControlLightsItsLeftOrRightHalf) {
    HWND made = up_down(UDS_HORZ);
    skin();
    ASSERT_TRUE(entry(made).horizontal);
    const Snapshot normal_left = half(made, 0, true), normal_right = half(made, 1, true);
    move(made, 30, 10);
    EXPECT_EQ(half(made, 0, true), normal_left);
    EXPECT_NE(half(made, 1, true), normal_right);
    move(made, 10, 10);
    EXPECT_NE(half(made, 0, true), normal_left);
    EXPECT_EQ(half(made, 1, true), normal_right);
    // Shaded from left to right: white at the start of the lit half, the theme colour at its end.
    EXPECT_LT(redness(window_pixel(made, 2, 3)) + 40, redness(window_pixel(made, kHeight / 2 - 3, 3)));
}

struct ArrowCase {
    const char* name;
    DWORD style;
    int part;
    int first_row, last_row; // dark pixels in the arrow's first and last row (column for horizontal controls)
};

void PrintTo(const ArrowCase& c, std::ostream* out) {
    *out << c.name;
}

class UpDownArrowTest : public UpDownTest, public testing::WithParamInterface<ArrowCase> {};

TEST_P(UpDownArrowTest, EachHalfShowsItsArrowInItsMiddle) {
    const ArrowCase& c = GetParam();
    const bool horizontal = (c.style & UDS_HORZ) != 0;
    HWND made = up_down(c.style);
    skin();
    const Snapshot shot = half(made, c.part, horizontal);
    // The outline may darken the bare window background at the corners: only the inside counts.
    RECT arrow = inside(shot, 3).bounds(is_black);
    OffsetRect(&arrow, 3, 3);
    const int along = horizontal ? arrow.right - arrow.left : arrow.bottom - arrow.top;
    const int across = horizontal ? arrow.bottom - arrow.top : arrow.right - arrow.left;
    EXPECT_EQ(along, 4);
    EXPECT_EQ(across, 7);
    EXPECT_EQ(horizontal ? arrow.left : arrow.top, ((horizontal ? shot.width : shot.height) - 4) / 2);
    EXPECT_EQ(horizontal ? arrow.top : arrow.left, ((horizontal ? shot.height : shot.width) - 7) / 2);
    const auto dark_in = [&](int line) {
        int n = 0;
        for (int i = 0; i < across; ++i)
            n += is_black(horizontal ? shot.at(arrow.left + line, arrow.top + i)
                                     : shot.at(arrow.left + i, arrow.top + line))
                     ? 1
                     : 0;
        return n;
    };
    EXPECT_EQ(dark_in(0), c.first_row);
    EXPECT_EQ(dark_in(3), c.last_row);
}

INSTANTIATE_TEST_SUITE_P(Halves, UpDownArrowTest,
                         testing::Values(ArrowCase{"Up", 0, 0, 1, 7}, ArrowCase{"Down", 0, 1, 7, 1},
                                         ArrowCase{"Left", UDS_HORZ, 0, 1, 7}, ArrowCase{"Right", UDS_HORZ, 1, 7, 1}),
                         [](const testing::TestParamInfo<ArrowCase>& info) { return std::string(info.param.name); });

struct HitCase {
    const char* name;
    DWORD style;
    int x, y;
    int part;
};

void PrintTo(const HitCase& c, std::ostream* out) {
    *out << c.name;
}

class UpDownHitTest : public UpDownTest, public testing::WithParamInterface<HitCase> {};

// A 20 × 40 control's middle is 20: the point at it belongs to the first half.
TEST_P(UpDownHitTest, TheSecondHalfStartsPastTheMiddle) {
    const HitCase& c = GetParam();
    HWND made = up_down(c.style);
    skin();
    EXPECT_EQ(updown_hit_part(number, entry_number(made), point(c.x, c.y)), c.part);
}

INSTANTIATE_TEST_SUITE_P(Points, UpDownHitTest,
                         testing::Values(HitCase{"Top", 0, 10, 0, 0}, HitCase{"AtTheMiddle", 0, 10, 20, 0},
                                         HitCase{"PastTheMiddle", 0, 10, 21, 1}, HitCase{"Bottom", 0, 10, 39, 1},
                                         HitCase{"AboveTheControl", 0, 10, -5, 0},
                                         HitCase{"BelowTheControl", 0, 10, 300, 1},
                                         HitCase{"VerticalIgnoresX", 0, 35, 5, 0},
                                         HitCase{"HorizontalAtTheMiddle", UDS_HORZ, 20, 15, 0},
                                         HitCase{"HorizontalPastTheMiddle", UDS_HORZ, 21, 0, 1},
                                         HitCase{"HorizontalLeftOfTheControl", UDS_HORZ, -30, 10, 0}),
                         [](const testing::TestParamInfo<HitCase>& info) { return std::string(info.param.name); });

TEST_F(UpDownTest, AnUnknownControlHitsTheFirstHalfAndPaintsNothing) {
    EXPECT_EQ(updown_hit_part(number, 7, point(10, 30)), 0);
    EXPECT_EQ(updown_hit_part(number + 1, 1, point(10, 30)), 0);
    paint_up_down(number, 7);
    paint_up_down(number + 1, 1, true);
}

} // namespace
} // namespace pantrove
