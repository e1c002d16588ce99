#include "skin/core/gdi_objects.h"
#include "skinned_frame_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace pantrove {
namespace {

using testing_support::kOwnAnswer;
using testing_support::mouse_at;
using testing_support::run_fade_ticks;
using testing_support::SkinnedFrameTest;

struct StripPoint {
    const char* name;
    int dx; // from strip_x
    int y;
    int hit;
};

void PrintTo(const StripPoint& p, std::ostream* out) {
    *out << p.name;
}

class TitleStripHit : public SkinnedFrameTest, public testing::WithParamInterface<StripPoint> {};

// The strip answers from 2 pixels left of strip_x to strip_x + strip_width, from the top to strip_height; a
// negative y (bit 15 of the high word) never.
TEST_P(TitleStripHit, CoversTheStripWithItsTolerance) {
    const int number = skinned(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const SkinnedWindow& r = record(number);
    const int x = GetParam().dx == 1000   ? r.strip_x + r.strip_width
                  : GetParam().dx == 1001 ? r.strip_x + r.strip_width + 1
                                          : r.strip_x + GetParam().dx;
    EXPECT_EQ(skin->hit_title_strip(number, mouse_at(x, GetParam().y)), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TitleStripHit,
    testing::Values(StripPoint{"two_left_of_the_strip", -2, 5, 1}, StripPoint{"three_left_of_the_strip", -3, 5, 0},
                    StripPoint{"right_edge", 1000, 5, 1}, StripPoint{"right_of_the_right_edge", 1001, 5, 0},
                    StripPoint{"top_row", 10, 0, 1}, StripPoint{"bottom_edge", 10, 22, 1},
                    StripPoint{"below_the_strip", 10, 23, 0}, StripPoint{"above_the_client_area", 10, -1, 0}),
    [](const testing::TestParamInfo<StripPoint>& info) { return std::string(info.param.name); });

TEST_F(SkinnedFrameTest, HitTitleStripOfAnUnknownWindowIsNoHit) {
    EXPECT_EQ(skin->hit_title_strip(1, mouse_at(5, 5)), 0);
}

// A shown window 400 pixels wide with the minimise, maximise and close buttons (1, 2, 3), the pointer inside it.
class TitleButtonFade : public SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        number_ = skinned(400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
        window_ = handle(number_);
        show(window_);
        SendMessageW(window_, WM_MOUSEHOVER, 0, 0);
    }
    void move_to(int button) { SendMessageW(window_, WM_MOUSEMOVE, 0, button_centre(number_, button)); }
    void move_to_body() { SendMessageW(window_, WM_MOUSEMOVE, 0, mouse_at(200, 150)); }
    std::vector<COLORREF> pixels(int button) const { return button_pixels(number_, button); }
    std::vector<COLORREF> reference(int button, int opacity) const {
        return pixels_at_opacity(number_, button, opacity);
    }
    bool timer_running() const {
        // KillTimer fails for a timer that does not run; one that did is set again.
        if (!KillTimer(window_, reinterpret_cast<UINT_PTR>(window_)))
            return false;
        SetTimer(window_, reinterpret_cast<UINT_PTR>(window_), 20, nullptr);
        return true;
    }

    int number_ = 0;
    HWND window_ = nullptr;
};

TEST_F(TitleButtonFade, TheHoveredButtonFadesInOverEightTicks) {
    const std::vector<COLORREF> resting = pixels(1);
    move_to(1);
    EXPECT_EQ(pixels(1), resting); // nothing is drawn before the first tick
    std::vector<std::vector<COLORREF>> seen;
    ASSERT_TRUE(run_fade_ticks(window_, 10, [&](int) { seen.push_back(pixels(1)); }));
    // The timer goes on while the pointer stays over the strip; the face stays at full opacity.
    EXPECT_TRUE(timer_running());
    EXPECT_EQ(seen[8], seen[7]);
    EXPECT_EQ(seen[9], seen[7]);
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(seen[static_cast<size_t>(k - 1)], reference(1, 30 * k)) << "tick " << k;
    EXPECT_NE(reference(1, 240), resting);
}

TEST_F(TitleButtonFade, MovingToTheNeighbourFadesOneOutAndTheOtherInTogether) {
    move_to(1);
    ASSERT_TRUE(run_fade_ticks(window_, 8));
    move_to(2);
    std::vector<std::vector<COLORREF>> left, entered;
    ASSERT_TRUE(run_fade_ticks(window_, 8, [&](int) {
        left.push_back(pixels(1));
        entered.push_back(pixels(2));
    }));
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(entered[static_cast<size_t>(k - 1)], reference(2, 30 * k));
        EXPECT_EQ(left[static_cast<size_t>(k - 1)], reference(1, 240 - 30 * k));
    }
}

TEST_F(TitleButtonFade, AQuickMoveBackFinishesTheUnfinishedFadeOutAtOnce) {
    move_to(1);
    ASSERT_TRUE(run_fade_ticks(window_, 8));
    move_to(2);
    ASSERT_TRUE(run_fade_ticks(window_, 3)); // button 1 is halfway out, button 2 halfway in
    move_to(1);
    const std::vector<COLORREF> at_once = pixels(1);
    std::vector<COLORREF> first_tick_1, first_tick_2;
    ASSERT_TRUE(run_fade_ticks(window_, 1, [&](int) {
        first_tick_1 = pixels(1);
        first_tick_2 = pixels(2);
    }));
    EXPECT_EQ(at_once, reference(1, 0));
    EXPECT_EQ(first_tick_1, reference(1, 30));  // button 1 fades in again from the start
    EXPECT_EQ(first_tick_2, reference(2, 210)); // button 2 fades out from the top
}

TEST_F(TitleButtonFade, LeavingTheStripFadesTheButtonOutAndStopsTheTimer) {
    move_to(2);
    ASSERT_TRUE(run_fade_ticks(window_, 8));
    move_to_body();
    std::vector<std::vector<COLORREF>> seen;
    ASSERT_TRUE(run_fade_ticks(window_, 8, [&](int) { seen.push_back(pixels(2)); }));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(seen[static_cast<size_t>(k - 1)], reference(2, 240 - 30 * k)) << "tick " << k;
    EXPECT_FALSE(timer_running());
    EXPECT_FALSE(record(number_).fade_timer_on);
    EXPECT_EQ(record(number_).hot_button, 0);
}

TEST_F(TitleButtonFade, LeavingTheWindowMidFadeRestsTheLeftButtonAndFadesTheHotOneOut) {
    move_to(1);
    ASSERT_TRUE(run_fade_ticks(window_, 8));
    move_to(2);
    ASSERT_TRUE(run_fade_ticks(window_, 2));
    SendMessageW(window_, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(pixels(1), reference(1, 0));
    EXPECT_FALSE(record(number_).mouse_inside);
    std::vector<std::vector<COLORREF>> seen;
    ASSERT_TRUE(run_fade_ticks(window_, 8, [&](int) { seen.push_back(pixels(2)); }));
    for (int k = 1; k <= 8; ++k)
        EXPECT_EQ(seen[static_cast<size_t>(k - 1)], reference(2, 240 - 30 * k)) << "tick " << k;
    EXPECT_FALSE(timer_running());
}

// A shown window whose strip holds two custom buttons that count their runs, then the close button.
class TitleButtonPress : public SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        number_ = skinned(400, 300);
        window_ = handle(number_);
        show(window_);
        SendMessageW(window_, WM_MOUSEHOVER, 0, 0);
        const ByteArray picture = testing_support::plain_picture(26, 18, testing_support::kGreen);
        skin->add_title_button(window_, picture, "甲", [this] { ++runs_[1]; }); // ends up second
        skin->add_title_button(window_, picture, "乙", [this] { ++runs_[0]; }); // first
    }
    void send(UINT message, LPARAM point) {
        SendMessageW(window_, message, message == WM_MOUSEMOVE ? 0 : MK_LBUTTON, point);
    }

    int number_ = 0;
    HWND window_ = nullptr;
    int runs_[2] = {0, 0}; // of buttons 1 and 2
};

TEST_F(TitleButtonPress, ReleaseRunsTheCommandOfTheLatestHit) {
    const LPARAM first = button_centre(number_, 1), second = button_centre(number_, 2);
    const LPARAM body = mouse_at(200, 150);
    struct Step {
        const char* name;
        LPARAM press, move; // move 0: no move between press and release
        int runs_first, runs_second;
    };
    for (const Step& step : {Step{"press and release on one button", first, 0, 1, 0},
                             Step{"press on one, release on the other", first, second, 0, 1},
                             Step{"press in the body, release on a button", body, first, 1, 0},
                             Step{"press on a button, release in the body", first, body, 0, 0}}) {
        SCOPED_TRACE(step.name);
        runs_[0] = runs_[1] = 0;
        send(WM_MOUSEMOVE, step.press);
        send(WM_LBUTTONDOWN, step.press);
        if (step.move)
            send(WM_MOUSEMOVE, step.move);
        send(WM_LBUTTONUP, step.move ? step.move : step.press);
        EXPECT_EQ(runs_[0], step.runs_first);
        EXPECT_EQ(runs_[1], step.runs_second);
    }
}

TEST_F(TitleButtonPress, APressDrawsThePressedLookAndAnUnframedWindowRunsNothing) {
    const std::vector<COLORREF> resting = button_pixels(number_, 1);
    send(WM_LBUTTONDOWN, button_centre(number_, 1));
    EXPECT_NE(button_pixels(number_, 1), resting);
    send(WM_LBUTTONUP, button_centre(number_, 1));
    EXPECT_EQ(runs_[0], 1);
    record(number_).framed = false;
    send(WM_MOUSEMOVE, button_centre(number_, 2));
    send(WM_LBUTTONDOWN, button_centre(number_, 2));
    send(WM_LBUTTONUP, button_centre(number_, 2));
    EXPECT_EQ(runs_[0], 1);
    EXPECT_EQ(runs_[1], 0);
}

TEST_F(TitleButtonPress, TheCloseButtonClosesTheWindowAndReleasesItsRecord) {
    const LPARAM close = button_centre(number_, 3);
    send(WM_MOUSEMOVE, close);
    send(WM_LBUTTONDOWN, close);
    send(WM_LBUTTONUP, close);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(window_count(), 0);
}

struct DoubleClickCase {
    const char* name;
    bool resizable;
    DWORD boxes;
    int y;
    bool maximises;
};

void PrintTo(const DoubleClickCase& c, std::ostream* out) {
    *out << c.name;
}

class CaptionDoubleClick : public SkinnedFrameTest, public testing::WithParamInterface<DoubleClickCase> {};

TEST_P(CaptionDoubleClick, MaximisesOnlyAResizableWindowWithAMaximiseButton) {
    SkinWindowOptions options;
    options.resizable = GetParam().resizable;
    const int number = skinned(300, 200, GetParam().boxes, options);
    HWND window = handle(number);
    show(window);
    SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, mouse_at(60, GetParam().y));
    EXPECT_EQ(record(number).maximized, GetParam().maximises);
    EXPECT_EQ(IsZoomed(window) != FALSE, GetParam().maximises);
    if (GetParam().maximises) {
        SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, mouse_at(60, GetParam().y));
        EXPECT_FALSE(record(number).maximized);
        EXPECT_FALSE(IsZoomed(window));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CaptionDoubleClick,
    testing::Values(DoubleClickCase{"resizable_in_the_caption", true, WS_MAXIMIZEBOX, 10, true},
                    DoubleClickCase{"resizable_on_the_caption_edge", true, WS_MAXIMIZEBOX, 25, true},
                    DoubleClickCase{"resizable_below_the_caption", true, WS_MAXIMIZEBOX, 26, false},
                    DoubleClickCase{"fixed_size", false, WS_MAXIMIZEBOX, 10, false},
                    DoubleClickCase{"no_maximise_button", true, WS_MINIMIZEBOX, 10, false}),
    [](const testing::TestParamInfo<DoubleClickCase>& info) { return std::string(info.param.name); });

TEST_F(SkinnedFrameTest, OnlyTheFirstSizeChangeLeavesTheRenderOut) {
    const int first = skinned(300, 200);
    const int second = skinned(300, 200);
    ASSERT_TRUE(record(first).needs_render);
    record(first).hot_button = 2;
    SetWindowPos(handle(first), nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(record(first).needs_render);
    EXPECT_EQ(record(first).hot_button, 0);
    EXPECT_EQ(first_size_pending, 0);
    SetWindowPos(handle(first), nullptr, 0, 0, 330, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(record(first).needs_render);
    // The pending first size is one for the whole skin, not one per window.
    record(second).needs_render = false;
    SetWindowPos(handle(second), nullptr, 0, 0, 320, 210, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(record(second).needs_render);
    // A size change moves the strip to the new right end.
    EXPECT_EQ(record(first).strip_x, 330 - record(first).strip_width + 1);
}

TEST_F(SkinnedFrameTest, SystemCommandsAndTitleButtonsKeepTheWindowState) {
    const int number = skinned(300, 200, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    HWND window = handle(number);
    SkinnedWindow& r = record(number);
    show(window);
    first_size_pending = 0;
    r.needs_render = false;
    skin->run_title_button(number, 1); // minimise
    EXPECT_TRUE(r.minimized);
    EXPECT_TRUE(r.needs_render);
    EXPECT_TRUE(IsIconic(window));
    r.needs_render = false;
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(r.minimized);
    EXPECT_TRUE(r.needs_render);
    EXPECT_FALSE(IsIconic(window));
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(r.minimized);
    SendMessageW(window, WM_QUERYOPEN, 0, 0);
    EXPECT_FALSE(r.minimized);
    skin->run_title_button(number, 2); // maximise
    EXPECT_TRUE(r.maximized);
    EXPECT_TRUE(IsZoomed(window));
    skin->run_title_button(number, 2); // restore
    EXPECT_FALSE(r.maximized);
    EXPECT_FALSE(IsZoomed(window));
    skin->run_title_button(number, 0);
    skin->run_title_button(number, 4);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(SkinnedFrameTest, MenuAndHelpButtonsRunTheirRoutinesWhenSet) {
    SkinWindowOptions options;
    options.help_button = true;
    options.menu_button = true;
    const int number = skinned(300, 200, 0, options);
    skin->run_title_button(number, 1); // no routines yet: nothing happens
    skin->run_title_button(number, 2);
    int help = 0, menu = 0;
    skin->set_help_handler(handle(number), [&] { ++help; });
    skin->set_menu_handler(handle(number), [&] { ++menu; });
    skin->run_title_button(number, 1);
    EXPECT_EQ(help, 1);
    EXPECT_EQ(menu, 0);
    skin->run_title_button(number, 2);
    EXPECT_EQ(menu, 1);
}

// A taskbar of the test's own, 40 pixels high at the bottom of the screen: wine has none or a hidden one without
// height. Made last, it lies above any other and is the one found.
class WithTaskbar : public SkinnedFrameTest {
protected:
    void SetUp() override {
        SkinnedFrameTest::SetUp();
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = DefWindowProcW;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"Shell_TrayWnd";
        RegisterClassW(&window_class);
        taskbar_ = CreateWindowExW(WS_EX_NOACTIVATE, L"Shell_TrayWnd", L"", WS_POPUP, 0, screen_height() - 40,
                                   screen_width(), 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(taskbar_, nullptr);
        ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), taskbar_);
    }
    void TearDown() override {
        DestroyWindow(taskbar_);
        SkinnedFrameTest::TearDown();
    }
    static int screen_width() { return GetSystemMetrics(SM_CXSCREEN); }
    static int screen_height() { return GetSystemMetrics(SM_CYSCREEN); }

    static constexpr int kTaskbarHeight = 40;
    HWND taskbar_ = nullptr;
};

TEST_F(WithTaskbar, AWindowGrownToTheFullScreenLeavesTheTaskbarFree) {
    const int number = skinned(300, 200, WS_MAXIMIZEBOX);
    HWND window = handle(number);
    SetWindowPos(window, nullptr, 0, 0, screen_width(), screen_height(), SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(record(number).maximized);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, screen_width());
    EXPECT_EQ(rect.bottom - rect.top, screen_height() - kTaskbarHeight);
    EXPECT_EQ(record(number).strip_x, screen_width() - record(number).strip_width + 1);

    // Without a maximise button the window keeps the size it was given.
    const int fixed = skinned(300, 200);
    SetWindowPos(handle(fixed), nullptr, 0, 0, screen_width(), screen_height(), SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(record(fixed).maximized);
    GetWindowRect(handle(fixed), &rect);
    EXPECT_EQ(rect.bottom - rect.top, screen_height());
}

TEST_F(WithTaskbar, TrackingSizesFollowTheRecordAndTheTaskbarWhenMaximised) {
    const int number = skinned(300, 200, WS_MAXIMIZEBOX);
    SkinnedWindow& r = record(number);
    r.min_track_width = 210;
    r.min_track_height = 160;
    r.max_track_width = 800;
    r.max_track_height = 600;
    MINMAXINFO info{};
    info.ptMaxSize = {1234, 567};
    SendMessageW(r.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, 800);
    EXPECT_EQ(info.ptMaxTrackSize.y, 600);
    EXPECT_EQ(info.ptMinTrackSize.x, 210);
    EXPECT_EQ(info.ptMinTrackSize.y, 160);
    EXPECT_EQ(info.ptMaxSize.x, 1234); // the maximised size is left alone
    r.maximized = true;
    SendMessageW(r.window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, screen_width());
    EXPECT_EQ(info.ptMaxTrackSize.y, screen_height() - kTaskbarHeight);
}

enum class Answer { Picture, Hollow, Forwarded };

struct ColourCase {
    const char* name;
    UINT message;
    const wchar_t* control_class;
    DWORD style;
    bool from_combo_box; // the combo box's own edit or drop-down list instead
    int skin_controls, transparent;
    Answer answer;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.name;
}

class ColourMessages : public SkinnedFrameTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(ColourMessages, AnswerWithTheBackdropTheHollowBrushOrPassOn) {
    const ColourCase& c = GetParam();
    const int number = skinned(300, 200);
    HWND window = handle(number);
    skin->paint_window(number, nullptr, false);
    HWND control = child(window, c.control_class, c.style, 10, 40, 120, 60);
    if (c.from_combo_box) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(control, &info));
        control = c.message == WM_CTLCOLOREDIT ? info.hwndItem : info.hwndList;
    }
    skin_controls_enabled = c.skin_controls;
    transparent_controls = c.transparent;
    props::set_number(control, props::kTextColour, RGB(1, 2, 3));
    testing_support::MemoryImage image(10, 10);
    HDC dc = image.dc();
    SetTextColor(dc, RGB(200, 200, 200));
    SetBkMode(dc, OPAQUE);
    const long held = gdi::live_objects();
    const LRESULT result =
        SendMessageW(window, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const auto brush = props::get_handle<HGDIOBJ>(control, props::kColourBrush);
    const auto bitmap = props::get_handle<HGDIOBJ>(control, props::kColourBitmap);
    switch (c.answer) {
    case Answer::Picture:
        EXPECT_EQ(result, reinterpret_cast<LRESULT>(brush));
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
        EXPECT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        EXPECT_EQ(gdi::live_objects(), held + 2);
        break;
    case Answer::Hollow:
        EXPECT_EQ(result, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
        EXPECT_EQ(bitmap, nullptr);
        EXPECT_EQ(gdi::live_objects(), held);
        break;
    case Answer::Forwarded:
        EXPECT_EQ(result, kOwnAnswer);
        EXPECT_EQ(brush, nullptr);
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        break;
    }
    if (c.answer != Answer::Forwarded) {
        EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ColourMessages,
    testing::Values(
        ColourCase{"edit", WM_CTLCOLOREDIT, L"Edit", 0, false, 1, 1, Answer::Picture},
        ColourCase{"combo_box_edit", WM_CTLCOLOREDIT, L"ComboBox", CBS_DROPDOWN, true, 1, 1, Answer::Forwarded},
        ColourCase{"label", WM_CTLCOLORSTATIC, L"Static", 0, false, 1, 1, Answer::Picture},
        ColourCase{"list_box", WM_CTLCOLORLISTBOX, L"ListBox", 0, false, 1, 1, Answer::Hollow},
        ColourCase{"owner_drawn_list_box", WM_CTLCOLORLISTBOX, L"ListBox", LBS_OWNERDRAWFIXED, false, 1, 1,
                   Answer::Forwarded},
        ColourCase{"combo_box_list", WM_CTLCOLORLISTBOX, L"ComboBox", CBS_DROPDOWN, true, 1, 1, Answer::Forwarded},
        ColourCase{"button", WM_CTLCOLORBTN, L"Button", 0, false, 1, 1, Answer::Hollow},
        ColourCase{"label_without_transparency", WM_CTLCOLORSTATIC, L"Static", 0, false, 1, 0, Answer::Forwarded},
        ColourCase{"edit_without_transparency", WM_CTLCOLOREDIT, L"Edit", 0, false, 1, 0, Answer::Forwarded},
        ColourCase{"button_with_controls_unskinned", WM_CTLCOLORBTN, L"Button", 0, false, 0, 1, Answer::Forwarded},
        ColourCase{"list_box_with_controls_unskinned", WM_CTLCOLORLISTBOX, L"ListBox", 0, false, 0, 1,
                   Answer::Forwarded}),
    [](const testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

TEST_F(SkinnedFrameTest, EachAnswerGivesBackTheObjectsOfTheLastOne) {
    transparent_controls = 1;
    testing_support::MemoryImage image(10, 10);
    const long at_start = gdi::live_objects();
    const int number = skinned(300, 200);
    HWND window = handle(number);
    skin->paint_window(number, nullptr, false);
    HWND label = child(window, L"Static", 0, 10, 40, 120, 30);
    const auto answer = [&](UINT message) {
        return SendMessageW(window, message, reinterpret_cast<WPARAM>(image.dc()), reinterpret_cast<LPARAM>(label));
    };
    const long before = gdi::live_objects();
    answer(WM_CTLCOLORSTATIC);
    const auto first_brush = props::get_handle<HGDIOBJ>(label, props::kColourBrush);
    const auto first_bitmap = props::get_handle<HGDIOBJ>(label, props::kColourBitmap);
    for (int i = 0; i < 20; ++i)
        answer(WM_CTLCOLORSTATIC);
    EXPECT_EQ(GetObjectType(first_brush), 0u);
    EXPECT_EQ(GetObjectType(first_bitmap), 0u);
    EXPECT_EQ(gdi::live_objects(), before + 2);
    // A hollow answer gives back the pattern brush; the bitmap stays until the next picture answer.
    const auto pattern = props::get_handle<HGDIOBJ>(label, props::kColourBrush);
    answer(WM_CTLCOLORBTN);
    EXPECT_EQ(GetObjectType(pattern), 0u);
    EXPECT_EQ(gdi::live_objects(), before + 1);
    answer(WM_CTLCOLORSTATIC);
    EXPECT_EQ(gdi::live_objects(), before + 2);
    // A label destroyed before its window has its objects given back with the window.
    const auto last_brush = props::get_handle<HGDIOBJ>(label, props::kColourBrush);
    DestroyWindow(label);
    EXPECT_NE(GetObjectType(last_brush), 0u);
    DestroyWindow(window);
    EXPECT_EQ(GetObjectType(last_brush), 0u);
    EXPECT_EQ(gdi::live_objects(), at_start);
}

struct CommandCase {
    const char* name;
    const wchar_t* control_class;
    DWORD style;
    UINT message; // WM_COMMAND or WM_NOTIFY
    UINT code;
    bool invalidated;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class ChangedControls : public SkinnedFrameTest, public testing::WithParamInterface<CommandCase> {};

// Transparent controls that scroll or change are repainted whole over the window's image.
TEST_P(ChangedControls, AreRepaintedOnTheirNotifications) {
    const CommandCase& c = GetParam();
    transparent_controls = 1;
    const int number = skinned(300, 200);
    HWND window = handle(number);
    show(window);
    HWND control = child(window, c.control_class, c.style, 10, 40, 120, 60);
    UpdateWindow(control);
    ValidateRect(control, nullptr);
    if (c.message == WM_COMMAND) {
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(100, c.code), reinterpret_cast<LPARAM>(control));
    } else {
        NMHDR header{control, 100, c.code};
        SendMessageW(window, WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header));
    }
    EXPECT_EQ(GetUpdateRect(control, nullptr, FALSE) != FALSE, c.invalidated);
}

INSTANTIATE_TEST_SUITE_P(
    Notifications, ChangedControls,
    testing::Values(CommandCase{"edit_changed", L"Edit", 0, WM_COMMAND, EN_CHANGE, true},
                    CommandCase{"edit_updated", L"Edit", 0, WM_COMMAND, EN_UPDATE, true},
                    CommandCase{"edit_scrolled", L"Edit", ES_MULTILINE, WM_COMMAND, EN_VSCROLL, true},
                    CommandCase{"edit_scrolled_sideways", L"Edit", 0, WM_COMMAND, EN_HSCROLL, true},
                    CommandCase{"edit_focused", L"Edit", 0, WM_COMMAND, EN_SETFOCUS, false},
                    CommandCase{"list_box_selection", L"ListBox", 0, WM_COMMAND, LBN_SELCHANGE, true},
                    CommandCase{"list_box_cancel", L"ListBox", 0, WM_COMMAND, LBN_SELCANCEL, true},
                    CommandCase{"list_box_double_click", L"ListBox", 0, WM_COMMAND, LBN_DBLCLK, false},
                    CommandCase{"combo_box_selection", L"ComboBox", CBS_DROPDOWNLIST, WM_COMMAND, CBN_SELCHANGE, true},
                    CommandCase{"combo_box_lost_focus", L"ComboBox", CBS_DROPDOWNLIST, WM_COMMAND, CBN_KILLFOCUS, true},
                    CommandCase{"combo_box_dropped_down", L"ComboBox", CBS_DROPDOWNLIST, WM_COMMAND, CBN_DROPDOWN,
                                false},
                    CommandCase{"button_clicked", L"Button", 0, WM_COMMAND, BN_CLICKED, false},
                    CommandCase{"tree_expanded", WC_TREEVIEWW, 0, WM_NOTIFY, TVN_ITEMEXPANDEDW, true},
                    CommandCase{"tree_expanding_ansi", WC_TREEVIEWW, 0, WM_NOTIFY, TVN_ITEMEXPANDINGA, true},
                    CommandCase{"tree_selection", WC_TREEVIEWW, 0, WM_NOTIFY, TVN_SELCHANGEDW, false}),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

TEST_F(SkinnedFrameTest, OpaqueControlsAreNotRepaintedOnChange) {
    const int number = skinned(300, 200);
    HWND window = handle(number);
    show(window);
    HWND edit = child(window, L"Edit", 0, 10, 40, 120, 24);
    UpdateWindow(edit);
    ValidateRect(edit, nullptr);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(100, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    EXPECT_FALSE(GetUpdateRect(edit, nullptr, FALSE));
}

} // namespace
} // namespace pantrove
