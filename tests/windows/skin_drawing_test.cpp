#include "gdiplus/brushes.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/core/drawing.h"
#include "tests/windows/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pantrove {
namespace {

using gdiplus::ARGB;
using gdiplus::GraphicsPath;
using gdiplus::testing_support::Canvas;

struct ArgbCase {
    COLORREF colour;
    int alpha;
    ARGB expected;
};

void PrintTo(const ArgbCase& c, std::ostream* out) {
    *out << std::hex << "colour 0x" << c.colour << " alpha " << std::dec << c.alpha;
}

class ToArgbTest : public testing::TestWithParam<ArgbCase> {};

TEST_P(ToArgbTest, SwapsRedAndBlueUnderTheAlpha) {
    EXPECT_EQ(to_argb(GetParam().colour, GetParam().alpha), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ToArgbTest,
                         testing::Values(ArgbCase{0x0000FF, 128, 0x80FF0000}, ArgbCase{0x0000FF, 255, 0xFFFF0000},
                                         ArgbCase{0xFF123456, 0, 0x00563412}, ArgbCase{0x00DDCA22, 300, 0xFF22CADD},
                                         ArgbCase{0xFFFFFF, -4, 0x00FFFFFF}));

TEST(ToArgb, AnOmittedAlphaIsOpaque) {
    EXPECT_EQ(to_argb(0x0000FF), 0xFFFF0000);
}

std::vector<gdiplus::PointF> round_rect_points(float x, float y, float width, float height, int radius) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    EXPECT_TRUE(add_round_rect(path, x, y, width, height, radius));
    return path.points();
}

void expect_same_points(const std::vector<gdiplus::PointF>& actual, const std::vector<gdiplus::PointF>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_FLOAT_EQ(actual[i].X, expected[i].X) << "point " << i;
        EXPECT_FLOAT_EQ(actual[i].Y, expected[i].Y) << "point " << i;
    }
}

TEST(AddRoundRect, KeepsTheRadiusWithinOneToAHundred) {
    expect_same_points(round_rect_points(10, 20, 300, 250, 0), round_rect_points(10, 20, 300, 250, 1));
    expect_same_points(round_rect_points(10, 20, 300, 250, -7), round_rect_points(10, 20, 300, 250, 1));
    expect_same_points(round_rect_points(10, 20, 300, 250, 500), round_rect_points(10, 20, 300, 250, 100));
    const auto radius_50 = round_rect_points(10, 20, 300, 250, 50);
    const auto radius_100 = round_rect_points(10, 20, 300, 250, 100);
    EXPECT_FALSE(radius_50.size() == radius_100.size() &&
                 std::equal(radius_50.begin(), radius_50.end(), radius_100.begin(),
                            [](const auto& a, const auto& b) { return a.X == b.X && a.Y == b.Y; }));
}

TEST(AddRoundRect, FillsTheRectangleUpToItsRightAndBottomEdgesButNotTheCorners) {
    Canvas canvas(60, 50);
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(add_round_rect(path, 5, 5, 40, 30, 10));
    const gdiplus::RectF bounds = path.bounds();
    EXPECT_FLOAT_EQ(bounds.X, 5);
    EXPECT_FLOAT_EQ(bounds.Y, 5);
    EXPECT_FLOAT_EQ(bounds.Width, 40);
    EXPECT_FLOAT_EQ(bounds.Height, 30);
    const gdiplus::SolidBrush black(0xFF000000);
    ASSERT_TRUE(canvas.graphics.fill_path(black, path));
    const gdiplus::Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(25, 20), 0xFF000000u);
    EXPECT_EQ(pixels.pixel(44, 20), 0xFF000000u);
    EXPECT_EQ(pixels.pixel(25, 34), 0xFF000000u);
    for (auto [x, y] : {std::pair{5, 5}, {44, 5}, {5, 34}, {44, 34}})
        EXPECT_EQ(pixels.pixel(x, y), 0xFFFFFFFFu) << x << "," << y;
}

TEST(AddTabPath, OutlinesTheSidesAndTheTopButLeavesTheBottomOpen) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(add_tab_path(path, 10, 10, 40, 30, 6));
    const std::vector<gdiplus::PointF> points = path.points();
    ASSERT_GE(points.size(), 2u);
    EXPECT_FLOAT_EQ(points.front().X, 10);
    EXPECT_FLOAT_EQ(points.front().Y, 40);
    EXPECT_FLOAT_EQ(points.back().X, 50);
    EXPECT_FLOAT_EQ(points.back().Y, 40);

    Canvas canvas(60, 50);
    const gdiplus::Pen pen(0xFF000000, 1);
    ASSERT_TRUE(canvas.graphics.draw_path(pen, path));
    const gdiplus::Bitmap& pixels = canvas.pixels();
    EXPECT_EQ(pixels.pixel(10, 30), 0xFF000000u); // left side
    EXPECT_EQ(pixels.pixel(50, 30), 0xFF000000u); // right side
    EXPECT_EQ(pixels.pixel(30, 10), 0xFF000000u); // top
    EXPECT_EQ(pixels.pixel(30, 40), 0xFFFFFFFFu); // no bottom edge
    EXPECT_EQ(pixels.pixel(10, 10), 0xFFFFFFFFu); // rounded corner
}

TEST(DrawGlowOutline, StrokesOnceWithEachWidthSoTheOutlineIsDensestInTheMiddle) {
    Canvas canvas(60, 60);
    GraphicsPath path(Gdiplus::FillModeAlternate);
    ASSERT_TRUE(path.add_rectangle(10, 10, 40, 40));
    draw_glow_outline(canvas.graphics, path, 3, RGB(0, 0, 0), 100);
    const gdiplus::Bitmap& pixels = canvas.pixels();
    const auto darkness = [&](int x) { return 255 - static_cast<int>(pixels.pixel(x, 30) & 0xFF); };
    // On the left side (x = 10) all three strokes overlap, one pixel out only the wider two, three out none.
    EXPECT_GT(darkness(10), darkness(9));
    EXPECT_GT(darkness(9), 0);
    EXPECT_EQ(darkness(7), 0);
    // One stroke of alpha 100 darkens white by about 100; three on top of each other by far more.
    EXPECT_GT(darkness(10), 180);
}

struct ClientRectCase {
    const char* name;
    SIZE window;
    SIZE client;
    DWORD style;
    RECT expected;
};

void PrintTo(const ClientRectCase& c, std::ostream* out) {
    *out << c.name;
}

class ClientRectInWindowTest : public testing::TestWithParam<ClientRectCase> {};

TEST_P(ClientRectInWindowTest, CentresTheClientAreaAfterTheScrollBarAllowance) {
    const RECT r = client_rect_in_window(GetParam().window, GetParam().client, GetParam().style);
    const RECT& expected = GetParam().expected;
    EXPECT_EQ(r.left, expected.left);
    EXPECT_EQ(r.top, expected.top);
    EXPECT_EQ(r.right, expected.right);
    EXPECT_EQ(r.bottom, expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClientRectInWindowTest,
    testing::Values(ClientRectCase{"thin border", {100, 30}, {98, 28}, WS_BORDER, {1, 1, 99, 29}},
                    ClientRectCase{"no border", {50, 20}, {50, 20}, 0, {0, 0, 50, 20}},
                    ClientRectCase{"sunken edge", {100, 30}, {96, 26}, 0, {2, 2, 98, 28}},
                    ClientRectCase{"vertical scroll bar", {100, 60}, {81, 58}, WS_VSCROLL, {1, 1, 82, 59}},
                    ClientRectCase{"horizontal scroll bar", {100, 60}, {98, 41}, WS_HSCROLL, {1, 1, 99, 42}},
                    ClientRectCase{"both scroll bars", {100, 60}, {79, 39}, WS_HSCROLL | WS_VSCROLL, {2, 2, 81, 41}},
                    ClientRectCase{"scroll bar narrower than 17", {100, 60}, {84, 58}, WS_VSCROLL, {-1, 1, 83, 59}}));

class SkinWindowsTest : public testing::Test {
protected:
    void TearDown() override {
        for (HWND window : windows_)
            DestroyWindow(window);
    }
    HWND make(const wchar_t* window_class, DWORD style, int width = 100, int height = 30, HWND parent = nullptr) {
        HWND window = CreateWindowExW(0, window_class, L"", (parent ? WS_CHILD : WS_POPUP) | style, 0, 0, width, height,
                                      parent, nullptr, nullptr, nullptr);
        EXPECT_NE(window, nullptr);
        windows_.push_back(window);
        return window;
    }
    std::vector<HWND> windows_;
};

TEST_F(SkinWindowsTest, ClientRectOfABorderedControlIsCentredInItsWindow) {
    HWND parent = make(L"Static", 0, 300, 200);
    HWND control = make(L"Static", WS_BORDER, 100, 30, parent);
    RECT client{};
    GetClientRect(control, &client);
    ASSERT_EQ(client.right, 98);
    ASSERT_EQ(client.bottom, 28);
    const RECT r = client_rect_in_window(control);
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 1);
    EXPECT_EQ(r.right, 99);
    EXPECT_EQ(r.bottom, 29);
}

TEST_F(SkinWindowsTest, OnlyListBoxesThatDrawTheirItemsAreOwnerDrawListBoxes) {
    HWND parent = make(L"Static", 0, 300, 200);
    EXPECT_TRUE(is_owner_draw_list_box(make(L"ListBox", LBS_OWNERDRAWFIXED, 100, 60, parent)));
    EXPECT_TRUE(is_owner_draw_list_box(make(L"ListBox", LBS_OWNERDRAWVARIABLE, 100, 60, parent)));
    EXPECT_FALSE(is_owner_draw_list_box(make(L"ListBox", LBS_NOTIFY, 100, 60, parent)));
    EXPECT_FALSE(is_owner_draw_list_box(make(L"ComboBox", CBS_OWNERDRAWFIXED | CBS_DROPDOWNLIST, 100, 60, parent)));
    EXPECT_FALSE(is_owner_draw_list_box(make(L"Button", BS_CHECKBOX | BS_LEFTTEXT, 100, 30, parent)));
}

} // namespace
} // namespace pantrove
