#include "skin/controls/buttons.h"
#include "tests/windows/control_test_support.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pantrove {
namespace {

using testing_support::brightness;
using testing_support::difference;
using testing_support::MemoryImage;
using testing_support::over;
using testing_support::Snapshot;
using testing_support::snapshot;
using testing_support::window_pixel;

constexpr COLORREF kTheme = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTickedBorder = RGB(24, 81, 132);
constexpr COLORREF kTick = RGB(36, 110, 117);

bool is_caption(COLORREF c) {
    return GetBValue(c) > 180 && GetRValue(c) < 110 && GetGValue(c) < 110;
}

int red_over_green(COLORREF c) {
    return GetRValue(c) - GetGValue(c);
}

class ButtonPaintersTest : public testing_support::SkinnedWindowTest {
protected:
    static constexpr int kWidth = 100, kHeight = 26;

    void SetUp() override {
        SkinnedWindowTest::SetUp();
        theme_colour = kTheme;
        push = button(window, BS_PUSHBUTTON, 20, 20, kWidth, kHeight, L"解析");
        check = button(window, BS_AUTOCHECKBOX, 20, 60, 120, 20, L"记住密码");
        radio = button(window, BS_AUTORADIOBUTTON, 20, 100, 120, 20, L"选项");
        for (HWND control : {push, check, radio})
            props::set_number(control, props::kTextColour, static_cast<INT_PTR>(kBlue));
        skin_child_controls(number, window);
        testing_support::pump();
    }

    Snapshot push_look(UINT state) {
        MemoryImage image(kWidth, kHeight);
        paint_push_button(push, image.dc(), state, RECT{0, 0, kWidth, kHeight});
        return snapshot(image.dc(), kWidth, kHeight);
    }
    Snapshot radio_look(UINT state) {
        paint_radio_button(radio, state);
        return snapshot(radio);
    }
    Snapshot check_look(UINT state) {
        paint_check_box(check, state);
        return snapshot(check);
    }
    COLORREF push_behind(int x, int y) const { return testing_support::coordinate_colour(20 + x, 20 + y); }

    HWND push = nullptr, check = nullptr, radio = nullptr;
};

TEST_F(ButtonPaintersTest, APushButtonVeilsTheWindowImageInsideItsRoundedOutline) {
    const Snapshot look = push_look(0);
    EXPECT_EQ(look.at(0, 0), push_behind(0, 0)) << "the corner outside the rounded body";
    EXPECT_EQ(look.at(kWidth - 1, kHeight - 1), push_behind(kWidth - 1, kHeight - 1));
    for (auto [x, y] : {std::pair{20, 18}, {80, 21}}) {
        const COLORREF under = push_behind(x, y);
        const COLORREF seen = look.at(x, y);
        EXPECT_GE(GetRValue(seen), GetRValue(under) + 30) << x << "," << y;
        EXPECT_GE(GetGValue(seen), GetGValue(under) + 30) << x << "," << y;
        EXPECT_GE(GetBValue(seen), GetBValue(under) + 30) << x << "," << y;
    }
    EXPECT_LT(brightness(look.at(0, 13)) + 60, brightness(look.at(4, 13))) << "the dark outline";
    EXPECT_LT(brightness(look.at(50, kHeight - 1)) + 60, brightness(look.at(50, kHeight - 4)));
}

TEST_F(ButtonPaintersTest, AHotPushButtonIsOutlinedInTheThemeColourAndHotWinsOverFocus) {
    const Snapshot hot = push_look(button_state::hot);
    EXPECT_EQ(hot.at(0, 13), kTheme);
    EXPECT_EQ(hot.at(50, kHeight - 1), kTheme);
    EXPECT_GT(red_over_green(hot.at(50, 18)), red_over_green(push_look(0).at(50, 18)) + 10) << "theme tint";
    EXPECT_EQ(push_look(button_state::hot | button_state::focused), hot);
    theme_colour = RGB(20, 160, 40);
    EXPECT_EQ(push_look(button_state::hot).at(0, 13), RGB(20, 160, 40));
}

TEST_F(ButtonPaintersTest, AFocusedPushButtonGlowsInTheDefaultThemeColourWhateverTheTheme) {
    const Snapshot normal = push_look(0);
    const Snapshot focused = push_look(button_state::focused);
    // The glow colour 0xDDCA22 is cyan: green and blue rise over red along the outline.
    const auto cyan = [](COLORREF c) { return (GetGValue(c) + GetBValue(c)) / 2 - GetRValue(c); };
    EXPECT_GT(cyan(focused.at(1, 13)), cyan(normal.at(1, 13)) + 20);
    EXPECT_GT(cyan(focused.at(50, 1)), cyan(normal.at(50, 1)) + 20);
    EXPECT_EQ(focused.at(50, 13), normal.at(50, 13)) << "the middle is untouched";
    theme_colour = RGB(20, 160, 40);
    EXPECT_EQ(push_look(button_state::focused), focused);
}

TEST_F(ButtonPaintersTest, APressedPushButtonIsTintedWithTheThemeColourFromTheTop) {
    const Snapshot normal = push_look(0);
    const Snapshot pressed = push_look(button_state::pressed);
    EXPECT_GT(red_over_green(pressed.at(50, 4)), red_over_green(normal.at(50, 4)) + 15);
    EXPECT_EQ(pressed.at(0, 13), normal.at(0, 13)) << "the outline stays";
}

TEST_F(ButtonPaintersTest, ADisabledPushButtonIsSilverWithAFaintSheenAndADarkOutline) {
    const Snapshot look = push_look(button_state::disabled | button_state::hot | button_state::pressed);
    EXPECT_EQ(look.at(0, 0), RGB(192, 192, 192)) << "silver replaces the window image";
    EXPECT_EQ(look.at(kWidth - 1, 0), RGB(192, 192, 192));
    for (auto [x, y] : {std::pair{50, 3}, {30, 15}, {70, 22}}) {
        const COLORREF c = look.at(x, y);
        EXPECT_LE(std::abs(GetRValue(c) - GetGValue(c)), 3) << x << "," << y;
        EXPECT_LE(std::abs(GetGValue(c) - GetBValue(c)), 3) << x << "," << y;
    }
    // White at both ends, a touch of black at 0.6 of the height.
    EXPECT_LT(brightness(look.at(30, 15)), brightness(look.at(30, 2)));
    EXPECT_LT(brightness(look.at(30, 15)), brightness(look.at(30, 24)));
    EXPECT_LT(brightness(look.at(0, 13)) + 60, brightness(look.at(4, 13)));
    EXPECT_EQ(look, push_look(button_state::disabled)) << "neither hot nor pressed shows";
}

TEST_F(ButtonPaintersTest, TheCaptionIsCentredInTheButtonsTextColour) {
    const RECT text = push_look(0).bounds(is_caption);
    ASSERT_LT(text.left, text.right) << "no caption drawn";
    EXPECT_NEAR((text.left + text.right) / 2.0, kWidth / 2.0, 3);
    EXPECT_NEAR((text.top + text.bottom) / 2.0, (2 + kHeight) / 2.0, 3);

    SetWindowTextW(push, L"");
    EXPECT_EQ(push_look(0).count(is_caption), 0);
}

TEST_F(ButtonPaintersTest, ARadioButtonDrawsItsRingDiscAndCheckedDot) {
    const int c = (20 - 12) / 2;
    const COLORREF under = behind(radio, 2, c + 6);
    const Snapshot unchecked = radio_look(0);
    EXPECT_EQ(unchecked.at(0, 0), behind(radio, 0, 0));
    EXPECT_LT(brightness(unchecked.at(2, c + 6)) + 60, brightness(under)) << "the dark ring";
    EXPECT_GT(brightness(unchecked.at(7, c + 6)), 500) << "the white disc";

    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    const Snapshot checked = radio_look(0);
    const auto teal = [](COLORREF p) { return GetGValue(p) > GetRValue(p) + 40 && GetBValue(p) > GetRValue(p) + 40; };
    int teal_in_dot = 0, teal_before = 0;
    for (int y = c + 3; y < c + 9; ++y) {
        for (int x = 5; x < 11; ++x) {
            teal_in_dot += teal(checked.at(x, y)) ? 1 : 0;
            teal_before += teal(unchecked.at(x, y)) ? 1 : 0;
        }
    }
    EXPECT_GE(teal_in_dot, 8);
    EXPECT_EQ(teal_before, 0);
    EXPECT_EQ(checked.at(2, c + 6), unchecked.at(2, c + 6));
}

TEST_F(ButtonPaintersTest, AHotRadioButtonTintsItsDiscWithTheThemeColour) {
    const int c = (20 - 12) / 2;
    const auto redness = [c](const Snapshot& look) {
        int sum = 0;
        for (int y = c + 3; y < c + 9; ++y) {
            for (int x = 4; x < 11; ++x)
                sum += red_over_green(look.at(x, y));
        }
        return sum / 42;
    };
    EXPECT_GT(redness(radio_look(button_state::hot)), redness(radio_look(0)) + 20);
}

TEST_F(ButtonPaintersTest, ACheckBoxDrawsItsFrameAndTheTickedPictureWhenChecked) {
    const int b = (20 - 13) / 2;
    const Snapshot unchecked = check_look(0);
    EXPECT_LE(difference(unchecked.at(0, b + 6), over(behind(check, 0, b + 6), RGB(3, 3, 3), 230)), 3);
    EXPECT_EQ(unchecked.at(0, b - 1), behind(check, 0, b - 1)) << "above the box";
    EXPECT_EQ(unchecked.at(14, b + 6), behind(check, 14, b + 6)) << "between box and caption";

    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    const Snapshot checked = check_look(0);
    EXPECT_EQ(checked.at(0, b + 6), kTickedBorder);
    EXPECT_EQ(checked.at(12, b), kTickedBorder);
    int tick = 0;
    for (int y = b + 6; y <= b + 10; ++y) {
        for (int x = 3; x <= 9; ++x)
            tick += checked.at(x, y) == kTick ? 1 : 0;
    }
    EXPECT_GE(tick, 4);
}

TEST_F(ButtonPaintersTest, AHotCheckBoxTintsItsBoxWithTheThemeColourAndGlows) {
    const int b = (20 - 13) / 2;
    const Snapshot hot = check_look(button_state::hot);
    const Snapshot normal = check_look(0);
    EXPECT_GT(red_over_green(hot.at(4, b + 3)), red_over_green(normal.at(4, b + 3)) + 20);
    EXPECT_NE(hot.at(13, b + 6), normal.at(13, b + 6)) << "the glow reaches past the box";
}

TEST_F(ButtonPaintersTest, CheckBoxAndRadioCaptionsStartRightOfTheirBoxes) {
    for (auto [control, left] : {std::pair{check, 17}, {radio, 18}}) {
        paint_check_box(check, 0);
        paint_radio_button(radio, 0);
        const RECT text = snapshot(control).bounds(is_caption);
        ASSERT_LT(text.left, text.right);
        EXPECT_GE(text.left, left);
        EXPECT_LE(text.left, left + 3);
        EXPECT_NEAR((text.top + text.bottom) / 2.0, (2 + 20) / 2.0, 3);
    }
}

TEST_F(ButtonPaintersTest, DisabledCheckBoxesAndRadioButtonsLookEnabled) {
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    const Snapshot check_enabled = check_look(0);
    const Snapshot radio_enabled = radio_look(0);
    EnableWindow(check, FALSE);
    EnableWindow(radio, FALSE);
    testing_support::pump();
    EXPECT_EQ(snapshot(check), check_enabled);
    EXPECT_EQ(snapshot(radio), radio_enabled);
}

TEST_F(ButtonPaintersTest, ACheckBoxRepaintsItselfFromTheWindowImage) {
    testing_support::paint_marker(check, kBlue);
    InvalidateRect(check, nullptr, TRUE);
    UpdateWindow(check);
    EXPECT_EQ(snapshot(check), check_look(0));
    EXPECT_EQ(window_pixel(check, 0, 0), behind(check, 0, 0));
}

TEST_F(ButtonPaintersTest, AButtonOutsideAnySkinnedWindowIsNotDrawn) {
    HWND loose = top_window(200, 100, false, 600, 400);
    HWND stray = button(loose, BS_PUSHBUTTON, 10, 10, kWidth, kHeight, L"无主");
    // Registered in the window's list, but its window is not skinned: no image to draw from.
    ButtonEntry& entry = record().button_list[record().button_list.take()];
    entry.handle = stray;
    props::set_number(stray, props::kWindowNumber, number);
    props::set_number(stray, props::kOwnNumber, record().button_list.count());
    MemoryImage image(kWidth, kHeight);
    testing_support::fill(image.dc(), kWidth, kHeight, kBlue);
    paint_push_button(stray, image.dc(), 0, RECT{0, 0, kWidth, kHeight});
    EXPECT_EQ(snapshot(image.dc(), kWidth, kHeight).count([](COLORREF c) { return c != kBlue; }), 0);
    EXPECT_TRUE(dc_registry.empty());
}

} // namespace
} // namespace pantrove
