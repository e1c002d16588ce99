#include "skin/controls/combos.h"
#include "skin/controls/edits.h"
#include "skin/controls/hover_tracking.h"
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
using testing_support::pending_update;
using testing_support::pump;
using testing_support::RecordingProcedure;
using testing_support::window_snapshot;

class EditsTest : public testing_support::EditComboTest {
protected:
    int entry_number(HWND control) { return find_edit_entry(number, control); }
    EditEntry& entry(HWND control) { return record().edit_list[entry_number(control)]; }

    // A single-line box with a two-pixel sunken border, skinned.
    HWND skinned_edit(DWORD style = 0, int width = 120, int height = 24) {
        HWND made = edit(window, style, 20, 20, width, height);
        skin_edits_and_combos(number, window);
        pump();
        return made;
    }
};

TEST_F(EditsTest, EditBoxesAreRegisteredOnceWithBlackTextAndTheirOwnProcedureKept) {
    HWND link = edit(window, 0, 20, 20, 120, 24);
    HWND password = edit(window, ES_PASSWORD, 20, 60, 120, 24);
    child(window, L"Static", 0, 20, 100, 120, 24);
    props::set_number(password, props::kTextColour, static_cast<INT_PTR>(kMarker));
    const auto own_procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(link, GWLP_WNDPROC));

    skin_child_controls(number, window);
    skin_child_controls(number, window);

    EXPECT_EQ(record().edit_list.count(), 2);
    ASSERT_EQ(entry_number(link), 1);
    ASSERT_EQ(entry_number(password), 2);
    EXPECT_EQ(entry(link).previous_proc, own_procedure);
    EXPECT_EQ(props::get_proc(link, props::kPreviousProc), own_procedure);
    EXPECT_TRUE(is_subclassed_with(password, edit_proc));
    EXPECT_EQ(text_colour_of(password), 0u) << "registration resets the text colour to black";
    // The box still works as an edit box through the skin.
    set_window_text(password, "提取码");
    EXPECT_EQ(window_text(password), "提取码");
}

TEST_F(EditsTest, NothingIsSkinnedWhileControlSkinningIsOff) {
    HWND box = edit(window, 0, 20, 20, 120, 24);
    const LONG_PTR procedure = GetWindowLongPtrW(box, GWLP_WNDPROC);
    skin_controls_enabled = 0;
    skin_edits_and_combos(number, window);
    EXPECT_EQ(entry_number(box), 0);
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropW(box, props::kOwnNumber), nullptr);
}

// The ring of a box drawn in the given states, probed on its left edge, its top edge and just inside it.
struct RingCase {
    const char* name;
    bool transparent;
    bool focused;
    bool hot;
};

void PrintTo(const RingCase& c, std::ostream* out) {
    *out << c.name;
}

class EditRingTest : public EditsTest, public testing::WithParamInterface<RingCase> {};

TEST_P(EditRingTest, TheRingFillsOnlyTheBorderAndItsOutlineShowsTheState) {
    const RingCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND box = skinned_edit();
    mark_window(box, kMarker);
    paint_edit_frame(box, c.focused, c.hot);
    const testing_support::Snapshot shot = window_snapshot(box);

    // Outline colours over the ring's fill: the two-pixel hot line wins over focus.
    const auto outline = [&](int x, int y) {
        const COLORREF fill = backdrop_at(box, x, y);
        return c.hot || c.focused ? over(fill, kTheme, 180) : over(fill, kBlack, 80);
    };
    const auto second_pixel = [&](int x, int y) {
        const COLORREF fill = backdrop_at(box, x, y);
        return c.hot ? over(fill, kTheme, 180) : fill;
    };
    EXPECT_TRUE(near_colour(shot.at(0, 12), outline(0, 12)));
    EXPECT_TRUE(near_colour(shot.at(60, 0), outline(60, 0)));
    EXPECT_TRUE(near_colour(shot.at(119, 12), outline(119, 12)));
    EXPECT_TRUE(near_colour(shot.at(60, 23), outline(60, 23)));
    EXPECT_TRUE(near_colour(shot.at(1, 12), second_pixel(1, 12)));
    EXPECT_TRUE(near_colour(shot.at(60, 1), second_pixel(60, 1)));
    // The client area is the edit box's own.
    const RECT inner{2, 2, 118, 22};
    for (int y = inner.top; y < inner.bottom; ++y) {
        for (int x = inner.left; x < inner.right; ++x)
            ASSERT_EQ(shot.at(x, y), kMarker) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    States, EditRingTest,
    testing::Values(RingCase{"Opaque", false, false, false}, RingCase{"OpaqueFocused", false, true, false},
                    RingCase{"OpaqueHot", false, false, true}, RingCase{"OpaqueHotAndFocused", false, true, true},
                    RingCase{"Veiled", true, false, false}, RingCase{"VeiledFocused", true, true, false},
                    RingCase{"VeiledHot", true, false, true}),
    [](const testing::TestParamInfo<RingCase>& info) { return std::string(info.param.name); });

TEST_F(EditsTest, StatesNotGivenAreTheEntrysAndTheThemeColourIsReadAtEachPaint) {
    HWND box = skinned_edit();
    entry(box).focused = true;
    paint_edit_frame(box);
    EXPECT_TRUE(near_colour(window_snapshot(box).at(0, 12), over(kWhite, kTheme, 180)));
    theme_colour = RGB(20, 160, 40);
    entry(box).hot = true;
    paint_edit_frame(box, false);
    EXPECT_TRUE(near_colour(window_snapshot(box).at(1, 12), over(kWhite, RGB(20, 160, 40), 180)));
    paint_edit_frame(box, std::nullopt, false);
    EXPECT_TRUE(near_colour(window_snapshot(box).at(1, 12), kWhite));
}

struct NonClientCase {
    const char* name;
    DWORD style;
    bool vertical_bar;
    bool horizontal_bar;
};

void PrintTo(const NonClientCase& c, std::ostream* out) {
    *out << c.name;
}

class EditNonClientTest : public EditsTest, public testing::WithParamInterface<NonClientCase> {};

// The system paints the scroll bars and the square between them, never its border over the skin's ring.
TEST_P(EditNonClientTest, TheSystemPaintsOnlyTheScrollBarsInsideTheSkinsRing) {
    const NonClientCase& c = GetParam();
    HWND box = skinned_edit(c.style | ES_MULTILINE, 160, 80);
    mark_window(box, kMarker);
    SendMessageW(box, WM_NCPAINT, 1, 0);
    const testing_support::Snapshot shot = window_snapshot(box);

    // Left and top edges: the skin's ring, nothing of the system's sunken border.
    EXPECT_TRUE(near_colour(shot.at(0, 40), over(kWhite, kBlack, 80)));
    EXPECT_TRUE(near_colour(shot.at(1, 40), kWhite));
    EXPECT_TRUE(near_colour(shot.at(80, 0), over(kWhite, kBlack, 80)));
    EXPECT_TRUE(near_colour(shot.at(80, 1), kWhite));
    // Right and bottom edges outside the bars.
    EXPECT_TRUE(near_colour(shot.at(159, 40), over(kWhite, kBlack, 80)));
    EXPECT_TRUE(near_colour(shot.at(158, 40), kWhite));
    EXPECT_TRUE(near_colour(shot.at(80, 78), kWhite));
    EXPECT_EQ(shot.at(20, 20), kMarker) << "the client area is the box's own";

    RECT client{};
    GetClientRect(box, &client);
    const int right = 2 + client.right, bottom = 2 + client.bottom;
    if (c.vertical_bar) {
        EXPECT_NE(shot.at(right + 8, 30), kMarker) << "the vertical bar is painted";
    } else {
        EXPECT_EQ(shot.at(right - 3, 30), kMarker);
    }
    if (c.horizontal_bar) {
        EXPECT_NE(shot.at(30, bottom + 8), kMarker) << "the horizontal bar is painted";
    }
    if (c.vertical_bar && c.horizontal_bar) {
        EXPECT_NE(shot.at(right + 8, bottom + 8), kMarker) << "the square between the bars is painted";
    }
}

INSTANTIATE_TEST_SUITE_P(Bars, EditNonClientTest,
                         testing::Values(NonClientCase{"NoScrollBars", 0, false, false},
                                         NonClientCase{"VerticalBar", WS_VSCROLL, true, false},
                                         NonClientCase{"HorizontalBar", WS_HSCROLL, false, true},
                                         NonClientCase{"BothBars", WS_VSCROLL | WS_HSCROLL, true, true}),
                         [](const testing::TestParamInfo<NonClientCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EditsTest, TheScrollBarRegionCoversBothBarsAndTheSquareBetweenThemInScreenCoordinates) {
    HWND both = edit(window, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 20, 160, 80);
    HWND vertical = edit(window, ES_MULTILINE | WS_VSCROLL, 20, 120, 160, 80);
    HWND none = edit(window, 0, 200, 20, 100, 24);
    const auto bar = [](HWND control, LONG which) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetScrollBarInfo(control, which, &info));
        return info.rcScrollBar;
    };

    const gdi::Region region = scroll_bar_region(both);
    ASSERT_TRUE(region);
    const RECT v = bar(both, OBJID_VSCROLL), h = bar(both, OBJID_HSCROLL);
    for (const RECT& r : {v, h}) {
        for (auto [x, y] : {std::pair{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}})
            EXPECT_TRUE(PtInRegion(region.get(), x, y)) << x << "," << y;
    }
    EXPECT_TRUE(PtInRegion(region.get(), v.right - 1, h.bottom - 1)) << "the square between the bars";
    EXPECT_FALSE(PtInRegion(region.get(), h.left + 2, v.top + 2)) << "the text area";
    RECT whole{}, box{};
    GetWindowRect(both, &whole);
    GetRgnBox(region.get(), &box);
    RECT outside{};
    EXPECT_FALSE(SubtractRect(&outside, &box, &whole)) << "nothing outside the window";

    const gdi::Region single = scroll_bar_region(vertical);
    ASSERT_TRUE(single);
    GetRgnBox(single.get(), &box);
    const RECT only = bar(vertical, OBJID_VSCROLL);
    EXPECT_TRUE(EqualRect(&box, &only));
    EXPECT_FALSE(scroll_bar_region(none));
    EXPECT_TRUE(has_scroll_bars(both));
    EXPECT_FALSE(has_scroll_bars(none));
}

TEST_F(EditsTest, FocusLeavingAComboBoxsEditRepaintsItsFrameOnlyAndAnyOtherBoxWhole) {
    transparent_controls = 1;
    HWND box = edit(window, 0, 20, 20, 120, 24);
    HWND chooser = combo(window, CBS_DROPDOWN, 20, 60, 120);
    skin_edits_and_combos(number, window);
    HWND inner = FindWindowExW(chooser, nullptr, L"Edit", nullptr);
    ASSERT_NE(entry_number(inner), 0);
    pump();

    for (HWND control : {box, inner}) {
        SendMessageW(control, WM_SETFOCUS, 0, 0);
        EXPECT_TRUE(entry(control).focused);
        // What the box's own procedure invalidates is not the skin's doing: the message does not reach it.
        HANDLE own_procedure = RemovePropW(control, props::kPreviousProc);
        ValidateRect(control, nullptr);
        SendMessageW(control, WM_KILLFOCUS, 0, 0);
        SetPropW(control, props::kPreviousProc, own_procedure);
        EXPECT_FALSE(entry(control).focused);
    }
    RECT client{};
    GetClientRect(box, &client);
    const RECT pending = pending_update(box);
    EXPECT_TRUE(EqualRect(&pending, &client)) << "the whole box waits to be painted";
    const RECT frame_only = pending_update(inner);
    EXPECT_TRUE(IsRectEmpty(&frame_only));
}

TEST_F(EditsTest, WithTransparentControlsTheBackgroundIsTheVeiledWindowImage) {
    transparent_controls = 1;
    control_alpha = 100;
    HWND box = skinned_edit();
    testing_support::MemoryImage image(116, 20);
    testing_support::fill(image.dc(), 116, 20, kMarker);
    SetBkMode(image.dc(), OPAQUE);
    EXPECT_EQ(SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0), 1);
    EXPECT_EQ(GetBkMode(image.dc()), TRANSPARENT);
    for (auto [x, y] : {std::pair{0, 0}, {50, 10}, {115, 19}})
        EXPECT_TRUE(near_colour(image.pixel(x, y), over(behind_window(box, x + 2, y + 2), kWhite, 100)))
            << x << "," << y;

    // Without a given DC the backdrop goes where the client area lies in the window.
    mark_window(box, kMarker);
    paint_edit_backdrop(box, nullptr, false);
    const testing_support::Snapshot shot = window_snapshot(box);
    EXPECT_EQ(shot.at(1, 1), kMarker);
    EXPECT_TRUE(near_colour(shot.at(2, 2), over(behind_window(box, 2, 2), kWhite, 100)));
}

TEST_F(EditsTest, WithoutTransparentControlsTheBoxErasesItsOwnBackground) {
    HWND box = edit(window, 0, 20, 20, 120, 24);
    RecordingProcedure own(box);
    skin_edits_and_combos(number, window);
    testing_support::MemoryImage image(8, 8);
    SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0);
    EXPECT_TRUE(own.received(WM_ERASEBKGND));
}

// Which messages make the whole box wait for a repaint: with transparent_controls the veil under moved text
// must be painted again, except where a box with scroll bars repaints what it scrolls itself.
struct InvalidationCase {
    const char* name;
    bool transparent;
    DWORD style;
    UINT message;
    WPARAM wparam;
    bool button_down;
    bool invalidates;
};

void PrintTo(const InvalidationCase& c, std::ostream* out) {
    *out << c.name;
}

class EditInvalidationTest : public EditsTest, public testing::WithParamInterface<InvalidationCase> {};

TEST_P(EditInvalidationTest, TheBoxIsInvalidatedWholeWhereTheVeilMustBeRepainted) {
    const InvalidationCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND box = edit(window, c.style, 20, 20, 160, 80);
    skin_edits_and_combos(number, window);
    pump();
    entry(box).button_down = c.button_down;
    // What the box's own procedure invalidates is not the skin's doing: the message does not reach it.
    HANDLE own_procedure = RemovePropW(box, props::kPreviousProc);
    ValidateRect(box, nullptr);
    SendMessageW(box, c.message, c.wparam, testing_support::point(5, 5));
    SetPropW(box, props::kPreviousProc, own_procedure);
    RECT client{};
    GetClientRect(box, &client);
    const RECT pending = pending_update(box);
    if (c.invalidates)
        EXPECT_TRUE(EqualRect(&pending, &client));
    else
        EXPECT_TRUE(IsRectEmpty(&pending));
}

constexpr DWORD kScrolled = ES_MULTILINE | WS_VSCROLL;

INSTANTIATE_TEST_SUITE_P(
    Messages, EditInvalidationTest,
    testing::Values(InvalidationCase{"Move", true, 0, WM_MOVE, 0, false, true},
                    InvalidationCase{"MoveOpaque", false, 0, WM_MOVE, 0, false, false},
                    InvalidationCase{"Key", true, 0, WM_KEYDOWN, VK_RIGHT, false, true},
                    InvalidationCase{"KeyOpaque", false, 0, WM_KEYDOWN, VK_RIGHT, false, false},
                    InvalidationCase{"KeyWithScrollBars", true, kScrolled, WM_KEYDOWN, VK_RIGHT, false, false},
                    InvalidationCase{"Press", true, 0, WM_LBUTTONDOWN, MK_LBUTTON, false, true},
                    InvalidationCase{"PressWithScrollBars", true, kScrolled, WM_LBUTTONDOWN, MK_LBUTTON, false, false},
                    InvalidationCase{"Scroll", true, kScrolled, WM_VSCROLL, SB_LINEDOWN, false, true},
                    InvalidationCase{"HorizontalScroll", true, 0, WM_HSCROLL, SB_LINERIGHT, false, true},
                    InvalidationCase{"ScrollOpaque", false, kScrolled, WM_VSCROLL, SB_LINEDOWN, false, false},
                    InvalidationCase{"DragSelecting", false, 0, WM_MOUSEMOVE, MK_LBUTTON, true, true},
                    InvalidationCase{"DragSelectingWithScrollBars", true, kScrolled, WM_MOUSEMOVE, MK_LBUTTON, true,
                                     false},
                    InvalidationCase{"MoveWithoutButton", true, 0, WM_MOUSEMOVE, 0, false, false}),
    [](const testing::TestParamInfo<InvalidationCase>& info) { return std::string(info.param.name); });

TEST_F(EditsTest, PressAndReleaseTrackTheButton) {
    HWND box = skinned_edit();
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(5, 5));
    EXPECT_TRUE(entry(box).button_down);
    SendMessageW(box, WM_LBUTTONUP, 0, testing_support::point(5, 5));
    EXPECT_FALSE(entry(box).button_down);
}

class EditHoverTest : public EditsTest {
protected:
    static void move(HWND control) { SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(8, 8)); }
    static void leave(HWND control) { SendMessageW(control, WM_MOUSELEAVE, 0, 0); }
    static COLORREF edge(HWND control, int x) { return window_snapshot(control).at(x, 12); }
};

TEST_F(EditHoverTest, TheHotRingIsDrawnOncePerVisitAndTheFocusOutlineSurvivesIt) {
    HWND first = skinned_edit();
    HWND second = edit(window, 0, 20, 60, 120, 24);
    skin_edits_and_combos(number, window);
    pump();
    SetFocus(first);
    ASSERT_TRUE(entry(first).focused);

    move(first);
    EXPECT_TRUE(near_colour(edge(first, 1), over(kWhite, kTheme, 180))) << "two pixels of theme colour";
    EXPECT_EQ(record().hover_id, 1);
    EXPECT_EQ(record().hover_family, hover_family::edits);
    EXPECT_EQ(record().hover_parent, window);
    mark_window(first, kMarker);
    move(first);
    EXPECT_EQ(edge(first, 1), kMarker) << "moving inside the box does not repaint it";

    leave(first);
    EXPECT_EQ(record().hover_id, 0);
    EXPECT_TRUE(near_colour(edge(first, 0), over(kWhite, kTheme, 180))) << "the focus outline";
    EXPECT_TRUE(near_colour(edge(first, 1), kWhite));

    move(second);
    leave(second);
    EXPECT_TRUE(near_colour(edge(second, 0), over(kWhite, kBlack, 80))) << "an unfocused box returns to normal";
}

TEST_F(EditHoverTest, AnotherFamilyOrAnotherParentWithTheSameNumberCountsAsAChange) {
    HWND box = skinned_edit();
    for (auto [family, parent] : {std::pair{hover_family::buttons, window}, {hover_family::edits, HWND{}}}) {
        record().hover_id = 1;
        record().hover_family = family;
        record().hover_parent = parent;
        mark_window(box, kMarker);
        move(box);
        EXPECT_NE(edge(box, 1), kMarker) << "family " << family;
        EXPECT_EQ(record().hover_family, hover_family::edits);
        EXPECT_EQ(record().hover_parent, window);
    }
}

struct PassCase {
    const char* name;
    UINT message;
    bool transparent;
    bool passed_on;
};

void PrintTo(const PassCase& c, std::ostream* out) {
    *out << c.name;
}

class EditPassingTest : public EditsTest, public testing::WithParamInterface<PassCase> {};

TEST_P(EditPassingTest, OnlyTheFrameAndTheVeiledBackgroundAreKeptFromTheBoxsOwnProcedure) {
    const PassCase& c = GetParam();
    transparent_controls = c.transparent;
    HWND box = edit(window, 0, 20, 20, 120, 24);
    RecordingProcedure own(box);
    skin_edits_and_combos(number, window);
    pump();
    own.forget();
    testing_support::MemoryImage image(8, 8);
    const WPARAM wparam = c.message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(image.dc())
                          : c.message == WM_NCPAINT  ? 1
                                                     : 0;
    SendMessageW(box, c.message, wparam, 0);
    EXPECT_EQ(own.received(c.message), c.passed_on);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, EditPassingTest,
    testing::Values(PassCase{"NonClientPaint", WM_NCPAINT, false, false},
                    PassCase{"VeiledErase", WM_ERASEBKGND, true, false}, PassCase{"Erase", WM_ERASEBKGND, false, true},
                    PassCase{"Paint", WM_PAINT, false, true}, PassCase{"Focus", WM_SETFOCUS, false, true},
                    PassCase{"KillFocus", WM_KILLFOCUS, true, true}, PassCase{"MouseMove", WM_MOUSEMOVE, false, true},
                    PassCase{"MouseLeave", WM_MOUSELEAVE, false, true}),
    [](const testing::TestParamInfo<PassCase>& info) { return std::string(info.param.name); });

TEST_F(EditsTest, DestroyingTheBoxGivesBackTheBrushAndBitmapItsParentAnsweredWith) {
    transparent_controls = 1;
    HWND box = skinned_edit();
    const long before = gdi::live_objects();
    HWND chooser = combo(window, CBS_DROPDOWN, 20, 60, 120);
    skin_edits_and_combos(number, window);
    HWND inner = FindWindowExW(chooser, nullptr, L"Edit", nullptr);
    HDC dc = GetDC(inner);
    ASSERT_NE(SendMessageW(chooser, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(inner)), 0);
    ReleaseDC(inner, dc);
    EXPECT_NE(GetPropW(inner, props::kColourBrush), nullptr);
    DestroyWindow(chooser);
    EXPECT_EQ(gdi::live_objects(), before);
    // A box whose properties hold nothing destroys quietly.
    DestroyWindow(box);
    EXPECT_EQ(gdi::live_objects(), before);
}

TEST_F(EditHoverTest, HundredsOfPaintAndHoverCyclesGiveBackEveryObject) {
    transparent_controls = 1;
    HWND plain = edit(window, 0, 20, 20, 120, 24);
    HWND scrolled = edit(window, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 20, 60, 160, 80);
    set_window_text(scrolled, "第一行\r\n第二行\r\n第三行\r\n第四行\r\n第五行\r\n第六行");
    skin_edits_and_combos(number, window);
    pump();
    testing_support::MemoryImage image(120, 24);
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    for (int cycle = 0; cycle < 300; ++cycle) {
        for (HWND control : {plain, scrolled}) {
            move(control);
            SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, testing_support::point(8, 8));
            SendMessageW(control, WM_LBUTTONUP, 0, testing_support::point(8, 8));
            leave(control);
            SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0);
            SendMessageW(control, WM_NCPAINT, 1, 0);
        }
        SendMessageW(scrolled, WM_VSCROLL, cycle % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
    EXPECT_TRUE(near_colour(edge(plain, 0), over(backdrop_at(plain, 0, 12), kBlack, 80))) << "the paints really ran";
}

} // namespace
} // namespace pantrove
