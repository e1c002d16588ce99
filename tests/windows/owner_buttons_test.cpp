#include "skin/controls/buttons.h"
#include "skin/core/owner_buttons.h"
#include "tests/windows/control_test_support.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pantrove {
namespace {

using testing_support::brightness;
using testing_support::MemoryImage;
using testing_support::Snapshot;
using testing_support::snapshot;

constexpr COLORREF kTheme = RGB(200, 30, 30);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool is_caption(COLORREF c) {
    return GetBValue(c) > 180 && GetRValue(c) < 110 && GetGValue(c) < 110;
}

bool is_red(COLORREF c) {
    return GetRValue(c) > 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
}

class OwnerButtonsTest : public testing_support::SkinnedWindowTest {
protected:
    static constexpr int kWidth = 120, kHeight = 40;

    void SetUp() override {
        SkinnedWindowTest::SetUp();
        theme_colour = kTheme;
        control = button(window, BS_PUSHBUTTON, 30, 30, kWidth, kHeight, L"图片");
        props::set_number(control, props::kTextColour, static_cast<INT_PTR>(kBlue));
        skin_push_buttons(number, window);
        testing_support::pump();
    }

    ButtonEntry& entry() { return record().button_list[1]; }

    DRAWITEMSTRUCT item(HDC dc, UINT state, UINT type = ODT_BUTTON) const {
        DRAWITEMSTRUCT d{};
        d.CtlType = type;
        d.hwndItem = control;
        d.hDC = dc;
        d.itemState = state;
        d.rcItem = RECT{0, 0, kWidth, kHeight};
        return d;
    }

    // What draw_owner_button leaves in a DC first filled blue.
    Snapshot drawn(UINT state, UINT type = ODT_BUTTON, int window_number = 0) {
        MemoryImage image(kWidth, kHeight);
        testing_support::fill(image.dc(), kWidth, kHeight, kBlue);
        draw_owner_button(window_number ? window_number : number, item(image.dc(), state, type));
        return snapshot(image.dc(), kWidth, kHeight);
    }

    Snapshot painted(void (*paint)(HWND, HDC, UINT, const RECT&), UINT state) {
        MemoryImage image(kWidth, kHeight);
        paint(control, image.dc(), state, RECT{0, 0, kWidth, kHeight});
        return snapshot(image.dc(), kWidth, kHeight);
    }

    COLORREF behind_at(int x, int y) const { return testing_support::coordinate_colour(30 + x, 30 + y); }

    HWND control = nullptr;
};

Snapshot untouched(int width, int height) {
    return Snapshot{width, height, std::vector<COLORREF>(static_cast<size_t>(width * height), kBlue)};
}

TEST_F(OwnerButtonsTest, APushButtonIsPaintedByItsEntryKindInTheItemsDc) {
    const Snapshot look = drawn(ODS_FOCUS);
    EXPECT_EQ(look, painted(paint_push_button, ODS_FOCUS));
    EXPECT_NE(look, painted(paint_push_button, 0));
    EXPECT_EQ(drawn(0).at(0, 0), behind_at(0, 0));
    EXPECT_EQ(drawn(ODS_DISABLED).at(0, 0), RGB(192, 192, 192));
}

struct LeftAloneCase {
    const char* name;
    UINT type;
    ButtonKind kind;
    int own_number;    // "Hw_lbID" of the button
    int window_offset; // added to the window number handed over
};

void PrintTo(const LeftAloneCase& c, std::ostream* out) {
    *out << c.name;
}

class OwnerButtonLeftAloneTest : public OwnerButtonsTest, public testing::WithParamInterface<LeftAloneCase> {};

TEST_P(OwnerButtonLeftAloneTest, NothingIsDrawn) {
    const LeftAloneCase& c = GetParam();
    entry().kind = c.kind;
    props::set_number(control, props::kOwnNumber, c.own_number);
    EXPECT_EQ(drawn(0, c.type, number + c.window_offset), untouched(kWidth, kHeight));
    EXPECT_TRUE(dc_registry.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, OwnerButtonLeftAloneTest,
                         testing::Values(LeftAloneCase{"RadioButton", ODT_BUTTON, ButtonKind::radio, 1, 0},
                                         LeftAloneCase{"CheckBox", ODT_BUTTON, ButtonKind::check_box, 1, 0},
                                         LeftAloneCase{"ListBoxItem", ODT_LISTBOX, ButtonKind::push, 1, 0},
                                         LeftAloneCase{"MenuItem", ODT_MENU, ButtonKind::push, 1, 0},
                                         LeftAloneCase{"NoEntryNumber", ODT_BUTTON, ButtonKind::push, 0, 0},
                                         LeftAloneCase{"EntryOutOfRange", ODT_BUTTON, ButtonKind::push, 2, 0},
                                         LeftAloneCase{"UnknownWindow", ODT_BUTTON, ButtonKind::push, 1, 5}),
                         [](const testing::TestParamInfo<LeftAloneCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(OwnerButtonsTest, TheParentsDrawItemPaintsTheSkinnedPushButton) {
    testing_support::paint_marker(control, kBlue);
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
    EXPECT_EQ(testing_support::window_pixel(control, 0, 0), behind_at(0, 0));
    EXPECT_GT(testing_support::snapshot(control).count(is_caption), 10);
}

class PictureButtonTest : public OwnerButtonsTest {
protected:
    void SetUp() override {
        OwnerButtonsTest::SetUp();
        entry().kind = ButtonKind::picture;
        entry().normal_picture = testing_support::plain_picture(16, 16, RGB(255, 0, 0));
    }
    Snapshot look(UINT state = 0) { return painted(paint_picture_button, state); }
};

TEST_F(PictureButtonTest, APictureBesideTheCaptionSitsAtTheLeftWithTheCaptionRightOfIt) {
    entry().picture_beside_caption = true;
    const Snapshot shot = look();
    const int side = static_cast<int>(0.8 * kHeight);
    const RECT picture = shot.bounds(is_red);
    // Scaling softens the picture's outermost pixels.
    EXPECT_NEAR(picture.left, 3, 1);
    EXPECT_NEAR(picture.right - picture.left, side, 1);
    EXPECT_NEAR(picture.bottom - picture.top, side, 1);
    EXPECT_NEAR(picture.top, (kHeight - side) / 2, 1);
    const RECT text = shot.bounds(is_caption);
    ASSERT_LT(text.left, text.right);
    EXPECT_GE(text.left, side + 5);
    EXPECT_EQ(shot, drawn(0)) << "draw_owner_button paints picture buttons the same way";
}

TEST_F(PictureButtonTest, WithoutCaptionThePictureIsCentred) {
    entry().picture_beside_caption = true;
    entry().caption.clear();
    const RECT picture = look().bounds(is_red);
    const int side = static_cast<int>(0.8 * kHeight);
    EXPECT_NEAR(picture.left, (kWidth - side) / 2, 1);
    EXPECT_NEAR(picture.right, (kWidth + side) / 2, 1);
    EXPECT_NEAR(picture.top, (kHeight - side) / 2, 1);
}

TEST_F(PictureButtonTest, APictureNotBesideTheCaptionIsDrawnAboveIt) {
    entry().font_size = 12;
    const Snapshot shot = look();
    const RECT picture = shot.bounds(is_red);
    const RECT text = shot.bounds(is_caption);
    ASSERT_LT(picture.left, picture.right) << "the picture is shown";
    ASSERT_LT(text.left, text.right) << "and the caption";
    EXPECT_LE(picture.bottom, text.top + 1);
    EXPECT_NEAR((picture.left + picture.right) / 2.0, kWidth / 2.0, 1);
    EXPECT_NEAR((text.left + text.right) / 2.0, kWidth / 2.0, 3);
}

TEST_F(PictureButtonTest, WithoutPictureTheCaptionFillsTheButton) {
    entry().normal_picture.clear();
    const Snapshot shot = look();
    EXPECT_EQ(shot.count(is_red), 0);
    const RECT text = shot.bounds(is_caption);
    ASSERT_LT(text.left, text.right);
    EXPECT_NEAR((text.left + text.right) / 2.0, kWidth / 2.0, 3);
    EXPECT_NEAR((text.top + text.bottom) / 2.0, kHeight / 2.0, 3);
}

TEST_F(PictureButtonTest, EachStateHasItsOwnFace) {
    entry().normal_picture.clear();
    entry().caption.clear();
    const Snapshot normal = look(0);
    // At rest: a dark outline with a light one inside it.
    EXPECT_LT(brightness(normal.at(0, kHeight / 2)), brightness(behind_at(0, kHeight / 2)));
    EXPECT_GT(brightness(normal.at(1, kHeight / 2)), brightness(behind_at(1, kHeight / 2)));
    EXPECT_EQ(normal.at(kWidth / 2, kHeight / 2), behind_at(kWidth / 2, kHeight / 2));
    // Hot: a white glow, brightest in the middle.
    const Snapshot hot = look(ODS_HOTLIGHT);
    EXPECT_GT(brightness(hot.at(kWidth / 2, kHeight / 2)), 700);
    // Pressed: a light veil over the face.
    const Snapshot pressed = look(ODS_SELECTED);
    EXPECT_GT(brightness(pressed.at(kWidth / 2, kHeight / 2)), brightness(behind_at(kWidth / 2, kHeight / 2)) + 60);
    EXPECT_LT(brightness(pressed.at(kWidth / 2, kHeight / 2)), brightness(hot.at(kWidth / 2, kHeight / 2)));
    // Disabled: greyed near the top, fading out downwards.
    const Snapshot disabled = look(ODS_DISABLED | ODS_HOTLIGHT);
    EXPECT_NE(disabled.at(kWidth / 2, 4), behind_at(kWidth / 2, 4));
    EXPECT_NE(disabled, hot);
}

class StateButtonTest : public OwnerButtonsTest {
protected:
    void SetUp() override {
        OwnerButtonsTest::SetUp();
        entry().kind = ButtonKind::state;
        entry().caption.clear();
    }
    COLORREF middle(UINT state) { return painted(paint_state_button, state).at(kWidth / 2, kHeight / 2); }
};

TEST_F(StateButtonTest, EachStateShowsItsPictureOverTheWholeButton) {
    entry().normal_picture = testing_support::plain_picture(kWidth, kHeight, RGB(255, 0, 0));
    entry().hover_picture = testing_support::plain_picture(kWidth, kHeight, RGB(0, 255, 0));
    entry().pressed_picture = testing_support::plain_picture(kWidth, kHeight, RGB(0, 0, 255));
    entry().disabled_picture = testing_support::plain_picture(kWidth, kHeight, RGB(255, 255, 0));
    EXPECT_EQ(middle(0), RGB(255, 0, 0));
    EXPECT_EQ(middle(ODS_HOTLIGHT), RGB(0, 255, 0));
    EXPECT_EQ(middle(ODS_SELECTED), RGB(0, 0, 255));
    EXPECT_EQ(middle(ODS_DISABLED | ODS_HOTLIGHT), RGB(255, 255, 0));
    const Snapshot shot = painted(paint_state_button, 0);
    EXPECT_EQ(shot.count([](COLORREF c) { return c == RGB(255, 0, 0); }), kWidth * kHeight);
    EXPECT_EQ(shot, drawn(0));
}

TEST_F(StateButtonTest, AStateWithoutPictureGetsAFallbackFace) {
    entry().normal_picture = testing_support::plain_picture(10, 10, RGB(255, 0, 0));
    const COLORREF under = behind_at(kWidth / 2, kHeight / 2);
    const COLORREF hot = middle(ODS_HOTLIGHT);
    EXPECT_GT(GetRValue(hot) - GetGValue(hot), GetRValue(under) - GetGValue(under)) << "tinted with the theme";
    EXPECT_NE(middle(ODS_SELECTED), under);
    EXPECT_NE(middle(ODS_DISABLED), under);
    EXPECT_NE(middle(ODS_SELECTED), hot);
    entry().normal_picture.clear();
    EXPECT_EQ(middle(0), under) << "the normal state has no fallback";
}

TEST_F(OwnerButtonsTest, RepaintingAPictureOrStateButtonOnHoverGivesEverythingBack) {
    entry().normal_picture = testing_support::plain_picture(16, 16, RGB(255, 0, 0));
    entry().caption.clear();
    for (int cycle = 0; cycle < 200; ++cycle) {
        entry().kind = cycle % 2 ? ButtonKind::state : ButtonKind::picture;
        SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(5, 5));
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    }
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(testing_support::window_pixel(control, kWidth / 2, kHeight / 2), RGB(255, 0, 0));
}

} // namespace
} // namespace pantrove
