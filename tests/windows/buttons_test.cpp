#include "skin/controls/buttons.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"
#include "tests/windows/control_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::paint_marker;
using testing_support::pump;
using testing_support::RecordingProcedure;
using testing_support::window_pixel;

constexpr COLORREF kTheme = RGB(200, 30, 30);
constexpr COLORREF kMarker = RGB(0, 0, 255);
constexpr COLORREF kTickedBorder = RGB(24, 81, 132);

class ButtonsTest : public testing_support::SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        theme_colour = kTheme;
    }

    // Number of the button's entry, 0 when it is not registered.
    int entry_number(HWND control) { return record().button_list.find_handle(control); }
    ButtonEntry& entry(HWND control) { return record().button_list[entry_number(control)]; }

    // A check box or radio button is drawn at its left edge: its box, or ring, is 13 pixels tall and centred.
    static int box_top(HWND control) {
        RECT client{};
        GetClientRect(control, &client);
        return (client.bottom - 13) / 2;
    }
};

TEST_F(ButtonsTest, PushButtonsBecomeOwnerDrawnEntriesWithCaptionAndFont) {
    HWND resolve = button(window, BS_PUSHBUTTON, 10, 10, 100, 26, L"百度云解析");
    HWND swap = button(window, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 50, 100, 26, L"换肤");
    HFONT font = CreateFontW(-15, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    SendMessageW(resolve, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    const auto class_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(resolve, GWLP_WNDPROC));

    skin_push_buttons(number, window);

    ASSERT_EQ(entry_number(resolve), 1);
    ASSERT_EQ(entry_number(swap), 2);
    const ButtonEntry& first = entry(resolve);
    EXPECT_EQ(first.kind, ButtonKind::push);
    EXPECT_EQ(first.caption, "百度云解析");
    EXPECT_EQ(first.previous_proc, class_proc);
    EXPECT_FALSE(first.font_face.empty());
    EXPECT_EQ(first.font_size, 15);
    EXPECT_EQ(first.font_style & Gdiplus::FontStyleBold, Gdiplus::FontStyleBold);
    EXPECT_EQ(entry(swap).caption, "换肤");
    for (HWND control : {resolve, swap}) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
        EXPECT_TRUE(is_subclassed_with(control, button_proc));
        EXPECT_EQ(props::get_proc(control, props::kPreviousProc), class_proc);
        EXPECT_EQ(props::get_int(control, props::kWindowNumber), number);
    }
    EXPECT_EQ(GetWindowLongPtrW(swap, GWL_STYLE) & WS_TABSTOP, WS_TABSTOP);
    DestroyWindow(resolve);
    DeleteObject(font);
}

struct FontCase {
    const char* name;
    ControlFont read;
    ControlFont drawn;
};

void PrintTo(const FontCase& c, std::ostream* out) {
    *out << c.name;
}

class PushButtonFontTest : public testing::TestWithParam<FontCase> {};

TEST_P(PushButtonFontTest, AnEmptyFaceIsSongTiAndASizeOfZeroIsTwelve) {
    const ControlFont drawn = push_button_font(GetParam().read);
    EXPECT_EQ(drawn.face, GetParam().drawn.face);
    EXPECT_EQ(drawn.size, GetParam().drawn.size);
    EXPECT_EQ(drawn.style, GetParam().drawn.style);
}

INSTANTIATE_TEST_SUITE_P(Cases, PushButtonFontTest,
                         testing::Values(FontCase{"Unreadable", {"", 0, 0}, {"宋体", 12, 0}},
                                         FontCase{"NoFace", {"", 15, 1}, {"宋体", 15, 1}},
                                         FontCase{"NoSize", {"Tahoma", 0, 2}, {"Tahoma", 12, 2}},
                                         FontCase{"Complete", {"Tahoma", 9, 3}, {"Tahoma", 9, 3}}),
                         [](const testing::TestParamInfo<FontCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonsTest, APushButtonWithAnUnusableFontIsDrawnInSongTiTwelve) {
    HWND control = button(window, BS_PUSHBUTTON, 10, 10, 100, 30, L"换肤");
    skin_push_buttons(number, window);
    ButtonEntry& skinned = entry(control);
    props::set_number(control, props::kTextColour, static_cast<INT_PTR>(RGB(0, 0, 255)));
    const auto caption_pixels = [&] {
        testing_support::MemoryImage image(100, 30);
        paint_push_button(control, image.dc(), 0, RECT{0, 0, 100, 30});
        return testing_support::snapshot(image.dc(), 100, 30).count([](COLORREF c) {
            return GetBValue(c) > 200 && GetRValue(c) < 100 && GetGValue(c) < 100;
        });
    };
    const ControlFont defaults = push_button_font({});
    skinned.font_face = defaults.face;
    skinned.font_size = defaults.size;
    skinned.font_style = defaults.style;
    EXPECT_GT(caption_pixels(), 10);
    // What an unreadable font would leave without the defaults: no caption at all.
    skinned.font_face.clear();
    EXPECT_EQ(caption_pixels(), 0);
}

struct StyleCase {
    const char* name;
    DWORD style;
    std::optional<ButtonKind> kind; // none: left alone
};

void PrintTo(const StyleCase& c, std::ostream* out) {
    *out << c.name;
}

class ButtonStyleTest : public ButtonsTest, public testing::WithParamInterface<StyleCase> {};

TEST_P(ButtonStyleTest, TheButtonTypeDecidesWhetherAndHowAButtonIsSkinned) {
    const StyleCase& c = GetParam();
    HWND control = button(window, c.style, 10, 10, 120, 26, L"按钮");
    const LONG_PTR procedure = GetWindowLongPtrW(control, GWLP_WNDPROC);
    skin_child_controls(number, window);
    if (!c.kind) {
        EXPECT_EQ(entry_number(control), 0);
        EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), procedure);
        EXPECT_EQ(GetPropW(control, props::kOwnNumber), nullptr);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK, c.style);
        return;
    }
    ASSERT_EQ(entry_number(control), 1);
    EXPECT_EQ(entry(control).kind, *c.kind);
    EXPECT_TRUE(is_subclassed_with(control, button_proc));
    const DWORD type = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & BS_TYPEMASK;
    EXPECT_EQ(type, *c.kind == ButtonKind::push ? static_cast<DWORD>(BS_OWNERDRAW) : c.style)
        << "only push buttons become owner-drawn";
}

INSTANTIATE_TEST_SUITE_P(Types, ButtonStyleTest,
                         testing::Values(StyleCase{"PushButton", BS_PUSHBUTTON, ButtonKind::push},
                                         StyleCase{"DefaultPushButton", BS_DEFPUSHBUTTON, ButtonKind::push},
                                         StyleCase{"UserButton", BS_USERBUTTON, ButtonKind::push},
                                         StyleCase{"CheckBox", BS_CHECKBOX, ButtonKind::check_box},
                                         StyleCase{"AutoCheckBox", BS_AUTOCHECKBOX, ButtonKind::check_box},
                                         StyleCase{"PushBox", BS_PUSHBOX, ButtonKind::check_box},
                                         StyleCase{"AutoRadioButton", BS_AUTORADIOBUTTON, ButtonKind::radio},
                                         StyleCase{"PlainRadioButton", BS_RADIOBUTTON, std::nullopt},
                                         StyleCase{"ThreeState", BS_3STATE, std::nullopt},
                                         StyleCase{"AutoThreeState", BS_AUTO3STATE, std::nullopt},
                                         StyleCase{"GroupBox", BS_GROUPBOX, std::nullopt},
                                         StyleCase{"OwnerDrawn", BS_OWNERDRAW, std::nullopt},
                                         StyleCase{"SplitButton", 0xC, std::nullopt},
                                         StyleCase{"DefaultCommandLink", 0xF, std::nullopt}),
                         [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonsTest, CheckBoxesAndRadioButtonsKeepTheirParentTheirCheckStateAtSetupAndTheirFontAsRead) {
    HWND ticked = button(window, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"记住");
    HWND radio = button(window, BS_AUTORADIOBUTTON, 10, 40, 120, 20, L"选项");
    SendMessageW(ticked, BM_SETCHECK, BST_CHECKED, 0);
    HFONT font = CreateFontW(-13, 0, 0, 0, FW_NORMAL, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体");
    SendMessageW(radio, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);

    skin_check_and_radio_buttons(number, window);

    EXPECT_EQ(entry(ticked).kind, ButtonKind::check_box);
    EXPECT_TRUE(entry(ticked).checked_at_setup);
    EXPECT_EQ(entry(ticked).parent, window);
    EXPECT_EQ(entry(ticked).caption, "记住");
    EXPECT_EQ(entry(radio).kind, ButtonKind::radio);
    EXPECT_FALSE(entry(radio).checked_at_setup);
    const ControlFont read = read_control_font(radio);
    EXPECT_EQ(entry(radio).font_face, read.face);
    EXPECT_EQ(entry(radio).font_size, 13);
    EXPECT_EQ(entry(radio).font_style & Gdiplus::FontStyleItalic, Gdiplus::FontStyleItalic);
    DestroyWindow(radio);
    DeleteObject(font);
}

TEST_F(ButtonsTest, SkinningAParentAgainRegistersNoButtonTwice) {
    HWND push = button(window, BS_PUSHBUTTON, 10, 10, 100, 26, L"解析");
    HWND check = button(window, BS_AUTOCHECKBOX, 10, 50, 120, 20, L"记住");
    skin_child_controls(number, window);
    skin_child_controls(number, window);
    EXPECT_EQ(record().button_list.count(), 2);
    EXPECT_EQ(entry_number(push), 1);
    EXPECT_EQ(entry_number(check), 2);
    // A second subclassing would have made button_proc its own previous procedure: every message would loop.
    EXPECT_NE(props::get_proc(check, props::kPreviousProc), &button_proc);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

// Clicks as the system sends them for a double click.
void double_click(HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, testing_support::point(5, 5));
    SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, testing_support::point(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, testing_support::point(5, 5));
}

TEST_F(ButtonsTest, ADoubleClickTogglesACheckBoxOnce) {
    HWND skinned = button(window, BS_AUTOCHECKBOX, 10, 10, 120, 20, L"皮肤");
    skin_check_and_radio_buttons(number, window);
    HWND plain = button(window, BS_AUTOCHECKBOX, 10, 40, 120, 20, L"系统");
    double_click(skinned);
    double_click(plain);
    EXPECT_EQ(SendMessageW(skinned, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(plain, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "the system counts two clicks";
}

struct OrderCase {
    const char* name;
    DWORD style;
    UINT message;
    WPARAM wparam;
    bool skin_repaints;
};

void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << c.name;
}

class ButtonMessageOrderTest : public ButtonsTest, public testing::WithParamInterface<OrderCase> {};

// The button's own procedure, which draws its own look, acts first; the skin then draws over it.
TEST_P(ButtonMessageOrderTest, TheButtonsOwnProcedureGoesFirstAndTheSkinPaintsLast) {
    const OrderCase& c = GetParam();
    HWND control = button(window, c.style, 20, 20, 120, 20, L"选项");
    pump();
    RecordingProcedure own(control);
    own.paint_after = {c.message};
    skin_check_and_radio_buttons(number, window);

    SendMessageW(control, c.message, c.wparam, testing_support::point(5, 5));
    EXPECT_TRUE(own.received(c.message));
    const COLORREF edge = window_pixel(control, 0, box_top(control) + 6);
    if (c.skin_repaints)
        EXPECT_NE(edge, kMarker);
    else
        EXPECT_EQ(edge, kMarker) << "passed on only";
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonMessageOrderTest,
                         testing::Values(OrderCase{"CheckBoxSetCheck", BS_AUTOCHECKBOX, BM_SETCHECK, BST_CHECKED, true},
                                         OrderCase{"CheckBoxPress", BS_AUTOCHECKBOX, WM_LBUTTONDOWN, MK_LBUTTON, true},
                                         OrderCase{"CheckBoxSpace", BS_AUTOCHECKBOX, WM_KEYDOWN, VK_SPACE, true},
                                         OrderCase{"CheckBoxOtherKey", BS_AUTOCHECKBOX, WM_KEYDOWN, 'A', false},
                                         OrderCase{"RadioSetCheck", BS_AUTORADIOBUTTON, BM_SETCHECK, BST_CHECKED, true},
                                         OrderCase{"RadioSpace", BS_AUTORADIOBUTTON, WM_KEYDOWN, VK_SPACE, true}),
                         [](const testing::TestParamInfo<OrderCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonsTest, AfterTheSpaceBarTheBoxShowsTheCheckStateTheButtonHasThen) {
    HWND control = button(window, BS_AUTOCHECKBOX, 20, 20, 120, 20, L"记住");
    skin_check_and_radio_buttons(number, window);
    const int edge = box_top(control) + 6;
    SendMessageW(control, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_NE(window_pixel(control, 0, edge), kTickedBorder) << "the key press alone ticks nothing";
    SendMessageW(control, WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(SendMessageW(control, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(window_pixel(control, 0, edge), kTickedBorder);
}

struct PassCase {
    const char* name;
    DWORD style;
    UINT message;
    bool passed_on;
};

void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class ButtonPassingTest : public ButtonsTest, public testing::WithParamInterface<PassCase> {};

TEST_P(ButtonPassingTest, WhatTheSkinFinishesNeverReachesTheButtonsOwnProcedure) {
    const PassCase& c = GetParam();
    HWND control = button(window, c.style, 20, 20, 120, 24, L"按钮");
    RecordingProcedure own(control);
    skin_child_controls(number, window);
    own.forget();
    SendMessageW(control, c.message, 0, 0);
    EXPECT_EQ(own.received(c.message), c.passed_on);
}

INSTANTIATE_TEST_SUITE_P(Cases, ButtonPassingTest,
                         testing::Values(PassCase{"DoubleClick", BS_AUTOCHECKBOX, WM_LBUTTONDBLCLK, false},
                                         PassCase{"PushButtonDoubleClick", BS_PUSHBUTTON, WM_LBUTTONDBLCLK, false},
                                         PassCase{"NonClientPaint", BS_PUSHBUTTON, WM_NCPAINT, false},
                                         PassCase{"CheckBoxPaint", BS_AUTOCHECKBOX, WM_PAINT, false},
                                         PassCase{"RadioPaint", BS_AUTORADIOBUTTON, WM_PAINT, false},
                                         PassCase{"PushButtonPaint", BS_PUSHBUTTON, WM_PAINT, true},
                                         PassCase{"EraseBackground", BS_AUTOCHECKBOX, WM_ERASEBKGND, false},
                                         PassCase{"Focus", BS_AUTOCHECKBOX, WM_SETFOCUS, true},
                                         PassCase{"Release", BS_PUSHBUTTON, WM_LBUTTONUP, true},
                                         PassCase{"MouseMove", BS_PUSHBUTTON, WM_MOUSEMOVE, true},
                                         PassCase{"MouseLeave", BS_AUTOCHECKBOX, WM_MOUSELEAVE, true},
                                         PassCase{"Move", BS_AUTORADIOBUTTON, WM_MOVE, true}),
                         [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonsTest, EraseBackgroundSetsTransparentTextInTheButtonsColourAndErasesNothing) {
    HWND control = button(window, BS_AUTOCHECKBOX, 20, 20, 120, 24, L"记住");
    skin_check_and_radio_buttons(number, window);
    props::set_number(control, props::kTextColour, static_cast<INT_PTR>(RGB(10, 20, 30)));
    testing_support::MemoryImage image(8, 8);
    testing_support::fill(image.dc(), 8, 8, kMarker);
    SetTextColor(image.dc(), RGB(1, 1, 1));
    SetBkMode(image.dc(), OPAQUE);
    EXPECT_EQ(SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0), RGB(1, 1, 1));
    EXPECT_EQ(GetBkMode(image.dc()), TRANSPARENT);
    EXPECT_EQ(GetTextColor(image.dc()), RGB(10, 20, 30));
    EXPECT_EQ(image.pixel(4, 4), kMarker);
    EXPECT_EQ(SendMessageW(control, WM_NCPAINT, 1, 0), 1);
}

TEST_F(ButtonsTest, CaptionAndFocusFollowTheirMessages) {
    HWND control = button(window, BS_PUSHBUTTON, 20, 20, 100, 26, L"旧");
    HWND other = button(window, BS_PUSHBUTTON, 20, 60, 100, 26, L"");
    skin_push_buttons(number, window);
    SetWindowTextW(control, L"新文字");
    EXPECT_EQ(entry(control).caption, "新文字");
    EXPECT_EQ(window_text(control), "新文字");
    SetFocus(control);
    EXPECT_TRUE(entry(control).focused);
    SetFocus(other);
    EXPECT_FALSE(entry(control).focused);
    EXPECT_TRUE(entry(other).focused);
}

class ButtonHoverTest : public ButtonsTest {
protected:
    void move(HWND control) { SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(4, 8)); }
    void leave(HWND control) { SendMessageW(control, WM_MOUSELEAVE, 0, 0); }
    // The middle of a push button's left edge, which is theme-coloured only in the hot look.
    static COLORREF edge(HWND control) { return window_pixel(control, 0, 13); }
};

TEST_F(ButtonHoverTest, APushButtonIsRepaintedHotOncePerVisitAndNormalWhenLeft) {
    HWND first = button(window, BS_PUSHBUTTON, 20, 20, 100, 26, L"百度云解析");
    HWND second = button(window, BS_PUSHBUTTON, 20, 60, 100, 26, L"微  云解析");
    skin_push_buttons(number, window);
    pump();

    move(first);
    EXPECT_EQ(edge(first), kTheme);
    EXPECT_EQ(record().hover_id, 1);
    EXPECT_EQ(record().hover_family, hover_family::buttons);
    paint_marker(first, kMarker);
    move(first);
    move(first);
    EXPECT_EQ(edge(first), kMarker) << "moving inside the button does not repaint it";

    // From one button to the next: the first is left and drawn normal, the second drawn hot.
    paint_marker(second, kMarker);
    leave(first);
    move(second);
    EXPECT_NE(edge(first), kMarker);
    EXPECT_NE(edge(first), kTheme);
    EXPECT_EQ(edge(second), kTheme);
    EXPECT_EQ(record().hover_id, 2);

    // A release makes the next move draw the hot look again.
    paint_marker(second, kMarker);
    SendMessageW(second, WM_LBUTTONUP, 0, testing_support::point(4, 8));
    EXPECT_EQ(record().hover_id, 0);
    move(second);
    EXPECT_EQ(edge(second), kTheme);
}

TEST_F(ButtonHoverTest, AButtonComingAfterAnotherFamilysHotControlOfTheSameNumberIsRepainted) {
    HWND control = button(window, BS_AUTOCHECKBOX, 20, 20, 120, 20, L"记住");
    skin_check_and_radio_buttons(number, window);
    record().hover_id = 1;
    record().hover_family = hover_family::edits;
    paint_marker(control, kMarker);
    move(control);
    EXPECT_NE(window_pixel(control, 6, box_top(control) + 6), kMarker);
    EXPECT_EQ(record().hover_family, hover_family::buttons);
}

TEST_F(ButtonHoverTest, AFocusedButtonLeftByThePointerKeepsItsFocusLook) {
    HWND control = button(window, BS_PUSHBUTTON, 20, 20, 100, 26, L"换肤");
    skin_push_buttons(number, window);
    SetFocus(control);
    move(control);
    leave(control);
    const testing_support::Snapshot left = testing_support::snapshot(control);
    testing_support::MemoryImage focused(100, 26);
    paint_push_button(control, focused.dc(), button_state::focused, RECT{0, 0, 100, 26});
    EXPECT_EQ(left, testing_support::snapshot(focused.dc(), 100, 26));
}

TEST_F(ButtonHoverTest, HundredsOfHoverAndPaintCyclesGiveBackEveryObject) {
    HWND push = button(window, BS_PUSHBUTTON, 20, 20, 100, 26, L"百度云解析");
    HWND check = button(window, BS_AUTOCHECKBOX, 20, 60, 120, 20, L"记住");
    HWND radio = button(window, BS_AUTORADIOBUTTON, 20, 90, 120, 20, L"选项");
    skin_child_controls(number, window);
    pump();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    for (int cycle = 0; cycle < 300; ++cycle) {
        for (HWND control : {push, check, radio}) {
            move(control);
            leave(control);
        }
        SendMessageW(check, BM_SETCHECK, cycle % 2 ? BST_CHECKED : BST_UNCHECKED, 0);
        SendMessageW(radio, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(5, 5));
        SendMessageW(radio, WM_LBUTTONUP, 0, testing_support::point(5, 5));
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
    // The paints really ran: the push button shows the skin's look, its corner the window image.
    EXPECT_EQ(window_pixel(push, 0, 0), behind(push, 0, 0));
}

} // namespace
} // namespace pantrove
