#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/text.h"
#include "skin/controls/combos.h"
#include "skin/controls/edits.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/drawing.h"
#include "tests/windows/edit_combo_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::kBlack;
using testing_support::kMarker;
using testing_support::kTheme;
using testing_support::kWhite;
using testing_support::mark_window;
using testing_support::near_colour;
using testing_support::over;
using testing_support::paint_marker;
using testing_support::pending_update;
using testing_support::pump;
using testing_support::RecordingProcedure;
using testing_support::Snapshot;
using testing_support::window_snapshot;

constexpr COLORREF kKey = RGB(255, 0, 255);

class CombosTest : public testing_support::EditComboTest {
protected:
    int entry_number(HWND control) { return record().combo_list.find_handle(control); }
    ComboEntry& entry(HWND control) { return record().combo_list[entry_number(control)]; }

    // The suffix chooser: a skinned combo box of the given style holding the four suffixes.
    HWND chooser(DWORD style, int width = 140) {
        HWND made = combo(window, style, 20, 20, width);
        add_items(made, {L".mp3", L".mp4", L".flv", L".rar"});
        SendMessageW(made, CB_SETCURSEL, 0, 0);
        skin_edits_and_combos(number, window);
        pump();
        return made;
    }

    void paint(HWND control, bool hot, std::optional<bool> focused = std::nullopt) {
        paint_combo_box(number, entry_number(control), hot, focused);
    }

    static SIZE size_of(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(CombosTest, RegistrationShowsTheSelectedItemInTheBoxOverTheApplicationsText) {
    HWND suffix = combo(window, CBS_DROPDOWN, 20, 20, 140);
    HWND unselected = combo(window, CBS_DROPDOWN, 20, 60, 140);
    add_items(suffix, {L".mp3", L".mp4", L".flv", L".rar"});
    add_items(unselected, {L".mp3", L".mp4"});
    SendMessageW(suffix, CB_SETCURSEL, 1, 0);
    set_window_text(suffix, "其他");
    set_window_text(unselected, "自定");
    ASSERT_EQ(window_text(suffix), "其他");
    const auto own_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(suffix, GWLP_WNDPROC));

    skin_child_controls(number, window);

    EXPECT_EQ(window_text(suffix), ".mp4");
    EXPECT_EQ(window_text(unselected), "自定") << "no selection, no change";
    ASSERT_EQ(entry_number(suffix), 1);
    ASSERT_EQ(entry_number(unselected), 2);
    EXPECT_EQ(entry(suffix).previous_proc, own_procedure);
    EXPECT_EQ(props::get_proc(suffix, props::kPreviousProc), own_procedure);
    EXPECT_EQ(props::get_int(suffix, props::kWindowNumber), number);
    EXPECT_EQ(props::get_int(unselected, props::kOwnNumber), 2);
}

TEST_F(CombosTest, SkinningAParentAgainRegistersNoComboBoxOrItsEditTwice) {
    transparent_controls = 1;
    HWND suffix = chooser(CBS_DROPDOWN);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    skin_edits_and_combos(number, window);
    EXPECT_EQ(record().combo_list.count(), 1);
    EXPECT_EQ(record().edit_list.count(), 1);
    // A second subclassing would have made the procedures their own previous ones: every message would loop.
    EXPECT_NE(props::get_proc(suffix, props::kPreviousProc), &combo_proc);
    EXPECT_NE(props::get_proc(inner, props::kPreviousProc), &edit_proc);
    EXPECT_EQ(SendMessageW(suffix, CB_GETCOUNT, 0, 0), 4);
    set_window_text(inner, ".avi");
    EXPECT_EQ(window_text(suffix), ".avi");
}

struct InnerEditCase {
    const char* name;
    DWORD style;
    bool transparent;
    bool edit_skinned;
};

void PrintTo(const InnerEditCase& c, std::ostream* out) {
    *out << c.name;
}

class ComboInnerEditTest : public CombosTest, public testing::WithParamInterface<InnerEditCase> {};

TEST_P(ComboInnerEditTest, TheEditBoxInsideIsSkinnedOnlyWithTransparentControls) {
    const InnerEditCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND box = chooser(c.style);
    HWND inner = FindWindowExW(box, nullptr, L"Edit", nullptr);
    EXPECT_EQ(entry_number(box), 1);
    if (!c.edit_skinned) {
        EXPECT_EQ(record().edit_list.find_handle(inner), 0);
        return;
    }
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(record().edit_list.find_handle(inner), 1);
    EXPECT_TRUE(is_subclassed_with(inner, edit_proc));
    EXPECT_EQ(props::get_int(inner, props::kWindowNumber), number);
    EXPECT_NE(props::get_proc(inner, props::kPreviousProc), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Styles, ComboInnerEditTest,
                         testing::Values(InnerEditCase{"DropDown", CBS_DROPDOWN, true, true},
                                         InnerEditCase{"DropDownOpaque", CBS_DROPDOWN, false, false},
                                         InnerEditCase{"Simple", CBS_SIMPLE, true, true},
                                         InnerEditCase{"DropDownList", CBS_DROPDOWNLIST, true, false}),
                         [](const testing::TestParamInfo<InnerEditCase>& info) {
                             return std::string(info.param.name);
                         });

bool is_blue_text(COLORREF c) {
    return GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 60;
}

TEST_F(CombosTest, ADropDownListShowsItsSelectionInSongTiTwelveWhateverTheControlsFont) {
    HWND suffix = chooser(CBS_DROPDOWNLIST);
    HFONT large = CreateFontW(-24, 0, 0, 0, FW_BOLD, TRUE, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    SendMessageW(suffix, WM_SETFONT, reinterpret_cast<WPARAM>(large), 0);
    SendMessageW(suffix, CB_SETCURSEL, 1, 0);
    props::set_number(suffix, props::kTextColour, static_cast<INT_PTR>(kMarker));
    const SIZE size = size_of(suffix);

    paint(suffix, false);
    const Snapshot shown = window_snapshot(suffix);

    // The same text drawn by hand where the skin draws it.
    testing_support::MemoryImage reference(size.cx, size.cy);
    testing_support::fill(reference.dc(), size.cx, size.cy, kWhite);
    {
        gdiplus::Graphics graphics;
        ASSERT_TRUE(graphics.create_from_hdc(reference.dc()));
        gdiplus::Font font;
        ASSERT_TRUE(font.create("宋体", 12));
        graphics.draw_string(".mp4", font,
                             gdiplus::RectF(2, static_cast<float>((size.cy - 12) / 2), static_cast<float>(size.cx - 17),
                                            static_cast<float>(size.cy - 4)),
                             gdiplus::SolidBrush(to_argb(kMarker)));
    }
    const RECT expected = testing_support::snapshot(reference.dc(), size.cx, size.cy).bounds(is_blue_text);
    const RECT seen = shown.bounds(is_blue_text);
    ASSERT_FALSE(IsRectEmpty(&expected));
    EXPECT_TRUE(EqualRect(&seen, &expected))
        << "text at " << seen.left << "," << seen.top << " to " << seen.right << "," << seen.bottom << ", expected "
        << expected.left << "," << expected.top << " to " << expected.right << "," << expected.bottom;
    DestroyWindow(suffix);
    DeleteObject(large);
}

TEST_F(CombosTest, ADropDownComboBoxsEditShowsItsOwnPixelsThroughTheHole) {
    HWND suffix = chooser(CBS_DROPDOWN);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    ASSERT_NE(inner, nullptr);
    paint_marker(inner, kMarker);
    paint(suffix, false);
    const Snapshot shown = window_snapshot(suffix);
    const RECT hole = child_rect_in_parent(inner);
    for (int y = hole.top; y < hole.bottom; ++y) {
        for (int x = hole.left; x < hole.right; ++x)
            ASSERT_EQ(shown.at(x, y), kMarker) << x << "," << y;
    }
    EXPECT_EQ(shown.count([](COLORREF c) { return c == kKey; }), 0) << "the colour key never shows";
    const SIZE size = size_of(suffix);
    EXPECT_TRUE(near_colour(shown.at(size.cx / 2, 0), over(kWhite, kBlack, 80)));
    EXPECT_EQ(window_text(inner), ".mp3") << "the edit box keeps its text";
}

TEST_F(CombosTest, ASimpleComboBoxsListShowsThroughAHoleTwoPixelsSmaller) {
    HWND box = combo(window, CBS_SIMPLE, 20, 20, 140, 120);
    add_items(box, {L".mp3", L".mp4"});
    skin_edits_and_combos(number, window);
    pump();
    HWND list = FindWindowExW(box, nullptr, L"ComboLBox", nullptr);
    HWND inner = FindWindowExW(box, nullptr, L"Edit", nullptr);
    ASSERT_NE(list, nullptr);
    mark_window(list, kMarker);
    paint_marker(inner, kMarker);
    paint(box, false);
    const Snapshot shown = window_snapshot(box);
    const RECT r = child_rect_in_parent(list);
    const int middle = (r.top + r.bottom) / 2;
    EXPECT_TRUE(near_colour(shown.at(r.left + 1, middle), kWhite)) << "the body around the list";
    EXPECT_EQ(shown.at(r.left + 2, middle), kMarker);
    EXPECT_EQ(shown.at(r.right - 3, middle), kMarker);
    EXPECT_TRUE(near_colour(shown.at(r.right - 2, middle), kWhite));
    const RECT e = child_rect_in_parent(inner);
    EXPECT_EQ(shown.at(e.left, e.top), kMarker) << "every child keeps its pixels";
    EXPECT_EQ(shown.count([](COLORREF c) { return c == kKey; }), 0);
}

struct LookCase {
    const char* name;
    bool transparent;
    bool hot;
    bool focused;
};

void PrintTo(const LookCase& c, std::ostream* out) {
    *out << c.name;
}

class ComboLookTest : public CombosTest, public testing::WithParamInterface<LookCase> {
protected:
    static int redness(COLORREF c) { return GetRValue(c) - GetGValue(c); }
};

TEST_P(ComboLookTest, BodyOutlineButtonAndArrowShowTheState) {
    const LookCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND suffix = chooser(CBS_DROPDOWNLIST);
    const SIZE size = size_of(suffix);
    const int bw = 17, bx = size.cx - bw - 2, by = 2, bh = size.cy - 4;
    paint(suffix, c.hot, c.focused);
    const Snapshot shown = window_snapshot(suffix);

    const COLORREF body = backdrop_at(suffix, bx - 3, 2);
    EXPECT_TRUE(near_colour(shown.at(bx - 3, 2), body)) << "the body";
    const COLORREF top_edge = backdrop_at(suffix, bx - 3, 0);
    EXPECT_TRUE(
        near_colour(shown.at(bx - 3, 0), c.hot || c.focused ? over(top_edge, kTheme, 200) : over(top_edge, kBlack, 80)))
        << "the outline";
    const COLORREF button_edge = backdrop_at(suffix, bx, size.cy / 2);
    EXPECT_TRUE(
        near_colour(shown.at(bx, size.cy / 2), c.hot ? over(button_edge, kTheme, 200) : over(button_edge, kBlack, 80)))
        << "the button's outline: focus does not count";
    EXPECT_GT(redness(shown.at(bx + 3, size.cy - 4)), redness(shown.at(bx + 3, 3)) + 15)
        << "the gradient deepens downwards";
    // The arrow: 7 by 4, opaque black, centred on the button.
    const int ax = bx + (bw - 7) / 2, ay = by + (bh - 4) / 2;
    EXPECT_EQ(shown.at(ax + 3, ay), kBlack);
    EXPECT_EQ(shown.at(ax, ay), kBlack);
    EXPECT_EQ(shown.at(ax + 3, ay + 3), kBlack);
    EXPECT_NE(shown.at(ax, ay + 3), kBlack);
}

INSTANTIATE_TEST_SUITE_P(States, ComboLookTest,
                         testing::Values(LookCase{"Opaque", false, false, false},
                                         LookCase{"OpaqueHot", false, true, false},
                                         LookCase{"OpaqueFocused", false, false, true},
                                         LookCase{"Veiled", true, false, false},
                                         LookCase{"VeiledHotAndFocused", true, true, true}),
                         [](const testing::TestParamInfo<LookCase>& info) { return std::string(info.param.name); });

TEST_F(CombosTest, AHotButtonIsLighterAtTheTopThanAnIdleOne) {
    HWND suffix = chooser(CBS_DROPDOWN);
    const SIZE size = size_of(suffix);
    const int bx = size.cx - 18 - 2;
    paint(suffix, false);
    const COLORREF idle = window_snapshot(suffix).at(bx + 3, 4);
    paint(suffix, true);
    const COLORREF hot = window_snapshot(suffix).at(bx + 3, 4);
    EXPECT_GT(GetGValue(hot), GetGValue(idle) + 10);
    EXPECT_TRUE(near_colour(window_snapshot(suffix).at(bx, size.cy / 2), over(kWhite, kTheme, 200)))
        << "a drop-down combo box's button is 18 pixels wide";
}

struct SelectionCase {
    const char* name;
    UINT message;
    WPARAM wparam;
};

void PrintTo(const SelectionCase& c, std::ostream* out) {
    *out << c.name;
}

class ComboSelectionTest : public CombosTest, public testing::WithParamInterface<SelectionCase> {};

// The combo box paints a new selection itself, straight onto the screen: the skin paints over it afterwards.
TEST_P(ComboSelectionTest, ANewSelectionEndsUpInTheSkinsLook) {
    const SelectionCase& c = GetParam();
    HWND suffix = chooser(CBS_DROPDOWNLIST);
    props::set_number(suffix, props::kTextColour, static_cast<INT_PTR>(kMarker));
    SendMessageW(suffix, c.message, c.wparam, 0);
    UpdateWindow(suffix);
    const Snapshot after = window_snapshot(suffix);
    EXPECT_EQ(window_text(suffix), ".mp4");
    paint(suffix, false);
    EXPECT_EQ(after, window_snapshot(suffix));
}

INSTANTIATE_TEST_SUITE_P(Ways, ComboSelectionTest,
                         testing::Values(SelectionCase{"ByMessage", CB_SETCURSEL, 1},
                                         SelectionCase{"ByKeyboard", WM_KEYDOWN, VK_DOWN}),
                         [](const testing::TestParamInfo<SelectionCase>& info) {
                             return std::string(info.param.name);
                         });

class ComboHoverTest : public CombosTest {
protected:
    static void move(HWND control) { SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(8, 8)); }
    static void leave(HWND control) { SendMessageW(control, WM_MOUSELEAVE, 0, 0); }
    COLORREF outline(HWND control) { return window_snapshot(control).at(size_of(control).cx / 2, 0); }
};

TEST_F(ComboHoverTest, TheHotLookIsDrawnOncePerChangeOfTheHoveredControl) {
    HWND suffix = chooser(CBS_DROPDOWNLIST);
    const COLORREF hot = over(kWhite, kTheme, 200), normal = over(kWhite, kBlack, 80);

    move(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), hot));
    EXPECT_EQ(record().hover_id, 1);
    EXPECT_EQ(record().hover_family, hover_family::combos);
    mark_window(suffix, kMarker);
    move(suffix);
    EXPECT_EQ(outline(suffix), kMarker) << "moving inside the box does not repaint it";

    // A new selection repaints the box without the hot look, and further moves inside it leave it so.
    SendMessageW(suffix, CB_SETCURSEL, 2, 0);
    UpdateWindow(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), normal));
    move(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), normal));

    leave(suffix);
    EXPECT_EQ(record().hover_id, 0);
    move(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), hot)) << "coming back draws the hot look again";
    // A control of another family drawn hot last with the same number counts as a change.
    record().hover_family = hover_family::buttons;
    mark_window(suffix, kMarker);
    move(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), hot));
}

TEST_F(ComboHoverTest, FocusIsDrawnWhenGainedAndKeptUntilTheNextPaintWhenLost) {
    HWND suffix = chooser(CBS_DROPDOWNLIST);
    SendMessageW(suffix, WM_SETFOCUS, 0, 0);
    EXPECT_TRUE(entry(suffix).focused);
    EXPECT_TRUE(near_colour(outline(suffix), over(kWhite, kTheme, 200)));
    mark_window(suffix, kMarker);
    SendMessageW(suffix, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(entry(suffix).focused);
    EXPECT_EQ(outline(suffix), kMarker);
    move(suffix);
    leave(suffix);
    EXPECT_TRUE(near_colour(outline(suffix), over(kWhite, kBlack, 80)));
}

TEST_F(CombosTest, WithTransparentControlsTheEditBoxGetsAPatternBrushOfItsVeiledBackdrop) {
    transparent_controls = 1;
    control_alpha = 90;
    HWND suffix = chooser(CBS_DROPDOWN);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    props::set_number(inner, props::kTextColour, static_cast<INT_PTR>(RGB(10, 20, 30)));
    testing_support::MemoryImage image(40, 10);
    const auto answer = [&] {
        return reinterpret_cast<HBRUSH>(SendMessageW(suffix, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(image.dc()),
                                                     reinterpret_cast<LPARAM>(inner)));
    };
    HBRUSH first = answer();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetPropW(inner, props::kColourBrush), first);
    EXPECT_NE(GetPropW(inner, props::kColourBitmap), nullptr);
    EXPECT_EQ(GetTextColor(image.dc()), RGB(10, 20, 30));
    EXPECT_EQ(GetBkMode(image.dc()), TRANSPARENT);
    const long held = gdi::live_objects();

    HBRUSH second = answer();
    EXPECT_EQ(gdi::live_objects(), held) << "the earlier brush and bitmap are given back";
    RECT r{0, 0, 40, 10};
    FillRect(image.dc(), &r, second);
    const RECT client = client_rect_in_window(inner);
    EXPECT_TRUE(
        near_colour(image.pixel(5, 5), over(behind_window(inner, client.left + 5, client.top + 5), kWhite, 90)));
    DestroyWindow(suffix);
    EXPECT_EQ(gdi::live_objects(), held - 2) << "the combo box gives them back when it goes";
}

TEST_F(CombosTest, WithoutTransparentControlsTheColourMessageIsPassedOn) {
    HWND suffix = combo(window, CBS_DROPDOWN, 20, 20, 140);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    RecordingProcedure own(suffix);
    skin_edits_and_combos(number, window);
    testing_support::MemoryImage image(8, 8);
    SendMessageW(suffix, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(image.dc()), reinterpret_cast<LPARAM>(inner));
    EXPECT_TRUE(own.received(WM_CTLCOLOREDIT));
    EXPECT_EQ(GetPropW(inner, props::kColourBrush), nullptr);
}

struct CommandCase {
    const char* name;
    bool transparent;
    bool enabled;
    WORD notification;
    bool invalidates;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

class ComboCommandTest : public CombosTest, public testing::WithParamInterface<CommandCase> {};

TEST_P(ComboCommandTest, TheEditBoxIsRepaintedWholeWhenItsTextMovesUnderTheVeil) {
    const CommandCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND suffix = chooser(CBS_DROPDOWN);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    skin_controls_enabled = c.enabled;
    // What the combo box's own procedure invalidates is not the skin's doing: the message does not reach it.
    HANDLE own_procedure = RemovePropW(suffix, props::kPreviousProc);
    ValidateRect(inner, nullptr);
    SendMessageW(suffix, WM_COMMAND, MAKEWPARAM(1001, c.notification), reinterpret_cast<LPARAM>(inner));
    SetPropW(suffix, props::kPreviousProc, own_procedure);
    RECT client{};
    GetClientRect(inner, &client);
    const RECT pending = pending_update(inner);
    if (c.invalidates)
        EXPECT_TRUE(EqualRect(&pending, &client));
    else
        EXPECT_TRUE(IsRectEmpty(&pending));
}

INSTANTIATE_TEST_SUITE_P(Notifications, ComboCommandTest,
                         testing::Values(CommandCase{"Change", true, true, EN_CHANGE, true},
                                         CommandCase{"Update", true, true, EN_UPDATE, true},
                                         CommandCase{"VerticalScroll", true, true, EN_VSCROLL, true},
                                         CommandCase{"HorizontalScroll", true, true, EN_HSCROLL, true},
                                         CommandCase{"Focus", true, true, EN_SETFOCUS, false},
                                         CommandCase{"ChangeOpaque", false, true, EN_CHANGE, false},
                                         CommandCase{"ChangeSkinOff", true, false, EN_CHANGE, false}),
                         [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

struct PassCase {
    const char* name;
    UINT message;
    bool passed_on;
};

void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class ComboPassingTest : public CombosTest, public testing::WithParamInterface<PassCase> {};

TEST_P(ComboPassingTest, TheSkinPaintsTheBoxAndTheBoxsOwnPaintingNeverRuns) {
    const PassCase& c = GetParam();
    HWND box = combo(window, CBS_DROPDOWNLIST, 20, 20, 140);
    add_items(box, {L".mp3"});
    RecordingProcedure own(box);
    skin_edits_and_combos(number, window);
    pump();
    own.forget();
    testing_support::MemoryImage image(8, 8);
    const WPARAM wparam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(image.dc())
                          : c.message == WM_NCPAINT  ? 1
                                                     : 0;
    const LPARAM lparam = c.message == WM_SETTEXT ? reinterpret_cast<LPARAM>(L".mp3") : 0;
    InvalidateRect(box, nullptr, TRUE);
    SendMessageW(box, c.message, wparam, lparam);
    EXPECT_EQ(own.received(c.message), c.passed_on);
}

INSTANTIATE_TEST_SUITE_P(Messages, ComboPassingTest,
                         testing::Values(PassCase{"Paint", WM_PAINT, false}, PassCase{"Erase", WM_ERASEBKGND, false},
                                         PassCase{"NonClientPaint", WM_NCPAINT, false},
                                         PassCase{"Focus", WM_SETFOCUS, true},
                                         PassCase{"KillFocus", WM_KILLFOCUS, true}, PassCase{"Move", WM_MOVE, true},
                                         PassCase{"SetText", WM_SETTEXT, true},
                                         PassCase{"MouseMove", WM_MOUSEMOVE, true},
                                         PassCase{"MouseLeave", WM_MOUSELEAVE, true}),
                         [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

TEST_F(CombosTest, SettingTheTextOfABoxWithAnEditInvalidatesIt) {
    HWND editable = chooser(CBS_DROPDOWN);
    HWND list_only = combo(window, CBS_DROPDOWNLIST, 20, 60, 140);
    skin_edits_and_combos(number, window);
    pump();
    for (HWND control : {editable, list_only}) {
        ValidateRect(control, nullptr);
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L".mkv"));
    }
    const RECT pending = pending_update(editable);
    EXPECT_FALSE(IsRectEmpty(&pending));
    const RECT none = pending_update(list_only);
    EXPECT_TRUE(IsRectEmpty(&none));
}

TEST_F(CombosTest, AChildsRectangleIsTakenFromItsParentsWindowCorner) {
    HWND suffix = chooser(CBS_DROPDOWN);
    HWND inner = FindWindowExW(suffix, nullptr, L"Edit", nullptr);
    RECT edit_rect{}, combo_rect{};
    GetWindowRect(inner, &edit_rect);
    GetWindowRect(suffix, &combo_rect);
    const RECT r = child_rect_in_parent(inner);
    EXPECT_EQ(r.left, edit_rect.left - combo_rect.left);
    EXPECT_EQ(r.top, edit_rect.top - combo_rect.top);
    EXPECT_EQ(r.right - r.left, edit_rect.right - edit_rect.left);
    const RECT of_combo = child_rect_in_parent(suffix);
    EXPECT_EQ(of_combo.left, 20);
    EXPECT_EQ(of_combo.top, 20);
    const RECT of_window = child_rect_in_parent(window);
    EXPECT_TRUE(IsRectEmpty(&of_window)) << "a skinned window";
}

TEST_F(ComboHoverTest, HundredsOfPaintAndHoverCyclesGiveBackEveryObject) {
    transparent_controls = 1;
    HWND list = chooser(CBS_DROPDOWNLIST);
    HWND editable = combo(window, CBS_DROPDOWN, 20, 60, 140);
    HWND simple = combo(window, CBS_SIMPLE, 180, 20, 140, 120);
    add_items(editable, {L".mp3", L".mp4"});
    add_items(simple, {L".mp3", L".mp4"});
    skin_edits_and_combos(number, window);
    pump();
    HWND inner = FindWindowExW(editable, nullptr, L"Edit", nullptr);
    testing_support::MemoryImage image(40, 10);
    const auto answer = [&] {
        SendMessageW(editable, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(image.dc()), reinterpret_cast<LPARAM>(inner));
    };
    answer();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    for (int cycle = 0; cycle < 300; ++cycle) {
        for (HWND control : {list, editable, simple}) {
            move(control);
            SendMessageW(control, WM_SETFOCUS, 0, 0);
            SendMessageW(control, WM_KILLFOCUS, 0, 0);
            leave(control);
            SendMessageW(control, WM_NCPAINT, 1, 0);
        }
        SendMessageW(list, CB_SETCURSEL, cycle % 4, 0);
        answer();
        SendMessageW(inner, WM_MOUSEMOVE, 0, testing_support::point(4, 4));
        SendMessageW(inner, WM_MOUSELEAVE, 0, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(gdi::live_objects(), gdi_before) << "the edit box holds one brush and bitmap at a time";
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
    DestroyWindow(editable);
    EXPECT_EQ(gdi::live_objects(), gdi_before - 2);
    EXPECT_TRUE(near_colour(outline(list), over(backdrop_at(list, size_of(list).cx / 2, 0), kBlack, 80)))
        << "the paints really ran";
}

} // namespace
} // namespace pantrove
