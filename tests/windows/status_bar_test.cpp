#include "gdiplus/graphics.h"
#include "skin/services/glow_text.h"
#include "skin/services/status_bar.h"
#include "skinned_frame_support.h"
#include "control_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::brightness;
using testing_support::difference;
using testing_support::MemoryImage;
using testing_support::Snapshot;
using testing_support::snapshot;

constexpr COLORREF kGrey = RGB(128, 128, 128);

// Status bars of windows skinned by skin_window, over a plain grey body.
class StatusBarTest : public testing_support::SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        skin_picture.clear();
        back_colour = kGrey;
    }

    int with_bar(int width, int height, int bar_height, std::vector<StatusPane> panes = {}) {
        SkinWindowOptions options;
        options.status_height = bar_height;
        options.status_panes = std::move(panes);
        return skinned(width, height, 0, options);
    }

    static RECT pane_rect(int number, int pane) { return record(number).status_pane_rects[pane - 1]; }

    // What background_dc holds in a rectangle.
    static Snapshot composed(int number, const RECT& r) {
        Snapshot shot{r.right - r.left, r.bottom - r.top, {}};
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                shot.pixels.push_back(GetPixel(record(number).background_dc, x, y));
        }
        return shot;
    }

    // What the screen shows of the window in a rectangle.
    static Snapshot on_screen(int number, const RECT& r) {
        HDC dc = GetDC(handle(number));
        Snapshot shot{r.right - r.left, r.bottom - r.top, {}};
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x)
                shot.pixels.push_back(GetPixel(dc, x, y));
        }
        ReleaseDC(handle(number), dc);
        return shot;
    }
};

StatusPane pane(int width, const char* text = "", COLORREF colour = 0, ByteArray picture = {}) {
    return StatusPane{width, text, std::move(picture), colour};
}

struct PaneLayoutCase {
    const char* name;
    std::vector<int> widths;                   // empty: no panes given
    std::vector<std::pair<int, int>> expected; // x and width of each pane
};

void PrintTo(const PaneLayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class StatusPaneLayout : public StatusBarTest, public testing::WithParamInterface<PaneLayoutCase> {};

TEST_P(StatusPaneLayout, PanesLieSideBySideFromTheMarginAndTheRemainingWidthGoesToTheFlexiblePane) {
    std::vector<StatusPane> panes;
    for (const int width : GetParam().widths)
        panes.push_back(pane(width));
    const int number = with_bar(400, 300, 20, panes);
    ASSERT_EQ(number, 1);
    const SkinnedWindow& r = record(number);
    EXPECT_EQ(r.status_height, 20);
    // Three pixels in from the left, right and bottom edges, one more up from the bottom.
    EXPECT_EQ(r.status_rect.left, 3);
    EXPECT_EQ(r.status_rect.right, 397);
    EXPECT_EQ(r.status_rect.top, 300 - 3 - 20 - 1);
    EXPECT_EQ(r.status_rect.bottom, 300 - 3 - 1);
    ASSERT_EQ(r.status_panes.size(), GetParam().expected.size());
    ASSERT_EQ(r.status_pane_rects.size(), GetParam().expected.size());
    for (size_t i = 0; i < GetParam().expected.size(); ++i) {
        const RECT& rect = r.status_pane_rects[i];
        EXPECT_EQ(rect.left, GetParam().expected[i].first) << "pane " << i + 1;
        EXPECT_EQ(rect.right - rect.left, GetParam().expected[i].second) << "pane " << i + 1;
        EXPECT_EQ(rect.top, r.status_rect.top);
        EXPECT_EQ(rect.bottom, r.status_rect.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Widths, StatusPaneLayout,
    testing::Values(
        // The third pane starts at the bar's right end and runs 50 pixels past it.
        PaneLayoutCase{"fixed_flexible_fixed", {100, -1, 50}, {{3, 100}, {103, 294}, {397, 50}}},
        PaneLayoutCase{"no_panes_given", {}, {{3, 394}}}, PaneLayoutCase{"flexible_only", {-1}, {{3, 394}}},
        PaneLayoutCase{"flexible_first", {-1, 80}, {{3, 394}, {397, 80}}},
        PaneLayoutCase{"fixed_only", {50, 60}, {{3, 50}, {53, 60}}},
        // A flexible pane after the panes have filled the bar gets nothing rather than a negative width.
        PaneLayoutCase{"flexible_after_full_bar", {300, 200, -1}, {{3, 300}, {303, 200}, {503, 0}}}));

TEST_F(StatusBarTest, APaneGivenWithoutWidthsKeepsItsTextPictureAndColour) {
    const ByteArray picture = testing_support::plain_picture(8, 8, RGB(255, 0, 0));
    const int number = with_bar(300, 200, 22, {pane(60, "左", 0x0000FF, picture), pane(-1, "右", 0x00FF00)});
    const SkinnedWindow& r = record(number);
    ASSERT_EQ(r.status_panes.size(), 2u);
    EXPECT_EQ(r.status_panes[0].pane_text, "左");
    EXPECT_EQ(r.status_panes[0].pane_picture, picture);
    EXPECT_EQ(r.status_panes[0].pane_colour, 0x0000FFu);
    EXPECT_EQ(r.status_panes[1].pane_width, -1);
    EXPECT_EQ(r.status_panes[1].pane_text, "右");
    // The style a new bar starts with.
    EXPECT_FALSE(r.status_inverse);
    EXPECT_FALSE(r.status_glow);
    EXPECT_EQ(r.status_glow_text_colour, 0x000000u);
    EXPECT_EQ(r.status_glow_colour, 0xFFFFFFu);
    EXPECT_EQ(r.status_font, "宋体");
    EXPECT_EQ(r.status_font_size, 12);
}

TEST_F(StatusBarTest, AWindowWithoutBarHasNoPanesAndDrawsNone) {
    const int number = with_bar(300, 200, 0, {pane(100, "不画")});
    const SkinnedWindow& r = record(number);
    EXPECT_EQ(r.status_height, 0);
    EXPECT_TRUE(r.status_panes.empty());
    EXPECT_EQ(r.status_rect.bottom - r.status_rect.top, 0);
    skin->paint_window(number, nullptr, false);
    EXPECT_EQ(composed(number, RECT{10, 150, 290, 190}).count([](COLORREF c) { return c != kGrey; }), 0);
    EXPECT_EQ(skin->set_status_pane(handle(number), 1, "x"), 0);
}

TEST_F(StatusBarTest, BarAndPanesFollowTheClientSize) {
    const int number = with_bar(400, 300, 20, {pane(100), pane(-1), pane(50)});
    show(handle(number));
    SetWindowPos(handle(number), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const SkinnedWindow& r = record(number);
    EXPECT_EQ(r.status_rect.top, 200 - 3 - 20 - 1);
    EXPECT_EQ(r.status_rect.right, 297);
    EXPECT_EQ(r.status_rect.bottom - r.status_rect.top, 20);
    EXPECT_EQ(pane_rect(number, 2).left, 103);
    EXPECT_EQ(pane_rect(number, 2).right - pane_rect(number, 2).left, 194);
    EXPECT_EQ(pane_rect(number, 3).left, 297);
    EXPECT_EQ(pane_rect(number, 3).right - pane_rect(number, 3).left, 50);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(pane_rect(number, p).top, r.status_rect.top) << "pane " << p;

    // The next render draws the panes at their new places.
    skin->set_status_pane(handle(number), 1, "HHHH", std::nullopt, RGB(0, 0, 0));
    skin->paint_window(number, nullptr, false);
    EXPECT_GT(composed(number, pane_rect(number, 1)).count([](COLORREF c) { return brightness(c) < 150; }), 10);
}

// Text pixels: dark or saturated enough to stand out from the grey under the white gradient.
bool close_to(COLORREF colour, COLORREF pixel) {
    return difference(colour, pixel) <= 60;
}

TEST_F(StatusBarTest, PanesAreDrawnInAFullRenderInTheirColoursOrAllInTheInverseOfTheBodyColour) {
    back_colour = RGB(0, 160, 0); // its inverse is a magenta
    const COLORREF inverse = RGB(255, 95, 255);
    const int number =
        with_bar(400, 200, 24, {pane(120, "HHHHHH", RGB(255, 0, 0)), pane(-1, "HHHHHH", RGB(0, 0, 255))});
    skin->paint_window(number, nullptr, false);
    const auto red = [](COLORREF c) { return close_to(RGB(255, 0, 0), c); };
    const auto blue = [](COLORREF c) { return close_to(RGB(0, 0, 255), c); };
    const auto magenta = [&](COLORREF c) { return close_to(inverse, c); };
    EXPECT_GT(composed(number, pane_rect(number, 1)).count(red), 20);
    EXPECT_GT(composed(number, pane_rect(number, 2)).count(blue), 20);
    EXPECT_EQ(composed(number, pane_rect(number, 1)).count(magenta), 0);

    ASSERT_EQ(skin->set_status_style(handle(number)), 1);
    EXPECT_TRUE(record(number).status_inverse);
    skin->paint_window(number, nullptr, false);
    for (int p = 1; p <= 2; ++p) {
        const Snapshot shot = composed(number, pane_rect(number, p));
        EXPECT_GT(shot.count(magenta), 20) << "pane " << p;
        EXPECT_EQ(shot.count(red), 0) << "pane " << p;
        EXPECT_EQ(shot.count(blue), 0) << "pane " << p;
    }
}

TEST_F(StatusBarTest, ThePaneBackgroundIsAWhiteGradientOverTheBody) {
    const int number = with_bar(300, 200, 20);
    skin->paint_window(number, nullptr, false);
    const RECT r = pane_rect(number, 1);
    const COLORREF top = GetPixel(record(number).background_dc, 150, r.top);
    const COLORREF bottom = GetPixel(record(number).background_dc, 150, r.bottom - 1);
    EXPECT_LE(difference(top, testing_support::over(kGrey, RGB(255, 255, 255), 60)), 4);
    EXPECT_LE(difference(bottom, testing_support::over(kGrey, RGB(255, 255, 255), 10)), 6);
    // Nothing above the bar.
    EXPECT_EQ(GetPixel(record(number).background_dc, 150, r.top - 1), kGrey);
}

TEST_F(StatusBarTest, SetStatusStyleSetsEveryValueOmittedToItsDefaultAndKeepsAnOmittedFont) {
    const int number = with_bar(300, 200, 20);
    HWND window = handle(number);
    ASSERT_EQ(skin->set_status_style(window, {.inverse = false,
                                              .glow = false,
                                              .glow_text_colour = 0x123456,
                                              .glow_colour = 0x654321,
                                              .font_name = "Arial",
                                              .font_size = 15}),
              1);
    SkinnedWindow& r = record(number);
    EXPECT_FALSE(r.status_inverse);
    EXPECT_EQ(r.status_glow_text_colour, 0x123456u);
    EXPECT_EQ(r.status_font, "Arial");
    EXPECT_EQ(r.status_font_size, 15);

    ASSERT_EQ(skin->set_status_style(window, {.glow = true}), 1);
    EXPECT_TRUE(r.status_glow);
    EXPECT_TRUE(r.status_inverse);
    EXPECT_EQ(r.status_glow_text_colour, 0x000000u);
    EXPECT_EQ(r.status_glow_colour, 0xFFFFFFu);
    EXPECT_EQ(r.status_font, "Arial");
    EXPECT_EQ(r.status_font_size, 15);
}

TEST_F(StatusBarTest, SetStatusStyleAnswersZeroForWindowsThatAreNotSkinned) {
    const int number = with_bar(300, 200, 20);
    EXPECT_EQ(skin->set_status_style(nullptr), 0);
    EXPECT_EQ(skin->set_status_style(top_window(100, 100)), 0);
    // A skinned control carries "Hw_lbID" too, numbering its entry: it names no window record.
    HWND button = child(handle(number), L"Button", BS_PUSHBUTTON, 10, 40, 80, 24);
    props::set_number(button, props::kOwnNumber, number);
    EXPECT_EQ(skin->set_status_style(button, {.glow = true}), 0);
    EXPECT_FALSE(record(number).status_glow);
}

TEST_F(StatusBarTest, SetStatusPaneChangesTextAndOnlyTheGivenPictureAndColour) {
    const ByteArray picture = testing_support::plain_picture(8, 8, RGB(255, 0, 0));
    const int number = with_bar(400, 200, 20, {pane(100, "a", 0x111111, picture), pane(-1), pane(50)});
    HWND window = handle(number);
    ASSERT_EQ(skin->set_status_pane(window, 1, "新的"), 1);
    const StatusPane& first = record(number).status_panes[0];
    EXPECT_EQ(first.pane_text, "新的");
    EXPECT_EQ(first.pane_picture, picture);
    EXPECT_EQ(first.pane_colour, 0x111111u);
    ASSERT_EQ(skin->set_status_pane(window, 1, "", ByteArray{}, 0x222222), 1);
    EXPECT_TRUE(first.pane_text.empty());
    EXPECT_TRUE(first.pane_picture.empty());
    EXPECT_EQ(first.pane_colour, 0x222222u);
}

struct PaneNumberCase {
    int pane;
};

void PrintTo(const PaneNumberCase& c, std::ostream* out) {
    *out << "pane_" << (c.pane < 0 ? "minus_" : "") << std::abs(c.pane);
}

class StatusPaneOutOfRange : public StatusBarTest, public testing::WithParamInterface<PaneNumberCase> {};

TEST_P(StatusPaneOutOfRange, ChangesNothing) {
    const int number = with_bar(400, 200, 20, {pane(100, "a"), pane(-1, "b"), pane(50, "c")});
    EXPECT_EQ(skin->set_status_pane(handle(number), GetParam().pane, "x"), 0);
    for (const StatusPane& p : record(number).status_panes)
        EXPECT_NE(p.pane_text, "x");
}

INSTANTIATE_TEST_SUITE_P(Numbers, StatusPaneOutOfRange,
                         testing::Values(PaneNumberCase{0}, PaneNumberCase{-1}, PaneNumberCase{4},
                                         PaneNumberCase{1000}));

TEST_F(StatusBarTest, SetStatusPaneAnswersZeroForWindowsThatAreNotSkinned) {
    EXPECT_EQ(skin->set_status_pane(nullptr, 1, "x"), 0);
    EXPECT_EQ(skin->set_status_pane(top_window(100, 100), 1, "x"), 0);
}

TEST_F(StatusBarTest, SetStatusPaneRedrawsItsPaneAloneOnTheScreenAndInTheImage) {
    const int number = with_bar(400, 200, 20, {pane(100, "HHH"), pane(-1, "HHH"), pane(50, "HHH")});
    show(handle(number));
    testing_support::pump();
    const RECT bar = record(number).status_rect;
    const Snapshot image_before = composed(number, bar);
    testing_support::paint_marker(handle(number), RGB(0, 255, 255));

    ASSERT_EQ(skin->set_status_pane(handle(number), 2, "HHHHHHHHHHHH", std::nullopt, RGB(0, 0, 0)), 1);
    const auto marker = [](COLORREF c) { return c == RGB(0, 255, 255); };
    const Snapshot second = on_screen(number, pane_rect(number, 2));
    EXPECT_EQ(second.count(marker), 0);
    EXPECT_EQ(second, composed(number, pane_rect(number, 2)));
    const RECT first = pane_rect(number, 1);
    EXPECT_EQ(on_screen(number, first).count(marker), (first.right - first.left) * (first.bottom - first.top));
    const RECT third{pane_rect(number, 3).left, bar.top, 400, bar.bottom};
    EXPECT_EQ(on_screen(number, third).count(marker), (third.right - third.left) * (third.bottom - third.top));
    // Above the bar, away from the rounded corners that lie outside the window's region.
    EXPECT_EQ(on_screen(number, RECT{10, 10, 390, bar.top}).count(marker), 380 * (bar.top - 10));

    // In the image, too, only the second pane changed.
    const Snapshot image_after = composed(number, bar);
    for (int y = 0; y < image_after.height; ++y) {
        for (int x = 0; x < image_after.width; ++x) {
            const int column = bar.left + x;
            if (column < pane_rect(number, 2).left || column >= pane_rect(number, 2).right) {
                ASSERT_EQ(image_after.at(x, y), image_before.at(x, y)) << column << "," << bar.top + y;
            }
        }
    }
}

TEST_F(StatusBarTest, AChangedPaneIsDrawnOverItsCleanBackgroundNotOverItsOldText) {
    const int number = with_bar(400, 200, 20, {pane(100, ""), pane(-1, "")});
    show(handle(number));
    testing_support::pump();
    const Snapshot empty = composed(number, pane_rect(number, 2));
    ASSERT_EQ(skin->set_status_pane(handle(number), 2, "HHHHHHHHHH", std::nullopt, RGB(0, 0, 0)), 1);
    EXPECT_NE(composed(number, pane_rect(number, 2)), empty);
    ASSERT_EQ(skin->set_status_pane(handle(number), 2, ""), 1);
    EXPECT_EQ(composed(number, pane_rect(number, 2)), empty);
}

// One pane painted without presenting into a grey image, as a full render paints it.
class PanePaintTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        skin->frame_margin = 3;
        window = top_window(400, 100);
        number = add_record(window);
        fill_grey();
        window_record(number)->background_dc = image.dc();
    }

    void fill_grey() {
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 400; ++x)
                SetPixelV(image.dc(), x, y, kGrey);
        }
    }

    SkinnedWindow& record() { return *window_record(number); }

    Snapshot paint(int bar_height, StatusPane the_pane) {
        fill_grey();
        const StatusPane panes[] = {std::move(the_pane)};
        skin->add_status_bar(number, bar_height, panes);
        {
            gdiplus::Graphics graphics;
            graphics.create_from_hdc(image.dc());
            skin->paint_status_pane(number, graphics, true, 1);
        }
        return testing_support::snapshot(image.dc(), 400, 100);
    }

    RECT bar() { return record().status_rect; }

    HWND window = nullptr;
    int number = 0;
    MemoryImage image{400, 100};
};

const auto is_text = [](COLORREF c) { return brightness(c) < 200; };

struct FontSizeCase {
    int size;
};

void PrintTo(const FontSizeCase& c, std::ostream* out) {
    *out << c.size << "px";
}

class PaneTextPlacement : public PanePaintTest, public testing::WithParamInterface<FontSizeCase> {};

TEST_P(PaneTextPlacement, TheTextBoxStandsWhereATwelvePixelLineWouldBeCentred) {
    record().status_font_size = GetParam().size;
    const Snapshot shot = paint(40, pane(200, "HHHH"));
    const RECT text = shot.bounds(is_text);
    ASSERT_GT(text.right, text.left) << "no text drawn";
    const LONG box_top = bar().top + (40 - 12) / 2;
    EXPECT_GE(text.top, box_top);
    // The glyphs start within the font's leading below the box top, not centred for their own size.
    EXPECT_LE(text.top, box_top + GetParam().size * 2 / 5 + 2);
    EXPECT_GE(text.left, 3 + 3);
}

INSTANTIATE_TEST_SUITE_P(Sizes, PaneTextPlacement,
                         testing::Values(FontSizeCase{12}, FontSizeCase{20}, FontSizeCase{30}));

TEST_F(PanePaintTest, APaneWithAPictureDrawsItAtItsLeftAndTheTextAfterIt) {
    const Snapshot shot = paint(30, pane(200, "HHHH", 0, testing_support::plain_picture(10, 10, RGB(255, 0, 0))));
    const auto red = [](COLORREF c) { return c == RGB(255, 0, 0); };
    // At (x + 2, y + (h - 10) / 2), natural size.
    const RECT picture = shot.bounds(red);
    EXPECT_EQ(picture.left, 3 + 2);
    EXPECT_EQ(picture.top, bar().top + 10);
    EXPECT_EQ(picture.right - picture.left, 10);
    EXPECT_EQ(picture.bottom - picture.top, 10);
    const RECT text = shot.bounds([&](COLORREF c) { return is_text(c) && !red(c); });
    EXPECT_GE(text.left, 3 + 10 + 3);
}

TEST_F(PanePaintTest, AnUndecodablePictureDrawsNothingAndTheTextStartsThreePixelsIn) {
    const Snapshot without = paint(30, pane(200, "HHHH"));
    const Snapshot broken = paint(30, pane(200, "HHHH", 0, ByteArray{0x89, 'P', 'N', 'G', 1, 2, 3}));
    EXPECT_EQ(broken, without);
    const RECT text = broken.bounds(is_text);
    // GDI+ leaves a little room before the first glyph.
    EXPECT_GE(text.left, 3 + 3);
    EXPECT_LE(text.left, 3 + 3 + 4);
}

TEST_F(PanePaintTest, APaneSqueezedToNothingShowsNoText) {
    const Snapshot shot = paint(20, pane(0, "HHHHHHHHHHHHHHHHHHHH"));
    EXPECT_EQ(shot.count(is_text), 0);
}

TEST_F(PanePaintTest, GlowModeDrawsTheTextInTheGlowTextColourOverAHalo) {
    record().status_inverse = true;
    const Snapshot plain = paint(30, pane(200, "HHHH", RGB(255, 0, 0)));
    record().status_glow = true;
    record().status_glow_text_colour = RGB(0, 0, 0);
    record().status_glow_colour = RGB(255, 255, 255);
    const Snapshot glowing = paint(30, pane(200, "HHHH", RGB(255, 0, 0)));
    EXPECT_NE(glowing, plain);
    EXPECT_GT(glowing.count([](COLORREF c) { return brightness(c) < 150; }), 10);
    // The pane's gradient is at most white at 60 over the grey: brighter pixels are glow.
    const int gradient_top = brightness(testing_support::over(kGrey, RGB(255, 255, 255), 60));
    EXPECT_EQ(plain.count([&](COLORREF c) { return brightness(c) > gradient_top + 30; }), 0);
    EXPECT_GT(glowing.count([&](COLORREF c) { return brightness(c) > gradient_top + 30; }), 20);
}

// draw_glow_text on its own, on a grey image.
class GlowTextTest : public testing_support::SkinTest {
protected:
    Snapshot draw(const gdiplus::RectF& box, bool glow, int scale = 4) {
        MemoryImage image(200, 80);
        testing_support::fill(image.dc(), 200, 80, kGrey);
        {
            gdiplus::Graphics graphics;
            graphics.create_from_hdc(image.dc());
            if (glow) {
                draw_glow_text(graphics, "HHHH", box, RGB(0, 0, 0), RGB(255, 255, 255), scale);
            } else {
                // The same text without glow, for comparison: a glow colour equal to the background's shows none.
                draw_glow_text(graphics, "HHHH", box, RGB(0, 0, 0), kGrey, scale);
            }
        }
        return testing_support::snapshot(image.dc(), 200, 80);
    }
};

const auto is_glyph = [](COLORREF c) { return brightness(c) < 100; };
const auto is_halo = [](COLORREF c) { return brightness(c) > 3 * 128 + 45; };

TEST_F(GlowTextTest, AHaloOfTheGlowColourSurroundsTheText) {
    const Snapshot shot = draw(gdiplus::RectF(40, 30, 120, 30), true);
    const RECT glyphs = shot.bounds(is_glyph);
    const RECT halo = shot.bounds(is_halo);
    ASSERT_GT(glyphs.right, glyphs.left);
    ASSERT_GT(halo.right, halo.left) << "no glow drawn";
    // The glyphs start at the box corner; the halo reaches a few pixels past them to the left, the right and
    // below, and starts about where they start (it is drawn 0.6 × scale higher than the text it was made of).
    EXPECT_GE(glyphs.left, 40);
    EXPECT_GE(glyphs.top, 30);
    EXPECT_LT(halo.left, glyphs.left);
    EXPECT_GT(halo.right, glyphs.right);
    EXPECT_LE(halo.top, glyphs.top + 2);
    EXPECT_GT(halo.bottom, glyphs.bottom);
    EXPECT_GE(halo.left, glyphs.left - 5);
    EXPECT_LE(halo.right, glyphs.right + 5);
    EXPECT_GE(halo.top, glyphs.top - 5);
    EXPECT_LE(halo.bottom, glyphs.bottom + 5);
    // The text stays readable on top of its halo.
    EXPECT_GT(shot.count(is_glyph), 20);
}

TEST_F(GlowTextTest, AGlowOfTheBackgroundColourLeavesNoHalo) {
    const Snapshot shot = draw(gdiplus::RectF(40, 30, 120, 30), false);
    EXPECT_GT(shot.count(is_glyph), 20);
    EXPECT_EQ(shot.count(is_halo), 0);
}

struct GlowBoxCase {
    const char* name;
    float width, height;
    int scale;
    bool text, halo;
};

void PrintTo(const GlowBoxCase& c, std::ostream* out) {
    *out << c.name;
}

class GlowTextBox : public GlowTextTest, public testing::WithParamInterface<GlowBoxCase> {};

TEST_P(GlowTextBox, SmallBoxesDrawTheTextWithoutGlowAndEmptyBoxesNothing) {
    const Snapshot shot = draw(gdiplus::RectF(40, 30, GetParam().width, GetParam().height), true, GetParam().scale);
    EXPECT_EQ(shot.count(is_glyph) > 0, GetParam().text);
    EXPECT_EQ(shot.count(is_halo) > 0, GetParam().halo);
    // Nothing is drawn more than the glow's reach outside the box.
    const auto& c = GetParam();
    const LONG right = 40 + static_cast<LONG>(std::max(c.width, 0.0f)) + 4;
    const LONG bottom = 30 + static_cast<LONG>(std::max(c.height, 0.0f)) + 4;
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (x < 36 || x >= right || y < 26 || y >= bottom) {
                ASSERT_EQ(shot.at(x, y), kGrey) << x << "," << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, GlowTextBox,
                         testing::Values(GlowBoxCase{"no_width", 0, 30, 4, false, false},
                                         GlowBoxCase{"no_height", 120, 0, 4, false, false},
                                         GlowBoxCase{"negative_width", -20, 30, 4, false, false},
                                         GlowBoxCase{"lower_than_the_scale", 120, 16, 20, true, false},
                                         GlowBoxCase{"one_text_line", 120, 16, 4, true, true}));

struct DockedCase {
    const char* name;
    int bar_height;
};

void PrintTo(const DockedCase& c, std::ostream* out) {
    *out << c.name;
}

class DockedChildren : public StatusBarTest, public testing::WithParamInterface<DockedCase> {};

TEST_P(DockedChildren, FillTheWidthFromTheirTopDownToTheStatusBarAfterEverySizeChange) {
    const int number = with_bar(400, 300, GetParam().bar_height);
    HWND docked = child(handle(number), L"Static", 0, 50, 50, 20, 20);
    HWND loose = child(handle(number), L"Static", 0, 60, 60, 20, 20);
    record(number).docked_list.push_back({docked, 30});
    show(handle(number));
    SetWindowPos(handle(number), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const auto placed = [&](HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, handle(number), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    const int h = GetParam().bar_height;
    RECT r = placed(docked);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 298);
    EXPECT_EQ(r.bottom, 200 - h - 3);
    EXPECT_EQ(placed(loose).left, 60);
    EXPECT_EQ(placed(loose).right, 80);

    SetWindowPos(handle(number), nullptr, 0, 0, 350, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    r = placed(docked);
    EXPECT_EQ(r.right, 348);
    EXPECT_EQ(r.bottom, 250 - h - 3);
}

INSTANTIATE_TEST_SUITE_P(Bars, DockedChildren,
                         testing::Values(DockedCase{"without_status_bar", 0}, DockedCase{"with_status_bar", 20}));

TEST_F(StatusBarTest, AWindowTooLowForItsDockedChildGivesItNoHeight) {
    const int number = with_bar(300, 200, 20);
    HWND docked = child(handle(number), L"Static", 0, 50, 50, 20, 20);
    record(number).docked_list.push_back({docked, 150});
    SetWindowPos(handle(number), nullptr, 0, 0, 300, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    GetClientRect(docked, &r);
    EXPECT_EQ(r.bottom, 0);
    EXPECT_EQ(r.right, 296);
}

TEST_F(StatusBarTest, HundredsOfPanePaintsGiveBackEveryObject) {
    const ByteArray picture = testing_support::plain_picture(12, 12, RGB(255, 0, 0));
    const int number = with_bar(400, 200, 22, {pane(120, "一", 0, picture), pane(-1, "二"), pane(60, "三")});
    show(handle(number));
    testing_support::pump();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    for (int i = 0; i < 300; ++i) {
        skin->set_status_style(handle(number), {.inverse = i % 2 == 0, .glow = i % 3 == 0});
        skin->set_status_pane(handle(number), 1 + i % 3, i % 2 ? "状态" : "HHH",
                              i % 5 ? std::optional(picture) : std::nullopt);
        if (i % 50 == 0)
            skin->paint_window(number, nullptr, true);
    }
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
}

} // namespace
} // namespace pantrove
