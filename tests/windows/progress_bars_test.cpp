#include "skin/controls/progress_bars.h"

#include "tests/windows/range_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::brightness;
using testing_support::is_theme_blue;
using testing_support::paint_marker;
using testing_support::pump;
using testing_support::window_pixel;

class ProgressTest : public testing_support::RangeControlTest {
protected:
    // A horizontal bar at (20, 20), 200 × 20, or a vertical one at (260, 20), 20 × 160.
    HWND bar(DWORD style, int low = 0, int high = 100, int pos = 0) {
        const bool vertical = (style & PBS_VERTICAL) != 0;
        HWND made = control(PROGRESS_CLASSW, style, vertical ? 260 : 20, 20, vertical ? 20 : 200, vertical ? 160 : 20);
        SendMessageW(made, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
        SendMessageW(made, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
        return made;
    }

    void skin() {
        skin_progress_bars(number, window);
        redraw(window);
    }

    int entry_number(HWND made) { return record().progress_list.find_handle(made); }
};

struct BarCase {
    const char* name;
    DWORD style;
    int low, high, pos;
    double share; // of the bar's length; 0 for no bar
};

void PrintTo(const BarCase& c, std::ostream* out) {
    *out << c.name;
}

class ProgressFillTest : public ProgressTest, public testing::WithParamInterface<BarCase> {};

// The bar in the theme colour starts one pixel inside the trough and ends two pixels before the end of its
// share of the length; a vertical bar grows from the bottom.
TEST_P(ProgressFillTest, TheBarCoversThePositionsShareOfTheRange) {
    const BarCase& c = GetParam();
    const bool vertical = (c.style & PBS_VERTICAL) != 0;
    HWND made = bar(c.style, c.low, c.high, c.pos);
    skin();
    const SIZE size = testing_support::window_size(made);
    const RECT theme = drawn_where(made, is_theme_blue);
    if (c.share == 0) {
        EXPECT_EQ(theme.right, 0) << "only the trough";
        return;
    }
    if (vertical) {
        const int length = static_cast<int>(c.share * size.cy);
        EXPECT_EQ(theme.bottom, size.cy - 1) << "from the bottom";
        EXPECT_NEAR(theme.top, size.cy - length + 1, 1);
    } else {
        const int length = static_cast<int>(c.share * size.cx);
        EXPECT_NEAR(theme.left, 1, 1);
        EXPECT_EQ(theme.right, length - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, ProgressFillTest,
                         testing::Values(BarCase{"AtZero", 0, 0, 100, 0, 0}, BarCase{"Half", 0, 0, 100, 50, 0.5},
                                         BarCase{"HighLimitReachesTheFarEnd", 0, 0, 100, 100, 1},
                                         BarCase{"VerticalAtZero", PBS_VERTICAL, 0, 100, 0, 0},
                                         BarCase{"VerticalQuarter", PBS_VERTICAL, 0, 100, 25, 0.25},
                                         BarCase{"VerticalHighLimit", PBS_VERTICAL, 0, 100, 100, 1},
                                         BarCase{"LowLimitNotZeroAtLow", 0, 50, 150, 50, 0},
                                         BarCase{"LowLimitNotZeroHalf", 0, 50, 150, 100, 0.5},
                                         BarCase{"NegativeLowLimit", 0, -100, 100, 0, 0.5}),
                         [](const testing::TestParamInfo<BarCase>& info) { return std::string(info.param.name); });

TEST_F(ProgressTest, AtZeroTheTroughIsShadedAcrossAndOutlined) {
    for (const DWORD style : {DWORD{0}, DWORD{PBS_VERTICAL}}) {
        HWND made = bar(style);
        skin();
        const SIZE size = testing_support::window_size(made);
        const auto lighter = [&](int x, int y) {
            return brightness(window_pixel(made, x, y)) - brightness(behind(made, x, y));
        };
        if (style)
            EXPECT_GT(lighter(2, size.cy / 2), lighter(size.cx - 3, size.cy / 2) + 120) << "light left, dark right";
        else
            EXPECT_GT(lighter(size.cx / 2, 2), lighter(size.cx / 2, size.cy - 3) + 120) << "light top, dark bottom";
        EXPECT_LT(lighter(size.cx / 2, 0), 0) << "the outline";
        EXPECT_EQ(window_pixel(made, 0, 0), behind(made, 0, 0)) << "rounded corners";
        DestroyWindow(made);
    }
}

// Equal limits leave the share undefined: the bar shows the empty trough, whatever its position.
TEST_F(ProgressTest, EqualLimitsDrawOnlyTheTrough) {
    HWND made = bar(0, 0, 100, 0);
    skin();
    const testing_support::Snapshot empty = testing_support::snapshot(made);
    SendMessageW(made, PBM_SETRANGE32, 40, 40);
    SendMessageW(made, PBM_SETPOS, 40, 0);
    PBRANGE range{};
    SendMessageW(made, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    pump();
    paint_progress_bar(number, entry_number(made));
    EXPECT_EQ(testing_support::snapshot(made), empty) << "range " << range.iLow << ".." << range.iHigh;
}

TEST(ProgressLengthTest, TheLengthIsThePositionsShareOfTheRangeWithinTheBar) {
    struct Case {
        int size, position, low, high, length;
    };
    const Case cases[] = {
        {200, 0, 0, 100, 0},
        {200, 50, 0, 100, 100},
        {200, 100, 0, 100, 200},
        {200, 99, 0, 100, 198},
        {200, 100, 50, 150, 100},
        {200, 50, 50, 150, 0},
        {200, -50, -100, 100, 50},
        {200, 5, 5, 5, 0},
        {200, 7, 10, 5, 0},
        {200, 150, 0, 100, 200},
        {200, -5, 0, 100, 0},
        {0, 50, 0, 100, 0},
        {200, INT_MAX, INT_MIN, INT_MAX, 200},
    };
    for (const Case& c : cases)
        EXPECT_EQ(progress_length(c.size, c.position, c.low, c.high), c.length)
            << c.size << " pixels at " << c.position << " of " << c.low << ".." << c.high;
}

TEST_F(ProgressTest, APaintIntoAGivenDcLeavesTheBarsWindowAlone) {
    HWND made = bar(0, 0, 100, 100);
    skin();
    const SIZE size = testing_support::window_size(made);
    paint_marker(made, kMarker);
    testing_support::MemoryImage target(size.cx, size.cy);
    paint_progress_bar(number, entry_number(made), target.dc());
    EXPECT_EQ(window_pixel(made, size.cx / 2, size.cy / 2), kMarker);
    EXPECT_TRUE(is_theme_blue(target.pixel(size.cx / 2, size.cy - 4)));
}

TEST_F(ProgressTest, ANewPositionReachesTheScreenThroughTheBarsOwnRepaint) {
    HWND made = bar(0, 0, 100, 0);
    skin();
    EXPECT_EQ(drawn_where(made, is_theme_blue).right, 0);
    SendMessageW(made, PBM_SETPOS, 80, 0);
    pump();
    EXPECT_NEAR(drawn_where(made, is_theme_blue).right, 160 - 1, 1);
}

} // namespace
} // namespace pantrove
