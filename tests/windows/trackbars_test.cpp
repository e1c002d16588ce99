#include "skin/controls/trackbars.h"

#include "skin/controls/hover_tracking.h"
#include "tests/windows/range_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::changed_between;
using testing_support::is_theme_blue;
using testing_support::is_whitish;
using testing_support::paint_marker;
using testing_support::pump;
using testing_support::Snapshot;
using testing_support::snapshot;
using testing_support::window_pixel;

class TrackbarTest : public testing_support::RangeControlTest {
protected:
    void SetUp() override {
        RangeControlTest::SetUp();
        trackbar_style = 0;
    }

    // A horizontal trackbar at (20, 20), 200 × 32, or a vertical one at (260, 20), 32 × 180.
    HWND trackbar(DWORD style, int min = 0, int max = 100, int pos = 0) {
        const bool vertical = (style & TBS_VERT) != 0;
        HWND made = control(TRACKBAR_CLASSW, style, vertical ? 260 : 20, 20, vertical ? 32 : 200, vertical ? 180 : 32);
        SendMessageW(made, TBM_SETRANGEMIN, FALSE, min);
        SendMessageW(made, TBM_SETRANGEMAX, FALSE, max);
        SendMessageW(made, TBM_SETPOS, TRUE, pos);
        return made;
    }

    // Skins the window's trackbars and repaints them: a control may have painted itself before.
    void skin() {
        skin_trackbars(number, window);
        redraw(window);
    }

    int entry_number(HWND made) { return record().trackbar_list.find_handle(made); }
    TrackbarEntry& entry(HWND made) { return record().trackbar_list[entry_number(made)]; }

    static int leading_edge(HWND made, bool vertical) {
        RECT t{};
        SendMessageW(made, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
        return vertical ? t.top : t.left;
    }

    // Where the channel lies across the trackbar: the first and one past the last drawn row (column for
    // vertical trackbars) at three quarters of its length, away from the thumb of a low position.
    static std::pair<int, int> channel_across(HWND made, bool vertical) {
        const Snapshot shot = snapshot(made);
        const int at = (vertical ? shot.height : shot.width) * 3 / 4;
        int first = -1, last = -1;
        for (int across = 0; across < (vertical ? shot.width : shot.height); ++across) {
            const int x = vertical ? across : at, y = vertical ? at : across;
            if (shot.at(x, y) != behind(made, x, y)) {
                first = first < 0 ? across : first;
                last = across;
            }
        }
        return {first, last + 1};
    }

    static int start_of(const RECT& r, bool vertical) { return vertical ? r.top : r.left; }
    static int end_of(const RECT& r, bool vertical) { return vertical ? r.bottom : r.right; }
    static int across_start(const RECT& r, bool vertical) { return vertical ? r.left : r.top; }
    static int across_end(const RECT& r, bool vertical) { return vertical ? r.right : r.bottom; }
    static int length_of(const RECT& r, bool vertical) { return vertical ? r.bottom - r.top : r.right - r.left; }
};

TEST_F(TrackbarTest, SetupTakesTheOrientationTicksAndSelectionFromTheStyle) {
    HWND plain = trackbar(0);
    HWND upright = trackbar(TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE);
    const auto class_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(plain, GWLP_WNDPROC));
    skin_trackbars(number, window);

    ASSERT_EQ(entry_number(plain), 1);
    ASSERT_EQ(entry_number(upright), 2);
    EXPECT_FALSE(entry(plain).vertical);
    EXPECT_EQ(entry(plain).tick_placement, TickPlacement::bottom_or_right);
    EXPECT_FALSE(entry(plain).has_selection);
    EXPECT_EQ(entry(plain).previous_proc, class_proc);
    EXPECT_TRUE(entry(upright).vertical);
    EXPECT_EQ(entry(upright).tick_placement, TickPlacement::both);
    EXPECT_TRUE(entry(upright).has_selection);
}

struct TickCase {
    const char* name;
    DWORD style;
    TickPlacement placement;
};

TEST(TickPlacementTest, NoTicksWinsThenTopThenBoth) {
    const TickCase cases[] = {
        {"Default", 0, TickPlacement::bottom_or_right},
        {"Top", TBS_TOP, TickPlacement::top_or_left},
        {"Both", TBS_BOTH, TickPlacement::both},
        {"TopAndBoth", TBS_TOP | TBS_BOTH, TickPlacement::top_or_left},
        {"NoTicks", TBS_NOTICKS, TickPlacement::none},
        {"NoTicksOverTop", TBS_NOTICKS | TBS_TOP | TBS_BOTH, TickPlacement::none},
    };
    for (const TickCase& c : cases)
        EXPECT_EQ(tick_placement_of(c.style), c.placement) << c.name;
}

struct ThumbCase {
    const char* name;
    DWORD style;
    int pos;
    int dot_shift;  // beyond the thumb rectangle's leading edge
    int line_extra; // beyond one pixel before that edge
};

void PrintTo(const ThumbCase& c, std::ostream* out) {
    *out << c.name;
}

class TrackbarThumbTest : public TrackbarTest, public testing::WithParamInterface<ThumbCase> {};

// Not hovered, the thumb is a small white dot on the channel at the thumb rectangle's leading edge, and the
// theme-coloured line runs inside the channel up to it; at the maximum both reach further.
TEST_P(TrackbarThumbTest, TheDotAndThePositionLineFollowTheThumbRectangle) {
    const ThumbCase& c = GetParam();
    const bool vertical = (c.style & TBS_VERT) != 0;
    HWND made = trackbar(c.style, 0, 100, c.pos);
    skin();
    const int lead = leading_edge(made, vertical);
    const auto [k, channel_end] = channel_across(made, vertical);
    ASSERT_GE(k, 0) << "a channel is drawn";

    const RECT dot = drawn_where(made, is_whitish);
    EXPECT_NEAR(start_of(dot, vertical), lead + c.dot_shift, 1);
    EXPECT_LE(length_of(dot, vertical), 6) << "a dot of 4 pixels";
    EXPECT_NEAR(across_start(dot, vertical), k, 1) << "on the channel";

    const RECT line = drawn_where(made, is_theme_blue);
    EXPECT_NEAR(end_of(line, vertical) - 1, lead - 1 + c.line_extra, 1);
    EXPECT_EQ(across_start(line, vertical), k + 1) << "inside the channel";
    EXPECT_LE(across_end(line, vertical) - across_start(line, vertical), 2) << "one pixel thick, outlined";
}

INSTANTIATE_TEST_SUITE_P(Positions, TrackbarThumbTest,
                         testing::Values(ThumbCase{"HorizontalMiddle", 0, 50, 0, 0},
                                         ThumbCase{"HorizontalMaximum", 0, 100, 8, 10},
                                         ThumbCase{"VerticalMiddle", TBS_VERT, 50, 0, 0},
                                         ThumbCase{"VerticalMaximum", TBS_VERT, 100, 8, 10}),
                         [](const testing::TestParamInfo<ThumbCase>& info) { return std::string(info.param.name); });

TEST_F(TrackbarTest, HoverGrowsTheDotIntoTheBallOnceAndLeavingShrinksItAgain) {
    HWND made = trackbar(0, 0, 100, 30);
    skin();
    const Snapshot normal = snapshot(made);
    const int lead = leading_edge(made, false);
    const int k = channel_across(made, false).first;

    SendMessageW(made, WM_MOUSEMOVE, 0, testing_support::point(5, 5));
    EXPECT_TRUE(entry(made).hot);
    EXPECT_EQ(record().hover_family, hover_family::trackbars);
    EXPECT_EQ(record().hover_id, entry_number(made));
    const Snapshot hot = snapshot(made);
    const RECT ball = changed_between(normal, hot);
    EXPECT_NEAR(ball.left, lead, 1);
    EXPECT_NEAR(ball.right - ball.left, 11, 1) << "an 11-pixel ball";
    EXPECT_NEAR(ball.bottom - ball.top, 11, 1);
    EXPECT_NEAR(ball.top, k - 4, 1) << "around the channel, ticks below";

    paint_marker(made, kMarker);
    SendMessageW(made, WM_MOUSEMOVE, 0, testing_support::point(60, 8));
    EXPECT_EQ(window_pixel(made, 2, 2), kMarker) << "moves inside the trackbar draw nothing";

    SendMessageW(made, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(entry(made).hot);
    EXPECT_EQ(record().hover_id, 0);
    EXPECT_EQ(snapshot(made), normal);
}

struct BallCase {
    const char* name;
    DWORD style;
    int offset; // of the ball's top from k - 4
};

void PrintTo(const BallCase& c, std::ostream* out) {
    *out << c.name;
}

class TrackbarBallTest : public TrackbarTest, public testing::WithParamInterface<BallCase> {};

// The ball leans towards the ticks' side: two pixels lower with ticks on top, one with ticks on both sides.
TEST_P(TrackbarBallTest, TheBallSitsAcrossTheChannelAsTheTicksSay) {
    const BallCase& c = GetParam();
    const bool vertical = (c.style & TBS_VERT) != 0;
    HWND made = trackbar(c.style, 0, 100, 20);
    skin();
    const Snapshot normal = snapshot(made);
    const int k = channel_across(made, vertical).first;
    SendMessageW(made, WM_MOUSEMOVE, 0, testing_support::point(3, 3));
    const RECT ball = changed_between(normal, snapshot(made));
    EXPECT_NEAR(across_start(ball, vertical), k - 4 + c.offset, 1);
    EXPECT_NEAR(start_of(ball, vertical), leading_edge(made, vertical), 1);
}

INSTANTIATE_TEST_SUITE_P(Ticks, TrackbarBallTest,
                         testing::Values(BallCase{"Bottom", 0, 0}, BallCase{"Top", TBS_TOP, 2},
                                         BallCase{"Both", TBS_BOTH, 1}, BallCase{"None", TBS_NOTICKS, 0},
                                         BallCase{"VerticalRight", TBS_VERT, 0},
                                         BallCase{"VerticalLeft", TBS_VERT | TBS_LEFT, 2}),
                         [](const testing::TestParamInfo<BallCase>& info) { return std::string(info.param.name); });

TEST_F(TrackbarTest, WithoutTheBackingBoxTheWindowBackgroundShowsAroundTheChannel) {
    HWND flat = trackbar(0, 0, 100, 0);
    HWND upright = trackbar(TBS_VERT, 0, 100, 0);
    skin();
    for (HWND made : {flat, upright}) {
        const Snapshot shot = snapshot(made);
        for (const POINT p : {POINT{1, 1}, POINT{shot.width - 2, 1}, POINT{1, shot.height - 2},
                              POINT{shot.width - 2, shot.height - 2}, POINT{shot.width / 2, shot.height - 2}})
            EXPECT_EQ(shot.at(p.x, p.y), behind(made, p.x, p.y)) << p.x << ", " << p.y;
    }
}

// The box is white at the top fading to dark at the bottom; a vertical trackbar's runs from left to right.
TEST_F(TrackbarTest, TheBackingBoxShadesAcrossTheTrackbar) {
    trackbar_style = 1;
    HWND flat = trackbar(0, 0, 100, 0);
    HWND upright = trackbar(TBS_VERT, 0, 100, 0);
    skin();
    using testing_support::brightness;
    const auto lighter = [](HWND made, int x, int y) {
        return brightness(window_pixel(made, x, y)) - brightness(behind(made, x, y));
    };
    const SIZE flat_size = testing_support::window_size(flat), upright_size = testing_support::window_size(upright);
    EXPECT_GT(lighter(flat, 3, 2), 150) << "near the top";
    EXPECT_GT(lighter(flat, 3, 2), lighter(flat, 3, flat_size.cy - 3) + 120) << "darker near the bottom";
    EXPECT_GT(lighter(upright, 2, upright_size.cy - 4), 150) << "near the left";
    EXPECT_GT(lighter(upright, 2, upright_size.cy - 4),
              lighter(upright, upright_size.cx - 3, upright_size.cy - 4) + 120)
        << "darker near the right";
    // Along the box the shade stays: light at both ends.
    EXPECT_GT(lighter(flat, flat_size.cx - 4, 2), 150);
    EXPECT_GT(lighter(upright, 2, 4), 150);
}

struct SelectionCase {
    const char* name;
    DWORD style;
    int min, max, start, end;
    double from, to; // shares of the channel's length
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

class TrackbarSelectionTest : public TrackbarTest, public testing::WithParamInterface<SelectionCase> {};

TEST_P(TrackbarSelectionTest, TheSelectionIsALineInsideTheChannelOnTheScaleOfTheRange) {
    const SelectionCase& c = GetParam();
    const bool vertical = (c.style & TBS_VERT) != 0;
    HWND made = trackbar(c.style | TBS_ENABLESELRANGE, c.min, c.max, c.min);
    skin();
    const Snapshot without = snapshot(made);
    const auto [k, channel_end] = channel_across(made, vertical);
    EXPECT_EQ(channel_end - k, 4) << "a channel thinned for the selection";
    SendMessageW(made, TBM_SETSEL, TRUE, MAKELPARAM(c.start, c.end));
    pump();
    const RECT line = changed_between(without, snapshot(made));
    RECT c_rect{};
    SendMessageW(made, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c_rect));
    const int length = std::max(c_rect.right - c_rect.left, c_rect.bottom - c_rect.top);
    const int along = length == c_rect.right - c_rect.left ? c_rect.left : c_rect.top;
    EXPECT_NEAR(start_of(line, vertical), along + c.from * length, 1.5);
    EXPECT_NEAR(end_of(line, vertical) - 1, along + c.to * length, 1.5);
    EXPECT_EQ(across_start(line, vertical), k + 1);
}

INSTANTIATE_TEST_SUITE_P(Ranges, TrackbarSelectionTest,
                         testing::Values(SelectionCase{"FromZero", 0, 0, 100, 20, 60, 0.2, 0.6},
                                         SelectionCase{"NotFromZero", 0, 100, 200, 120, 160, 0.2, 0.6},
                                         SelectionCase{"WholeRange", 0, 0, 50, 0, 50, 0.0, 1.0},
                                         SelectionCase{"Vertical", TBS_VERT, 0, 100, 50, 75, 0.5, 0.75}),
                         [](const testing::TestParamInfo<SelectionCase>& info) {
                             return std::string(info.param.name);
                         });

// A range without length has no scale: the selection is left out, the rest is drawn.
TEST_F(TrackbarTest, ARangeWithoutLengthDrawsTheChannelAndNoSelection) {
    HWND made = trackbar(TBS_ENABLESELRANGE, 5, 5, 5);
    SendMessageW(made, TBM_SETSEL, TRUE, MAKELPARAM(5, 5));
    skin();
    EXPECT_GE(channel_across(made, false).first, 0);
    EXPECT_FALSE(drawn_where(made, is_whitish).right == 0) << "the dot";
}

} // namespace
} // namespace pantrove
