#include "skin/core/background_dc.h"
#include "skin/core/drawing.h"
#include "tests/windows/skin_test_support.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

using testing_support::coordinate_colour;
using testing_support::difference;

constexpr COLORREF kRedish = RGB(200, 30, 30);

// Every pixel of the w × h DC shows the composed image at (from_x + x, from_y + y).
void expect_cut_from(HDC dc, int width, int height, int from_x, int from_y) {
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF actual = GetPixel(dc, x, y);
            if (actual != coordinate_colour(from_x + x, from_y + y) && ++wrong <= 3)
                ADD_FAILURE() << "pixel " << x << "," << y << " is 0x" << std::hex << actual;
        }
    }
    EXPECT_EQ(wrong, 0);
}

class BackgroundDcTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        window = top_window(220, 160);
        number = add_record(window);
        compose(number);
    }
    SkinnedWindow& record() { return *window_record(number); }
    void add_container(HWND container, COLORREF colour, BYTE alpha = 255, bool group_box = false) {
        ContainerEntry& entry = record().container_list[record().container_list.take()];
        entry.hwnd = container;
        entry.fill_colour = colour;
        entry.fill_alpha = alpha;
        entry.group_box = group_box;
    }

    HWND window = nullptr;
    int number = 0;
};

TEST_F(BackgroundDcTest, TheSkinnedWindowGetsThePartOfItsImageUnderTheRectangle) {
    HDC dc = make_background_dc(window, RECT{5, 7, 45, 27});
    ASSERT_NE(dc, nullptr);
    ASSERT_EQ(dc_registry.size(), 1u);
    expect_cut_from(dc, 40, 20, 5, 7);
    EXPECT_TRUE(free_background_dc(dc));
}

TEST_F(BackgroundDcTest, AControlGetsThePartBehindItsClientArea) {
    HWND edit = child(window, L"Static", WS_BORDER, 30, 40, 100, 30);
    const RECT r = client_rect_in_window(edit);
    HDC dc = make_background_dc(edit, r);
    ASSERT_NE(dc, nullptr);
    expect_cut_from(dc, 98, 28, 31, 41);
    EXPECT_TRUE(free_background_dc(dc));
}

TEST_F(BackgroundDcTest, AControlInsideAContainerIsFoundThroughItsAncestorsAndLeftUntinted) {
    HWND group = child(window, L"Button", BS_GROUPBOX, 20, 30, 150, 100);
    HWND inner = child(group, L"Static", 0, 12, 25, 40, 20);
    add_container(group, kRedish, 255, true);
    HDC dc = make_background_dc(inner, RECT{0, 0, 40, 20});
    ASSERT_NE(dc, nullptr);
    expect_cut_from(dc, 40, 20, 32, 55);
    EXPECT_TRUE(free_background_dc(dc));
}

TEST_F(BackgroundDcTest, AColouredGroupBoxIsTintedInsideARoundedBodyBelowItsLabelLine) {
    HWND group = child(window, L"Button", BS_GROUPBOX, 20, 30, 150, 100);
    add_container(group, kRedish, 255, true);
    HDC dc = make_background_dc(group, RECT{0, 0, 150, 100});
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(GetPixel(dc, 75, 2), coordinate_colour(95, 32)); // the label line
    EXPECT_LE(difference(GetPixel(dc, 75, 6), kRedish), 2);
    EXPECT_LE(difference(GetPixel(dc, 75, 50), kRedish), 2);
    EXPECT_LE(difference(GetPixel(dc, 1, 50), kRedish), 2);
    EXPECT_LE(difference(GetPixel(dc, 148, 50), kRedish), 2);
    EXPECT_LE(difference(GetPixel(dc, 75, 97), kRedish), 2);
    EXPECT_EQ(GetPixel(dc, 0, 5), coordinate_colour(20, 35)); // the rounded corner
    EXPECT_TRUE(free_background_dc(dc));
}

TEST_F(BackgroundDcTest, AnotherContainerIsTintedAllOverAtItsAlpha) {
    HWND panel = child(window, L"Static", 0, 20, 30, 60, 40);
    HWND plain = child(window, L"Static", 0, 100, 30, 60, 40);
    add_container(panel, RGB(0, 0, 200), 128);
    add_container(plain, 0);
    HDC dc = make_background_dc(panel, RECT{0, 0, 60, 40});
    ASSERT_NE(dc, nullptr);
    for (auto [x, y] : {std::pair{0, 0}, {59, 39}, {30, 20}}) {
        const COLORREF under = coordinate_colour(20 + x, 30 + y);
        const COLORREF expected = RGB((GetRValue(under) * 127 + 127) / 255, (GetGValue(under) * 127 + 127) / 255,
                                      (GetBValue(under) * 127 + 200 * 128 + 127) / 255);
        EXPECT_LE(difference(GetPixel(dc, x, y), expected), 3) << x << "," << y;
    }
    EXPECT_TRUE(free_background_dc(dc));
    // Without a colour a container is not tinted.
    dc = make_background_dc(plain, RECT{0, 0, 60, 40});
    ASSERT_NE(dc, nullptr);
    expect_cut_from(dc, 60, 40, 100, 30);
    EXPECT_TRUE(free_background_dc(dc));
}

TEST_F(BackgroundDcTest, AWindowOutsideAnySkinnedWindowGetsNoDcAndCostsNothing) {
    HWND loose = top_window(100, 50);
    HWND control = child(loose, L"Static", 0, 5, 5, 40, 20);
    const long held = gdi::live_objects();
    EXPECT_EQ(make_background_dc(control, RECT{0, 0, 40, 20}), nullptr);
    EXPECT_EQ(make_background_dc(loose, RECT{0, 0, 40, 20}), nullptr);
    EXPECT_EQ(make_background_dc(nullptr, RECT{0, 0, 40, 20}), nullptr);
    EXPECT_EQ(make_background_dc(window, RECT{10, 10, 10, 30}), nullptr); // empty rectangle
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(gdi::live_objects(), held);
    EXPECT_FALSE(make_backdrop_bitmap(control));
}

TEST_F(BackgroundDcTest, FreeingReleasesOnlyRegisteredDcsSoASecondFreeIsHarmless) {
    const long held = gdi::live_objects();
    HDC dc = make_background_dc(window, RECT{0, 0, 20, 20});
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(gdi::live_objects(), held + 2); // the DC and its bitmap
    EXPECT_TRUE(free_background_dc(dc));
    EXPECT_EQ(gdi::live_objects(), held);
    EXPECT_FALSE(free_background_dc(dc));
    EXPECT_FALSE(free_background_dc(nullptr));
    EXPECT_TRUE(dc_registry.empty());

    // A DC the registry never saw is left alone.
    testing_support::MemoryImage own(4, 4);
    SetPixelV(own.dc(), 1, 1, RGB(1, 2, 3));
    EXPECT_FALSE(free_background_dc(own.dc()));
    EXPECT_EQ(GetPixel(own.dc(), 1, 1), RGB(1, 2, 3));
}

TEST_F(BackgroundDcTest, RegisteringADcAgainUpdatesItsEntry) {
    HDC dc = make_background_dc(window, RECT{0, 0, 20, 20});
    ASSERT_NE(dc, nullptr);
    // A painter swaps in a bitmap of its own; freeing deletes that one and puts the first object back.
    gdi::Bitmap larger(CreateCompatibleBitmap(dc, 40, 40));
    HGDIOBJ first = SelectObject(dc, larger.get());
    ASSERT_NE(first, nullptr);
    DeleteObject(first);
    register_memory_dc(dc, larger.get(), dc_registry.front().replaced);
    ASSERT_EQ(dc_registry.size(), 1u);
    EXPECT_EQ(dc_registry.front().bitmap, larger.get());
    EXPECT_TRUE(free_background_dc(dc));
    EXPECT_EQ(GetObjectType(larger.release()), 0u); // deleted with the DC
}

TEST_F(BackgroundDcTest, ABackdropIsTheClientBackgroundUnderAWhiteVeil) {
    HWND control = child(window, L"Static", WS_BORDER, 30, 40, 50, 20);
    struct VeilCase {
        int alpha;
        int share; // of white, in 255ths
    };
    for (const VeilCase veil : {VeilCase{0, 0}, VeilCase{160, 160}, VeilCase{255, 255}}) {
        control_alpha = veil.alpha;
        gdi::Bitmap bitmap = make_backdrop_bitmap(control);
        ASSERT_TRUE(bitmap);
        EXPECT_TRUE(dc_registry.empty());
        BITMAP info{};
        GetObjectW(bitmap.get(), sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 48);
        EXPECT_EQ(info.bmHeight, 18);
        testing_support::MemoryImage reader(1, 1);
        const gdi::SelectGuard select(reader.dc(), bitmap.get());
        for (auto [x, y] : {std::pair{0, 0}, {47, 17}, {20, 9}}) {
            const COLORREF under = coordinate_colour(31 + x, 41 + y);
            const auto mix = [&](int channel) { return (channel * (255 - veil.share) + 255 * veil.share + 127) / 255; };
            const COLORREF expected = RGB(mix(GetRValue(under)), mix(GetGValue(under)), mix(GetBValue(under)));
            EXPECT_LE(difference(GetPixel(reader.dc(), x, y), expected), 3)
                << "alpha " << veil.alpha << " at " << x << "," << y;
        }
    }
}

TEST_F(BackgroundDcTest, CopyingADcToABitmapGivesTheDcBack) {
    HDC dc = make_background_dc(window, RECT{10, 10, 40, 30});
    ASSERT_NE(dc, nullptr);
    gdi::Bitmap bitmap = copy_dc_to_bitmap(dc, 30, 20);
    ASSERT_TRUE(bitmap);
    EXPECT_TRUE(dc_registry.empty());
    testing_support::MemoryImage reader(1, 1);
    const gdi::SelectGuard select(reader.dc(), bitmap.get());
    expect_cut_from(reader.dc(), 30, 20, 10, 10);
    EXPECT_FALSE(copy_dc_to_bitmap(nullptr, 30, 20));
}

} // namespace
} // namespace pantrove
