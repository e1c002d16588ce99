#include "gdiplus/graphics.h"
#include "skin/services/frame_rendering.h"
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
using testing_support::kMenu;
using testing_support::kMinimise;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
// The outlines over the body colour: black and white at alpha 180.
constexpr COLORREF kDarkRim = RGB(0, 38, 38);
constexpr COLORREF kLightRim = RGB(180, 218, 218);

bool is_white(COLORREF c) {
    return GetRValue(c) > 225 && GetGValue(c) > 225 && GetBValue(c) > 225;
}

bool is_dark(COLORREF c) {
    return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90;
}

class FrameRenderingTest : public testing_support::FrameTest {};

struct BorderProbe {
    const char* name;
    int x, y;
    COLORREF expected;
};

void PrintTo(const BorderProbe& p, std::ostream* out) {
    *out << p.name;
}

class BorderTest : public testing_support::FrameTest, public testing::WithParamInterface<BorderProbe> {};

// A 300 × 200 window: the outer outline on the outermost pixels, the inner one just inside.
TEST_P(BorderTest, OutlinesLieOnTheEdgesOfTheComposedImage) {
    const BorderProbe& p = GetParam();
    const int number = framed_window(300, 200, {kMinimise, kMaximise, kClose});
    skin->paint_window(number, nullptr, false);
    const COLORREF actual = at(composed(number), p.x, p.y);
    EXPECT_LE(difference(actual, p.expected), 3) << std::hex << "0x" << actual << " instead of 0x" << p.expected;
}

INSTANTIATE_TEST_SUITE_P(
    Probes, BorderTest,
    testing::Values(BorderProbe{"top_outer", 150, 0, kDarkRim}, BorderProbe{"top_inner", 150, 1, kLightRim},
                    BorderProbe{"top_body", 150, 2, kBody}, BorderProbe{"left_outer", 0, 100, kDarkRim},
                    BorderProbe{"left_inner", 1, 100, kLightRim}, BorderProbe{"left_body", 2, 100, kBody},
                    BorderProbe{"right_outer", 299, 100, kDarkRim}, BorderProbe{"right_inner", 298, 100, kLightRim},
                    BorderProbe{"right_body", 297, 100, kBody}, BorderProbe{"bottom_outer", 150, 199, kDarkRim},
                    BorderProbe{"bottom_inner", 150, 198, kLightRim}, BorderProbe{"bottom_body", 150, 197, kBody},
                    BorderProbe{"corner", 0, 0, kMagenta}, BorderProbe{"opposite_corner", 299, 199, kMagenta}));

TEST_F(FrameRenderingTest, MagentaOnlyOutsideTheRoundedCorners) {
    const int number = framed_window(160, 90, {kClose});
    skin->paint_window(number, nullptr, false);
    for (int y = 0; y < 90; ++y) {
        for (int x = 0; x < 160; ++x) {
            const bool near_corner = (x < 3 || x > 156) && (y < 3 || y > 86);
            if (!near_corner) {
                ASSERT_NE(at(composed(number), x, y), kMagenta) << x << "," << y;
            }
        }
    }
    for (const POINT corner : {POINT{0, 0}, POINT{159, 0}, POINT{0, 89}, POINT{159, 89}})
        EXPECT_EQ(at(composed(number), corner.x, corner.y), kMagenta) << corner.x << "," << corner.y;
}

TEST_F(FrameRenderingTest, CaptionTextWithItsHaloAndTheIconAtTheTopLeft) {
    const int number = framed_window(300, 200, {kMinimise, kMaximise, kClose});
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    // The text box starts at (29, 8); a 12-pixel text fits in its first 20 rows.
    EXPECT_GT(count_pixels(dc, 29, 8, 120, 20, is_white), 20);
    const auto halo = [](COLORREF c) {
        // Grey at alpha 150 over the body colour.
        return difference(c, RGB(75, 128, 128)) <= 12;
    };
    EXPECT_GT(count_pixels(dc, 27, 6, 124, 24, halo), 20);
    EXPECT_EQ(count_pixels(dc, 2, 40, 290, 150, is_white), 0);
    // The program icon at (9, 5), 17 × 17.
    EXPECT_GT(count_pixels(dc, 9, 5, 17, 17, [](COLORREF c) { return difference(c, kBody) > 30; }), 60);
    EXPECT_EQ(count_pixels(dc, 9, 23, 17, 4, [](COLORREF c) { return difference(c, kBody) > 3; }), 0);
}

TEST_F(FrameRenderingTest, TitleButtonsShowTheirPicturesAtTheirPlaces) {
    const int number = framed_window(300, 200, {kMenu, kMinimise, kMaximise, kClose});
    skin->paint_window(number, nullptr, false);
    for (int b = 1; b <= 4; ++b) {
        const RECT box = button_box(number, b);
        EXPECT_GT(
            count_pixels(composed(number), box.left, box.top, box.right - box.left, box.bottom - box.top, is_dark), 4)
            << "button " << b;
    }
    EXPECT_EQ(count_pixels(composed(number), 110, 2, 60, 20, is_dark), 0);
}

TEST_F(FrameRenderingTest, AnUnframedWindowGetsItsBodyOnly) {
    const int number = framed_window(300, 200, {kMinimise, kMaximise, kClose});
    record(number).framed = false;
    record(number).needs_render = true;
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    EXPECT_EQ(at(dc, 150, 0), kBody);
    EXPECT_EQ(at(dc, 0, 100), kBody);
    EXPECT_EQ(at(dc, 0, 0), kMagenta);
    // No caption text, icon or buttons.
    EXPECT_EQ(count_pixels(dc, 1, 1, 298, 30, [](COLORREF c) { return c != kBody; }), 0);
    EXPECT_EQ(record(number).caption_back_dc, nullptr);
    EXPECT_NE(record(number).status_back_dc, nullptr);
    EXPECT_FALSE(record(number).needs_render);
}

TEST_F(FrameRenderingTest, TheSavedCaptionBackgroundHoldsNoCaptionAndRestoresExactly) {
    const int number = framed_window(300, 200, {kMinimise, kMaximise, kClose});
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    HDC saved = record(number).caption_back_dc;
    // Border and body, but neither text nor buttons.
    EXPECT_EQ(count_pixels(saved, 29, 8, 120, 17, is_white), 0); // the copy is 25 rows high
    EXPECT_EQ(count_pixels(saved, 180, 1, 110, 20, is_dark), 0);
    EXPECT_LE(difference(at(saved, 150, 0), kDarkRim), 3);

    const std::vector<COLORREF> before = [&] {
        std::vector<COLORREF> all;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 300; ++x)
                all.push_back(at(dc, x, y));
        return all;
    }();
    const RECT rect{20, 4, 120, 20};
    skin->restore_caption_rect(number, rect);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 300; ++x) {
            const bool inside = x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            const COLORREF expected = inside ? at(saved, x, y) : before[static_cast<size_t>(y * 300 + x)];
            ASSERT_EQ(at(dc, x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(FrameRenderingTest, TheSavedStatusBackgroundIsTakenAtTheStatusRectangle) {
    const int number = framed_window(300, 200, {kClose});
    record(number).status_rect = RECT{3, 170, 297, 196};
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    const COLORREF body = at(dc, 100, 180);
    gdi::Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT scribble{0, 160, 300, 200};
    FillRect(dc, &scribble, red.get());
    skin->restore_status_rect(number, RECT{10, 175, 50, 190});
    EXPECT_EQ(at(dc, 10, 175), body);
    EXPECT_EQ(at(dc, 49, 189), body);
    EXPECT_EQ(at(dc, 50, 189), RGB(255, 0, 0));
    EXPECT_EQ(at(dc, 9, 180), RGB(255, 0, 0));
    EXPECT_EQ(at(dc, 30, 190), RGB(255, 0, 0));
}

TEST_F(FrameRenderingTest, EveryRenderReplacesTheComposedBitmapAndHoldsNoMore) {
    const int number = framed_window(200, 120, {kMinimise, kClose});
    HWND window = record(number).window;
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    const HANDLE first = GetPropW(window, props::kComposedOldBitmap);
    const long held = gdi::live_objects();
    EXPECT_NE(first, nullptr);
    for (int i = 0; i < 3; ++i) {
        SetWindowPos(window, nullptr, 0, 0, 220 + 10 * i, 130, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        skin->paint_window(number, nullptr, false);
    }
    EXPECT_EQ(composed(number), dc) << "the DC is kept";
    EXPECT_EQ(gdi::live_objects(), held);
    EXPECT_EQ(GetPropW(window, props::kComposedOldBitmap), first);
    EXPECT_EQ(GetPropW(window, props::kComposedBitmap), GetCurrentObject(dc, OBJ_BITMAP));
    BITMAP bitmap{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 240);
    EXPECT_EQ(bitmap.bmHeight, 130);
    // The window is rounded like its body.
    gdi::Region region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 120, 65));
    EXPECT_TRUE(PtInRegion(region.get(), 239, 65));
    EXPECT_FALSE(PtInRegion(region.get(), 239, 129));

    free_frame_images(record(number));
    EXPECT_EQ(GetPropW(window, props::kComposedBitmap), nullptr);
    EXPECT_EQ(record(number).caption_back_dc, nullptr);
    free_frame_images(record(number));
}

TEST_F(FrameRenderingTest, PresentingPaintsOverTransparentChildrenOnly) {
    const int number = framed_window(300, 200, {kClose}, true);
    HWND window = record(number).window;
    child(window, L"Static", 0, 20, 60, 80, 40); // opaque
    HWND transparent = child(window, L"Static", 0, 150, 60, 80, 40);
    SetWindowLongPtrW(transparent, GWL_EXSTYLE, WS_EX_TRANSPARENT);
    HWND hidden = child(window, L"Static", 0, 20, 120, 80, 40);
    ShowWindow(hidden, SW_HIDE);
    skin->paint_window(number, nullptr, false);

    testing_support::WindowPixels screen(window);
    const auto paint_green = [&] {
        gdi::Brush green(CreateSolidBrush(RGB(0, 255, 0)));
        const RECT all{0, 0, 300, 200};
        FillRect(screen.dc(), &all, green.get());
    };
    const auto check = [&](const char* how) {
        EXPECT_EQ(screen.at(50, 80), RGB(0, 255, 0)) << how << ": the opaque child is left alone";
        EXPECT_EQ(screen.at(180, 80), kBody) << how << ": the transparent child is painted over";
        EXPECT_EQ(screen.at(50, 140), kBody) << how << ": a hidden child does not count";
        EXPECT_EQ(screen.at(150, 0), at(composed(number), 150, 0)) << how;
    };
    paint_green();
    skin->present_window(number, screen.dc());
    check("present_window");
    paint_green();
    skin->paint_window(number, nullptr, true);
    check("paint_window");
    // The caller's DC keeps its clip.
    paint_green();
    EXPECT_EQ(screen.at(50, 80), RGB(0, 255, 0));
}

TEST_F(FrameRenderingTest, APresentedRenderInvalidatesTheSkinnedControlsUnlessTheFirstSizeIsPending) {
    const int number = framed_window(300, 200, {kClose}, true);
    HWND window = record(number).window;
    HWND button = child(window, L"Button", 0, 20, 60, 80, 30);
    HWND group = child(window, L"Static", 0, 120, 60, 160, 100);
    HWND inner = child(group, L"Button", 0, 10, 10, 60, 30);
    SkinnedWindow& r = record(number);
    r.button_list[r.button_list.take()].handle = button;
    r.button_list[r.button_list.take()].handle = inner;
    const auto settle = [&] {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        ValidateRect(button, nullptr);
        ValidateRect(inner, nullptr);
    };
    settle();
    first_size_pending = 1;
    skin->paint_window(number, nullptr, true);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE));
    settle();
    first_size_pending = 0;
    skin->paint_window(number, nullptr, true);
    EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(inner, nullptr, FALSE)) << "controls inside containers repaint with them";
    settle();
    skin->paint_window(number, nullptr, false);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE)) << "an image not presented changes nothing on screen";
}

TEST_F(FrameRenderingTest, RenderingWithoutPresentingClearsTheRenderFlagAndPresentsNothing) {
    const int number = framed_window(300, 200, {kClose}, true);
    testing_support::WindowPixels screen(record(number).window);
    gdi::Brush green(CreateSolidBrush(RGB(0, 255, 0)));
    const RECT all{0, 0, 300, 200};
    FillRect(screen.dc(), &all, green.get());
    record(number).needs_render = true;
    skin->paint_window(number, nullptr, false);
    EXPECT_FALSE(record(number).needs_render);
    EXPECT_EQ(screen.at(150, 100), RGB(0, 255, 0));
    EXPECT_EQ(at(composed(number), 150, 100), kBody);
}

TEST_F(FrameRenderingTest, ABackgroundPictureLiesUnderBorderCaptionAndButtons) {
    const int number = framed_window(300, 200, {kMinimise, kClose});
    skin->set_skin_picture({}, testing_support::plain_picture(30, 20, RGB(200, 40, 40)), kBody, std::nullopt, 3);
    skin->paint_window(number, nullptr, false);
    HDC dc = composed(number);
    EXPECT_EQ(at(dc, 150, 100), RGB(200, 40, 40));
    // Black at alpha 180 over the picture.
    EXPECT_LE(difference(at(dc, 150, 0), RGB(59, 12, 12)), 3);
    EXPECT_GT(count_pixels(dc, 29, 8, 120, 20, is_white), 20);
}

TEST_F(FrameRenderingTest, AWindowWithoutClientAreaKeepsItsLastImage) {
    const int number = framed_window(0, 0, {kClose});
    HWND window = record(number).window;
    record(number).needs_render = true;
    skin->paint_window(number, nullptr, true);
    EXPECT_EQ(composed(number), nullptr);
    EXPECT_TRUE(record(number).needs_render) << "the next paint tries again";
    testing_support::WindowPixels screen(window);
    skin->present_window(number, screen.dc());
    gdiplus::Graphics graphics;
    skin->paint_caption(number, graphics, false);
    skin->draw_title_button(number, 1, graphics, false, std::nullopt, 240);

    SetWindowPos(window, nullptr, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    skin->paint_window(number, nullptr, false);
    const long held = gdi::live_objects();
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    skin->paint_window(number, nullptr, false);
    EXPECT_EQ(gdi::live_objects(), held);
    EXPECT_EQ(at(composed(number), 60, 40), kBody);
}

} // namespace
} // namespace pantrove
