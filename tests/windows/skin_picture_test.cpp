#include "gdiplus/image.h"
#include "skin/core/skin_object.h"
#include "skin/services/skin_picture.h"
#include "tests/windows/skin_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::kBlue;
using testing_support::kGreen;
using testing_support::kRed;
using testing_support::plain_picture;
using testing_support::quadrant_picture;

const ByteArray kGarbage = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};

COLORREF colour_of(gdiplus::ARGB argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

std::string temp_file(std::string_view name, const ByteArray& bytes) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::string path = narrow(folder) + std::string(name);
    std::ofstream(std::filesystem::path(widen(path)), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// Left half one colour, right half the other.
ByteArray halves_picture(int width, int height, COLORREF left, COLORREF right) {
    gdiplus::Bitmap bitmap;
    EXPECT_TRUE(bitmap.create(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.set_pixel(x, y, testing_support::opaque(x < width / 2 ? left : right));
    }
    return bitmap.save_to_bytes(gdiplus::image_format::png);
}

class AverageColourTest : public testing_support::SkinTest {};

TEST_F(AverageColourTest, APlainPictureGivesItsColourWithAnOpaqueTopByte) {
    EXPECT_EQ(average_colour({}, plain_picture(37, 23, RGB(12, 200, 99))), 0xFF000000 | RGB(12, 200, 99));
    EXPECT_EQ(average_colour({}, plain_picture(1, 1, RGB(250, 1, 7))), 0xFF000000 | RGB(250, 1, 7));
}

TEST_F(AverageColourTest, SamplesSpreadOverTheWholePicture) {
    const COLORREF mean = average_colour({}, halves_picture(200, 100, kRed, kBlue));
    EXPECT_LE(difference(mean, RGB(128, 0, 128)), 12) << std::hex << mean;
    const COLORREF quadrants = average_colour({}, quadrant_picture(64, 64));
    // Red, green, blue and yellow in equal parts.
    EXPECT_LE(difference(quadrants, RGB(128, 128, 64)), 12) << std::hex << quadrants;
}

TEST_F(AverageColourTest, ReadsTheNamedFileAndGivesBlackForWhatCannotBeDecoded) {
    const std::string file = temp_file("pantrove_average.png", plain_picture(8, 8, RGB(1, 2, 3)));
    EXPECT_EQ(average_colour(file, plain_picture(8, 8, kRed)), 0xFF000000 | RGB(1, 2, 3));
    EXPECT_EQ(average_colour({}, kGarbage), 0xFF000000u);
    EXPECT_EQ(average_colour({}, {}), 0xFF000000u);
    EXPECT_EQ(average_colour("Z:\\no\\such\\picture.png", {}), 0xFF000000u);
    DeleteFileW(widen(file).c_str());
}

class PreparePictureTest : public testing_support::SkinTest {
protected:
    // The prepared 100 × 80 quadrant picture, decoded; its bands are 30 pixels deep.
    gdiplus::Bitmap prepared(FadeDirection direction) {
        const ByteArray bytes = prepare_picture({}, quadrant_picture(100, 80), kFade, direction);
        gdiplus::Bitmap bitmap;
        EXPECT_TRUE(bitmap.load_from_bytes(bytes));
        EXPECT_EQ(bitmap.raw_format(), gdiplus::image_format::png);
        EXPECT_EQ(bitmap.width(), 100u);
        EXPECT_EQ(bitmap.height(), 80u);
        return bitmap;
    }
    COLORREF at(const gdiplus::Bitmap& bitmap, int x, int y) { return colour_of(bitmap.pixel(x, y)); }

    static constexpr COLORREF kFade = RGB(40, 60, 160);
};

TEST_F(PreparePictureTest, TowardsTheRightThePictureMeltsIntoTheColourAtTheRightAndBottomEdges) {
    const gdiplus::Bitmap bitmap = prepared(FadeDirection::Right);
    EXPECT_EQ(at(bitmap, 5, 5), kRed);
    EXPECT_EQ(at(bitmap, 69, 5), kGreen);
    EXPECT_EQ(at(bitmap, 5, 49), kBlue);
    EXPECT_LE(difference(at(bitmap, 99, 5), kFade), 24);
    EXPECT_LE(difference(at(bitmap, 5, 79), kFade), 12);
    EXPECT_LE(difference(at(bitmap, 99, 79), kFade), 12);
    // Halfway through the right band green and the fade colour mix.
    EXPECT_GT(difference(at(bitmap, 85, 5), kGreen), 60);
    EXPECT_GT(difference(at(bitmap, 85, 5), kFade), 60);
    EXPECT_EQ(bitmap.pixel(99, 5) >> 24, 0xFFu);
}

TEST_F(PreparePictureTest, TowardsTheLeftTheBandIsOnTheLeftEdge) {
    const gdiplus::Bitmap bitmap = prepared(FadeDirection::Left);
    EXPECT_LE(difference(at(bitmap, 0, 5), kFade), 12);
    EXPECT_EQ(at(bitmap, 31, 5), kRed);
    EXPECT_EQ(at(bitmap, 99, 5), kGreen);
    EXPECT_LE(difference(at(bitmap, 99, 79), kFade), 12);
}

TEST_F(PreparePictureTest, APictureTooNarrowForABandStaysAsItWas) {
    const ByteArray bytes = prepare_picture({}, plain_picture(3, 2, kRed), kFade, FadeDirection::Right);
    gdiplus::Bitmap bitmap;
    ASSERT_TRUE(bitmap.load_from_bytes(bytes));
    EXPECT_EQ(bitmap.width(), 3u);
    EXPECT_EQ(at(bitmap, 2, 1), kRed);
}

TEST_F(PreparePictureTest, WhatCannotBeDecodedGivesNoPicture) {
    EXPECT_TRUE(prepare_picture({}, kGarbage, kFade, FadeDirection::Right).empty());
    EXPECT_TRUE(prepare_picture({}, {}, kFade, FadeDirection::Left).empty());
    EXPECT_TRUE(
        prepare_picture("Z:\\no\\such\\picture.png", quadrant_picture(10, 10), kFade, FadeDirection::Left).empty());
}

class SetSkinPictureTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        ASSERT_NE(skin, nullptr);
    }
};

TEST_F(SetSkinPictureTest, ANamedFileWinsOverTheBytes) {
    const ByteArray green = plain_picture(20, 10, kGreen);
    const std::string file = temp_file("pantrove_skin.png", green);
    skin->set_skin_picture(file, plain_picture(20, 10, kRed), std::nullopt, 0, 3);
    EXPECT_EQ(back_colour, 0xFF000000 | kGreen);
    // Stored unchanged means re-encoded as PNG for a file.
    gdiplus::Bitmap stored;
    ASSERT_TRUE(stored.load_from_bytes(skin_picture));
    EXPECT_EQ(stored.raw_format(), gdiplus::image_format::png);
    EXPECT_EQ(colour_of(stored.pixel(3, 3)), kGreen);
    DeleteFileW(widen(file).c_str());
}

TEST_F(SetSkinPictureTest, ThemeMinusOneTakesTheBackColour) {
    skin->set_skin_picture({}, plain_picture(8, 8, kBlue), RGB(9, 8, 7), kThemeFromBack, 3);
    EXPECT_EQ(theme_colour, RGB(9, 8, 7));
    skin->set_skin_picture({}, plain_picture(8, 8, kBlue), std::nullopt, kThemeFromBack, 3);
    EXPECT_EQ(theme_colour, 0xFF000000 | kBlue);
    EXPECT_EQ(skin->get_back_colour(), 0xFF000000 | kBlue);
    skin->set_skin_picture({}, {}, RGB(1, 1, 1), kThemeFromBack);
    EXPECT_EQ(theme_colour, RGB(1, 1, 1));
    // With nothing else given, theme -1 changes nothing at all.
    skin->set_skin_picture({}, {}, std::nullopt, kThemeFromBack);
    EXPECT_EQ(theme_colour, RGB(1, 1, 1));
}

TEST_F(SetSkinPictureTest, AnOmittedThemeRestoresTheDefaultAccentEvenWhenNothingElseChanges) {
    skin_picture = {1, 2, 3};
    back_colour = RGB(5, 5, 5);
    picture_mode = 2;
    theme_colour = RGB(1, 2, 3);
    skin->set_skin_picture();
    EXPECT_EQ(theme_colour, 0xDDCA22u);
    EXPECT_EQ(skin_picture, (ByteArray{1, 2, 3}));
    EXPECT_EQ(back_colour, RGB(5, 5, 5));
    EXPECT_EQ(picture_mode, 2);
    skin->set_skin_picture({}, {}, std::nullopt, 0);
    EXPECT_EQ(theme_colour, 0u);
}

TEST_F(SetSkinPictureTest, ABackColourAloneDropsThePictureAndKeepsTheMode) {
    skin->set_skin_picture({}, quadrant_picture(20, 20), std::nullopt, std::nullopt, 2);
    ASSERT_FALSE(skin_picture.empty());
    skin->set_skin_picture({}, {}, RGB(10, 20, 30));
    EXPECT_TRUE(skin_picture.empty());
    EXPECT_EQ(back_colour, RGB(10, 20, 30));
    EXPECT_EQ(picture_mode, 2);
}

TEST_F(SetSkinPictureTest, WithoutAModeThePictureIsKeptAsGivenForTheMirroredStrip) {
    const ByteArray picture = quadrant_picture(20, 20);
    skin->set_skin_picture({}, picture, RGB(1, 2, 3));
    EXPECT_EQ(picture_mode, 4);
    EXPECT_EQ(skin_picture, picture);
}

TEST_F(SetSkinPictureTest, ModesZeroAndOneKeepAPreparedPictureFadingIntoTheBackColour) {
    const ByteArray picture = quadrant_picture(100, 80);
    for (const int mode : {0, 1}) {
        skin->set_skin_picture({}, picture, RGB(40, 60, 160), std::nullopt, mode);
        EXPECT_EQ(picture_mode, mode);
        gdiplus::Bitmap stored;
        ASSERT_TRUE(stored.load_from_bytes(skin_picture));
        EXPECT_LE(difference(colour_of(stored.pixel(mode == 0 ? 0 : 99, 79)), RGB(40, 60, 160)), 12);
        EXPECT_EQ(colour_of(stored.pixel(mode == 0 ? 5 : 94, 5)), mode == 0 ? kRed : kGreen);
    }
}

TEST_F(SetSkinPictureTest, AnUndecodablePictureLeavesABlackBody) {
    skin->set_skin_picture({}, kGarbage, std::nullopt, std::nullopt, 0);
    EXPECT_EQ(back_colour, 0xFF000000u);
    EXPECT_TRUE(skin_picture.empty());
    EXPECT_EQ(picture_mode, 0);
}

// Paint and erase messages of the logging windows, in the order they came.
using PaintEvents = std::vector<std::pair<HWND, UINT>>;
PaintEvents* paint_events = nullptr;

LRESULT CALLBACK logging_window_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if ((message == WM_PAINT || message == WM_ERASEBKGND) && paint_events)
        paint_events->emplace_back(window, message);
    return DefWindowProcW(window, message, w, l);
}

bool has_event(const PaintEvents& events, HWND window, UINT message) {
    return std::find(events.begin(), events.end(), std::pair{window, message}) != events.end();
}

TEST_F(SetSkinPictureTest, VisibleSkinnedWindowsAreRenderedAtOnceBeforeTheirControls) {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = logging_window_proc;
    window_class.lpszClassName = L"PantrovePaintLog";
    window_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    RegisterClassW(&window_class);
    HWND hidden = top_window(200, 100, false, 100, 100, L"PantrovePaintLog");
    HWND shown = top_window(200, 100, true, 100, 100, L"PantrovePaintLog");
    HWND control = child(shown, L"PantrovePaintLog", 0, 10, 10, 50, 20);
    // A header inside a list that clips its children is reached only through the header list.
    HWND list = child(shown, L"PantrovePaintLog", WS_CLIPCHILDREN, 10, 40, 100, 50);
    HWND header = child(list, L"PantrovePaintLog", 0, 0, 0, 100, 20);
    add_record(hidden);
    const int number = add_record(shown);
    window_record(number)->header_list[1].handle = header;
    UpdateWindow(shown);

    PaintEvents events;
    paint_events = &events;
    skin->set_skin_picture({}, {}, RGB(10, 20, 30));
    paint_events = nullptr;

    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), std::pair(shown, UINT{WM_PAINT}));
    EXPECT_FALSE(has_event(events, shown, WM_ERASEBKGND));
    EXPECT_TRUE(has_event(events, control, WM_ERASEBKGND));
    EXPECT_TRUE(has_event(events, control, WM_PAINT));
    EXPECT_TRUE(has_event(events, header, WM_PAINT));
    EXPECT_FALSE(has_event(events, header, WM_ERASEBKGND));
    EXPECT_FALSE(has_event(events, hidden, WM_PAINT));
    EXPECT_TRUE(window_record(number)->needs_render); // there is no frame procedure here to clear it
    EXPECT_FALSE(window_record(1)->needs_render);
}

struct ControlOptionsCase {
    const char* name;
    int skin_controls;
    std::optional<int> alpha;
    std::optional<int> trackbar;
    int expected_alpha;
    int expected_transparent;
    int expected_trackbar;
};

void PrintTo(const ControlOptionsCase& c, std::ostream* out) {
    *out << c.name;
}

class SetControlOptionsTest : public testing_support::SkinTest,
                              public testing::WithParamInterface<ControlOptionsCase> {};

TEST_P(SetControlOptionsTest, GivingTheAlphaSwitchesTranslucentControlsOn) {
    const ControlOptionsCase& c = GetParam();
    control_alpha = 33;
    transparent_controls = 1;
    trackbar_style = 7;
    if (c.trackbar)
        skin->set_control_options(c.skin_controls, c.alpha, *c.trackbar);
    else
        skin->set_control_options(c.skin_controls, c.alpha);
    EXPECT_EQ(skin_controls_enabled, c.skin_controls);
    EXPECT_EQ(control_alpha, c.expected_alpha);
    EXPECT_EQ(transparent_controls, c.expected_transparent);
    EXPECT_EQ(trackbar_style, c.expected_trackbar);
}

INSTANTIATE_TEST_SUITE_P(Cases, SetControlOptionsTest,
                         testing::Values(ControlOptionsCase{"alpha omitted", 1, std::nullopt, std::nullopt, 160, 0, 1},
                                         ControlOptionsCase{"alpha 0 given", 1, 0, std::nullopt, 0, 1, 1},
                                         ControlOptionsCase{"everything given", 0, 90, 0, 90, 1, 0}));

class SetWindowPictureTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        window = top_window(200, 100, true);
        number = add_record(window);
        UpdateWindow(window);
    }
    SkinnedWindow& record() { return *window_record(number); }
    HWND window = nullptr;
    int number = 0;
};

TEST_F(SetWindowPictureTest, IsIgnoredForAWindowThatIsNotSkinnedOrAnEmptyPicture) {
    HWND loose = top_window(50, 50);
    EXPECT_FALSE(skin->set_window_picture(loose, plain_picture(4, 4, kRed)));
    // A control's own number counts in its family list, not in the window table.
    HWND button = child(window, L"Button", 0, 0, 0, 40, 20);
    props::set_number(button, props::kOwnNumber, number);
    EXPECT_FALSE(skin->set_window_picture(button, plain_picture(4, 4, kRed)));
    EXPECT_FALSE(skin->set_window_picture(window, {}));
    EXPECT_TRUE(record().window_picture.empty());
    EXPECT_FALSE(record().needs_render);
}

TEST_F(SetWindowPictureTest, GivesTheWindowItsOwnPictureAndColourAndSchedulesARender) {
    record().window_picture_mode = 3;
    const ByteArray picture = plain_picture(10, 10, kBlue);
    EXPECT_TRUE(skin->set_window_picture(window, picture));
    EXPECT_EQ(record().window_picture_mode, 3);
    EXPECT_EQ(record().window_picture, picture);
    EXPECT_EQ(record().window_picture_colour, 0xFF000000 | kBlue);
    EXPECT_TRUE(record().needs_render);
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));

    EXPECT_TRUE(skin->set_window_picture(window, quadrant_picture(100, 80), 0));
    EXPECT_EQ(record().window_picture_mode, 0);
    gdiplus::Bitmap stored;
    ASSERT_TRUE(stored.load_from_bytes(record().window_picture));
    // Prepared towards the right, fading into the picture's own average colour.
    EXPECT_LE(difference(colour_of(stored.pixel(99, 79)), record().window_picture_colour), 12);
}

} // namespace
} // namespace pantrove
