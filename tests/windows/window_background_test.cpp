#include "gdiplus/graphics.h"
#include "skin/core/skin_object.h"
#include "skin/services/window_background.h"
#include "tests/windows/skin_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::kBlue;
using testing_support::kGreen;
using testing_support::kRed;
using testing_support::kYellow;
using testing_support::MemoryImage;
using testing_support::quadrant_picture;

constexpr COLORREF kFill = RGB(0, 128, 128);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
const ByteArray kGarbage = {'n', 'o', 'p', 'e'};

// Paints the body of window `number` into an image of its client size.
std::unique_ptr<MemoryImage> paint(int number) {
    RECT client{};
    GetClientRect(window_record(number)->window, &client);
    auto image = std::make_unique<MemoryImage>(client.right, client.bottom);
    gdiplus::Graphics graphics;
    EXPECT_TRUE(graphics.create_from_hdc(image->dc()));
    skin->paint_background(graphics, number);
    return image;
}

struct Probe {
    int x, y;
    COLORREF expected;
    int tolerance = 4;
};

struct ModeCase {
    const char* name;
    int mode;
    SIZE client;
    std::vector<Probe> probes;
};

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << c.name;
}

class PictureModeTest : public testing_support::SkinTest, public testing::WithParamInterface<ModeCase> {};

// The shared picture is the 100 × 80 quadrant picture (red, green / blue, yellow), set with the fill colour.
TEST_P(PictureModeTest, PlacesThePictureOverTheFillInsideTheRoundedBody) {
    const ModeCase& c = GetParam();
    const int number = add_record(top_window(c.client.cx, c.client.cy));
    skin->set_skin_picture({}, quadrant_picture(100, 80), kFill, std::nullopt, c.mode);
    const auto image = paint(number);
    const int right = c.client.cx - 1, bottom = c.client.cy - 1;
    for (const Probe corner : {Probe{0, 0, kMagenta, 0}, Probe{right, 0, kMagenta, 0}, Probe{0, bottom, kMagenta, 0},
                               Probe{right, bottom, kMagenta, 0}})
        EXPECT_EQ(image->pixel(corner.x, corner.y), kMagenta) << "corner " << corner.x << "," << corner.y;
    for (const Probe& probe : c.probes) {
        const COLORREF actual = image->pixel(probe.x, probe.y);
        EXPECT_LE(difference(actual, probe.expected), probe.tolerance)
            << "at " << probe.x << "," << probe.y << ": 0x" << std::hex << actual << " instead of 0x" << probe.expected;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureModeTest,
    testing::Values(ModeCase{"0 at the top left, fading right and down",
                             0,
                             {300, 200},
                             {{10, 10, kRed},
                              {60, 10, kGreen},
                              {10, 45, kBlue},
                              {60, 45, kYellow},
                              {99, 10, kFill, 24},
                              {10, 79, kFill, 12},
                              {100, 10, kFill},
                              {150, 100, kFill},
                              {1, 100, kFill},
                              {298, 100, kFill}}},
                    ModeCase{"1 at the top right, fading left and down",
                             1,
                             {300, 200},
                             {{240, 10, kRed},
                              {290, 10, kGreen},
                              {240, 45, kBlue},
                              {290, 45, kYellow},
                              {200, 10, kFill, 12},
                              {290, 79, kFill, 12},
                              {199, 10, kFill},
                              {100, 100, kFill}}},
                    ModeCase{"1 wider than the window, cut at the left",
                             1,
                             {80, 150},
                             {{20, 10, kRed}, {75, 10, kGreen}, {20, 45, kBlue}, {40, 120, kFill}}},
                    ModeCase{"2 centred",
                             2,
                             {300, 200},
                             {{110, 70, kRed},
                              {190, 70, kGreen},
                              {110, 130, kBlue},
                              {190, 130, kYellow},
                              {99, 100, kFill},
                              {150, 59, kFill},
                              {150, 140, kFill},
                              {200, 100, kFill}}},
                    ModeCase{"3 stretched",
                             3,
                             {300, 200},
                             {{75, 50, kRed}, {225, 50, kGreen}, {75, 150, kBlue}, {225, 150, kYellow}}},
                    ModeCase{"4 mirrored strip along the top",
                             4,
                             {250, 200},
                             {{10, 10, kRed},
                              {90, 10, kGreen},
                              {110, 10, kGreen},
                              {190, 10, kRed},
                              {210, 10, kRed},
                              {245, 10, kRed},
                              {10, 45, kBlue},
                              {110, 45, kYellow},
                              {10, 100, kFill},
                              {150, 150, kFill}}},
                    ModeCase{"4 narrower than the picture, one tile cut at the right",
                             4,
                             {60, 120},
                             {{10, 10, kRed}, {55, 10, kGreen}, {55, 45, kYellow}, {30, 100, kFill}}},
                    ModeCase{"7 not drawn", 7, {300, 200}, {{10, 10, kFill}, {60, 45, kFill}, {150, 100, kFill}}}));

class WindowBackgroundTest : public testing_support::SkinTest {};

TEST_F(WindowBackgroundTest, NeighbouringTilesOfTheStripAreMirrorImages) {
    const int number = add_record(top_window(300, 120));
    skin->set_skin_picture({}, quadrant_picture(100, 80), kFill, std::nullopt, 4);
    const auto image = paint(number);
    for (const int y : {10, 50}) {
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(image->pixel(99 - i, y), image->pixel(100 + i, y)) << "first seam, " << i << "," << y;
            EXPECT_EQ(image->pixel(199 - i, y), image->pixel(200 + i, y)) << "second seam, " << i << "," << y;
        }
    }
}

TEST_F(WindowBackgroundTest, FadeBandsMeltIntoTheFillAtThePictureEdges) {
    const int number = add_record(top_window(300, 200));
    skin->set_skin_picture({}, quadrant_picture(100, 80), kFill, std::nullopt, 0);
    const auto image = paint(number);
    for (const int y : {5, 30, 60}) {
        EXPECT_LE(difference(image->pixel(99, y), image->pixel(100, y)), 24) << y;
        // Across the band the colour moves steadily from the picture's to the fill's.
        EXPECT_GE(difference(image->pixel(80, y), kFill), difference(image->pixel(90, y), kFill)) << y;
    }
    for (const int x : {5, 30, 60})
        EXPECT_LE(difference(image->pixel(x, 79), image->pixel(x, 80)), 12) << x;
}

TEST_F(WindowBackgroundTest, AWindowsOwnPictureWinsForPictureAndFill) {
    HWND window = top_window(300, 200);
    const int other = add_record(top_window(300, 200));
    const int number = add_record(window);
    skin->set_skin_picture({}, quadrant_picture(100, 80), kFill, std::nullopt, 3);
    ASSERT_TRUE(skin->set_window_picture(window, testing_support::plain_picture(40, 30, RGB(200, 100, 0)), 2));
    const auto own = paint(number);
    EXPECT_EQ(own->pixel(150, 100), RGB(200, 100, 0));
    EXPECT_LE(difference(own->pixel(20, 20), RGB(200, 100, 0)), 1); // the fill is the picture's average colour
    const auto shared = paint(other);
    EXPECT_EQ(shared->pixel(75, 50), kRed);
}

TEST_F(WindowBackgroundTest, WithoutAPictureTheBodyIsTheBackColour) {
    const int number = add_record(top_window(120, 90));
    skin->set_skin_picture({}, {}, RGB(30, 60, 90));
    const auto image = paint(number);
    EXPECT_EQ(image->pixel(0, 0), kMagenta);
    EXPECT_EQ(image->pixel(60, 45), RGB(30, 60, 90));
    EXPECT_EQ(image->pixel(0, 45), RGB(30, 60, 90));
    EXPECT_EQ(image->pixel(119, 45), RGB(30, 60, 90));
}

TEST_F(WindowBackgroundTest, AnUndecodablePictureLeavesTheFillInEveryMode) {
    const int number = add_record(top_window(120, 90));
    for (const int mode : {0, 2, 3, 4}) {
        skin_picture = kGarbage;
        picture_mode = mode;
        back_colour = kFill;
        const auto image = paint(number);
        EXPECT_EQ(image->pixel(60, 45), kFill) << "mode " << mode;
        EXPECT_EQ(image->pixel(5, 5), kFill) << "mode " << mode;
        EXPECT_FALSE(load_background_bitmap(number, RECT{0, 0, 120, 90}).bitmap) << "mode " << mode;
    }
}

TEST_F(WindowBackgroundTest, TheCaptionGlossLightensTheCaptionStripFromTheTop) {
    const int number = add_record(top_window(200, 100));
    SkinnedWindow& record = *window_record(number);
    record.caption_gloss = true;
    record.caption_height = 25;
    skin->set_skin_picture({}, {}, kFill);
    const auto image = paint(number);
    // White at alpha 150 at the top, fading to nothing at the caption's bottom.
    const COLORREF top = image->pixel(100, 1);
    EXPECT_GE(GetRValue(top), 130);
    EXPECT_GT(GetRValue(top), GetRValue(image->pixel(100, 12)));
    EXPECT_GT(GetRValue(image->pixel(100, 12)), GetRValue(image->pixel(100, 23)));
    EXPECT_EQ(image->pixel(100, 30), kFill);
}

TEST_F(WindowBackgroundTest, AStripIsAsWideAsTheClientAreaAndAsTallAsThePicture) {
    const int number = add_record(top_window(250, 200));
    skin->set_skin_picture({}, quadrant_picture(100, 80), kFill, std::nullopt, 4);
    const BackgroundBitmap strip = load_background_bitmap(number, RECT{0, 0, 250, 200});
    ASSERT_TRUE(strip.bitmap);
    EXPECT_EQ(strip.bitmap.width(), 250u);
    EXPECT_EQ(strip.bitmap.height(), 80u);
    EXPECT_FALSE(load_background_bitmap(number, RECT{0, 0, 0, 200}).bitmap); // a minimised window has no strip
}

} // namespace
} // namespace pantrove
