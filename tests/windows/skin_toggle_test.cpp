#include "app/handlers.h"
#include "app/main_window.h"
#include "app/skin_toggle.h"
#include "gdiplus/image.h"
#include "program_driver.h"
#include "resources/embedded.h"
#include "skin_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <array>

namespace pantrove {
namespace {

using testing_support::difference;

// Points of the window body, clear of the frame, the caption and the title buttons.
constexpr std::array<POINT, 4> kProbes{{{60, 70}, {400, 90}, {150, 260}, {500, 320}}};

// MainWindow made as the program makes it and skinned as its created handler does, shown without activation.
class SkinToggle : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        saved_first_size_pending_ = first_size_pending;
        main_ = MainWindow::create(GetModuleHandleW(nullptr), false);
        ASSERT_NE(main_, nullptr);
        skin_main_window(embedded_bytes(Picture::BackgroundSmall), 0, 0, main_->handle(), 0, 0, false, true, true);
        ShowWindow(main_->handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(main_->handle());
    }
    void TearDown() override {
        main_.reset();
        first_size_pending = saved_first_size_pending_;
        SkinTest::TearDown();
    }

    TextValue caption() const { return window_text(main_->form().skin_button); }
    void toggle() {
        handle_skin_toggle(*main_);
        UpdateWindow(main_->handle());
    }
    std::array<COLORREF, kProbes.size()> probes() const {
        const SkinnedWindow& r = *window_record(find_window_number(main_->handle()));
        std::array<COLORREF, kProbes.size()> colours{};
        for (size_t i = 0; i < kProbes.size(); ++i)
            colours[i] = GetPixel(r.background_dc, kProbes[i].x, kProbes[i].y);
        return colours;
    }

    std::unique_ptr<MainWindow> main_;
    int saved_first_size_pending_ = 1;
};

// The colour the picture, stretched over the client area, has under each probe.
std::array<COLORREF, kProbes.size()> stretched_colours(Picture picture, HWND window) {
    gdiplus::Bitmap bitmap;
    EXPECT_TRUE(bitmap.load_from_bytes(embedded_bytes(picture)));
    RECT client{};
    GetClientRect(window, &client);
    std::array<COLORREF, kProbes.size()> colours{};
    for (size_t i = 0; i < kProbes.size(); ++i) {
        const auto x = static_cast<int>(kProbes[i].x * static_cast<long long>(bitmap.width()) / client.right);
        const auto y = static_cast<int>(kProbes[i].y * static_cast<long long>(bitmap.height()) / client.bottom);
        const gdiplus::ARGB argb = bitmap.pixel(x, y);
        colours[i] = RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    }
    return colours;
}

// Each probe is near the colour of the picture expected there, and nearer to it than to the other picture's.
void expect_showing(const std::array<COLORREF, kProbes.size()>& probes, Picture shown, Picture other, HWND window) {
    const auto expected = stretched_colours(shown, window);
    const auto unexpected = stretched_colours(other, window);
    for (size_t i = 0; i < kProbes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(difference(probes[i], expected[i]), 24);
        EXPECT_LT(difference(probes[i], expected[i]), difference(probes[i], unexpected[i]));
    }
}

TEST_F(SkinToggle, StartsWithTheSmallPictureAndTheSkinOptionsOfTheMainWindow) {
    EXPECT_EQ(caption(), "换肤");
    EXPECT_EQ(window_count(), 1);
    const SkinnedWindow& r = *window_record(1);
    EXPECT_EQ(r.window, main_->handle());
    EXPECT_EQ(r.caption_height, 25);
    EXPECT_FALSE(r.has_help_button);
    EXPECT_TRUE(r.has_menu_button);
    EXPECT_TRUE(r.show_caption);
    EXPECT_TRUE(r.resizable);
    EXPECT_EQ(r.title_button_count(), 2); // main menu, close
    // The strip's first button starts right of the skin button.
    RECT skin_button{};
    GetWindowRect(main_->form().skin_button, &skin_button);
    MapWindowPoints(nullptr, main_->handle(), reinterpret_cast<POINT*>(&skin_button), 2);
    EXPECT_GE(r.title_buttons.front().hit_rect.x, skin_button.right);
    EXPECT_EQ(skin_picture, embedded_bytes(Picture::BackgroundSmall));
    EXPECT_EQ(picture_mode, 3);
    EXPECT_EQ(back_colour, 0u);
    EXPECT_EQ(theme_colour, 0u);
    EXPECT_EQ(transparent_controls, 1);
    EXPECT_EQ(control_alpha, 0);
    expect_showing(probes(), Picture::BackgroundSmall, Picture::BackgroundWide, main_->handle());
}

TEST_F(SkinToggle, EachClickFlipsTheCaptionAndThePicture) {
    const auto small = probes();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        toggle();
        EXPECT_EQ(caption(), "换肤 ");
        EXPECT_EQ(skin_picture, embedded_bytes(Picture::BackgroundWide));
        expect_showing(probes(), Picture::BackgroundWide, Picture::BackgroundSmall, main_->handle());
        toggle();
        EXPECT_EQ(caption(), "换肤");
        EXPECT_EQ(skin_picture, embedded_bytes(Picture::BackgroundSmall));
        EXPECT_EQ(probes(), small);
    }
    EXPECT_EQ(window_count(), 1); // the window is skinned once
}

TEST_F(SkinToggle, AnyOtherCaptionGoesBackToTheSmallPicture) {
    set_window_text(main_->form().skin_button, "换 肤");
    toggle();
    EXPECT_EQ(caption(), "换肤");
    EXPECT_EQ(skin_picture, embedded_bytes(Picture::BackgroundSmall));
    set_window_text(main_->form().skin_button, "");
    toggle();
    EXPECT_EQ(caption(), "换肤");
    EXPECT_EQ(skin_picture, embedded_bytes(Picture::BackgroundSmall));
    toggle();
    EXPECT_EQ(caption(), "换肤 ");
}

// The real program: a click on "换肤" flips the caption, a second one flips it back.
TEST(ProgramSkinToggle, AClickOnTheSkinButtonFlipsItsCaption) {
    // The start-up tasks find nothing listening and give up at once.
    testing_support::ProgramDriver program(
        {{L"PANTROVE_HELP_URL", L"http://127.0.0.1:1/pantrove.html"}, {L"PANTROVE_COUNTER_HOST", L"127.0.0.1:1"}});
    ASSERT_TRUE(program.running());
    EXPECT_EQ(program.text(&MainForm::skin_button), "换肤");
    program.click(&MainForm::skin_button);
    EXPECT_EQ(program.text(&MainForm::skin_button), "换肤 ");
    program.click(&MainForm::skin_button);
    EXPECT_EQ(program.text(&MainForm::skin_button), "换肤");
    EXPECT_TRUE(program.responsive());
}

} // namespace
} // namespace pantrove
