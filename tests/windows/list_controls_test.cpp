#include "skin/controls/list_controls.h"

#include "skin/controls/hover_tracking.h"
#include "skin/core/background_dc.h"
#include "tests/windows/list_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::difference;
using testing_support::frame_pixel;
using testing_support::over;
using testing_support::pump;
using testing_support::window_pixel;
using testing_support::window_size;

constexpr COLORREF kWhite = RGB(255, 255, 255);

class ListControlsTest : public testing_support::ListWindowTest {
protected:
    int entry_number(HWND control) { return record().list_control_list.find_handle(control); }
    ListControlEntry& entry(HWND control) { return record().list_control_list[entry_number(control)]; }
};

struct ClassCase {
    const char* name;
    const wchar_t* window_class;
    DWORD style;
    std::optional<ListControlKind> kind; // none: left alone
};

void PrintTo(const ClassCase& c, std::ostream* out) {
    *out << c.name;
}

class ListClassTest : public ListControlsTest, public testing::WithParamInterface<ClassCase> {};

TEST_P(ListClassTest, TheClassAndStyleDecideWhetherAndAsWhatAControlIsRegistered) {
    const ClassCase& c = GetParam();
    HWND made = control(c.window_class, c.style, 10, 10, 200, 120);
    // A combo box's list is what gets registered, not the combo box.
    HWND target =
        c.window_class == std::wstring_view(WC_COMBOBOXW) ? FindWindowExW(made, nullptr, L"ComboLBox", nullptr) : made;
    ASSERT_NE(target, nullptr);
    const LONG_PTR procedure = GetWindowLongPtrW(target, GWLP_WNDPROC);
    skin_list_controls(number, window);
    if (!c.kind) {
        EXPECT_EQ(entry_number(target), 0);
        EXPECT_EQ(GetWindowLongPtrW(target, GWLP_WNDPROC), procedure);
        EXPECT_EQ(GetPropW(target, props::kOwnNumber), nullptr);
        return;
    }
    ASSERT_EQ(entry_number(target), 1);
    EXPECT_EQ(entry(target).kind, *c.kind);
    EXPECT_TRUE(is_subclassed_with(target, list_control_proc));
    EXPECT_EQ(entry(target).previous_proc, reinterpret_cast<WNDPROC>(procedure));
    EXPECT_EQ(props::get_proc(target, props::kPreviousProc), reinterpret_cast<WNDPROC>(procedure));
    EXPECT_EQ(props::get_int(target, props::kWindowNumber), number);
    EXPECT_EQ(props::get_int(target, props::kOwnNumber), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, ListClassTest,
    testing::Values(
        ClassCase{"ListBox", WC_LISTBOXW, LBS_NOTIFY | WS_BORDER, ListControlKind::list_box},
        ClassCase{"OwnerDrawListBox", WC_LISTBOXW, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, ListControlKind::list_box},
        ClassCase{"ReportListView", WC_LISTVIEWW, LVS_REPORT, ListControlKind::list_view},
        ClassCase{"SortedListView", WC_LISTVIEWW, LVS_REPORT | LVS_SORTASCENDING, std::nullopt},
        ClassCase{"TreeView", WC_TREEVIEWW, TVS_HASLINES, ListControlKind::tree_view},
        ClassCase{"IpAddress", WC_IPADDRESSW, 0, ListControlKind::ip_address},
        ClassCase{"DateTime", DATETIMEPICK_CLASSW, 0, ListControlKind::date_time},
        ClassCase{"SimpleComboList", WC_COMBOBOXW, CBS_SIMPLE, ListControlKind::combo_list},
        ClassCase{"OwnerDrawComboList", WC_COMBOBOXW, CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, std::nullopt}),
    [](const testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

TEST_F(ListControlsTest, ClassesAreTakenInTheirOrderAndOnlyOnce) {
    // Created in the reverse of the registration order.
    HWND tree = control(WC_TREEVIEWW, 0, 10, 10, 100, 100);
    HWND view = control(WC_LISTVIEWW, LVS_REPORT, 120, 10, 100, 100);
    HWND box = control(WC_LISTBOXW, WS_BORDER, 230, 10, 100, 100);
    skin_list_controls(number, window);
    EXPECT_EQ(entry_number(box), 1);
    EXPECT_EQ(entry_number(view), 2);
    EXPECT_EQ(entry_number(tree), 3);
    // A second run must not make list_control_proc its own previous procedure: every message would loop.
    skin_list_controls(number, window);
    EXPECT_EQ(record().list_control_list.count(), 3);
    for (HWND control : {tree, view, box})
        EXPECT_NE(props::get_proc(control, props::kPreviousProc), &list_control_proc);
    SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"一"));
    EXPECT_EQ(SendMessageW(box, LB_GETCOUNT, 0, 0), 1);
}

TEST_F(ListControlsTest, NothingIsTakenWhileControlsAreNotSkinned) {
    skin_controls_enabled = 0;
    HWND box = control(WC_LISTBOXW, WS_BORDER, 10, 10, 100, 100);
    skin_list_controls(number, window);
    EXPECT_EQ(record().list_control_list.count(), 1);
    EXPECT_EQ(record().list_control_list[1].handle, nullptr);
    EXPECT_EQ(GetPropW(box, props::kWindowNumber), nullptr);
}

class ListPreparationTest : public ListControlsTest, public testing::WithParamInterface<bool> {};

TEST_P(ListPreparationTest, TransparencyAtRegistrationClearsTheTextBackgroundAndKeysTheTree) {
    transparent_controls = GetParam() ? 1 : 0;
    HWND view = control(WC_LISTVIEWW, LVS_REPORT, 10, 10, 150, 100);
    HWND tree = control(WC_TREEVIEWW, 0, 170, 10, 150, 100);
    const auto text_background = SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0);
    const auto tree_background = SendMessageW(tree, TVM_GETBKCOLOR, 0, 0);
    skin_list_controls(number, window);
    if (GetParam()) {
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0)), CLR_NONE);
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0)), RGB(255, 0, 255));
    } else {
        EXPECT_EQ(SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0), text_background);
        EXPECT_EQ(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0), tree_background);
    }
}

INSTANTIATE_TEST_SUITE_P(Transparency, ListPreparationTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Transparent" : "Opaque");
                         });

// The frame of a list box with a three-pixel border (WS_BORDER and a client edge): the outline lies on the
// outermost pixel (two pixels when hot), the ring fill shows on the innermost one.
struct FrameCase {
    const char* name;
    bool transparent;
    bool hot;
    bool focused;
};

void PrintTo(const FrameCase& c, std::ostream* out) {
    *out << c.name;
}

class ListFrameTest : public ListControlsTest, public testing::WithParamInterface<FrameCase> {};

TEST_P(ListFrameTest, TheRingIsWhiteOrVeiledAndTheOutlineFollowsTheState) {
    const FrameCase& c = GetParam();
    transparent_controls = c.transparent ? 1 : 0;
    HWND box = control(WC_LISTBOXW, WS_BORDER, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    skin_list_controls(number, window);
    pump();
    testing_support::paint_marker(box, kMarker);
    const RECT inner = client_area_in_window(box);
    ASSERT_EQ(inner.left, 3) << "WS_BORDER and a client edge";

    paint_list_frame(number, entry_number(box), c.hot, c.focused);

    const int y = window_size(box).cy / 2;
    const COLORREF ring = c.transparent ? over(behind_frame(box, 2, y), kWhite, control_alpha) : kWhite;
    EXPECT_LE(difference(frame_pixel(box, 2, y), ring), 2);
    const COLORREF edge_under = c.transparent ? over(behind_frame(box, 0, y), kWhite, control_alpha) : kWhite;
    const COLORREF edge = c.hot || c.focused ? over(edge_under, kTheme, 200) : over(edge_under, 0, 90);
    EXPECT_LE(difference(frame_pixel(box, 0, y), edge), 2);
    if (c.hot) {
        const COLORREF under = c.transparent ? over(behind_frame(box, 1, y), kWhite, control_alpha) : kWhite;
        EXPECT_LE(difference(frame_pixel(box, 1, y), over(under, kTheme, 200)), 2);
    }
    EXPECT_EQ(window_pixel(box, 5, 5), kMarker) << "the client area is left to the control";
}

INSTANTIATE_TEST_SUITE_P(States, ListFrameTest,
                         testing::Values(FrameCase{"OpaqueNormal", false, false, false},
                                         FrameCase{"OpaqueFocused", false, false, true},
                                         FrameCase{"OpaqueHot", false, true, false},
                                         FrameCase{"TransparentNormal", true, false, false},
                                         FrameCase{"TransparentHotAndFocused", true, true, true}),
                         [](const testing::TestParamInfo<FrameCase>& info) { return std::string(info.param.name); });

TEST_F(ListControlsTest, FocusIsDrawnWhenItComesAndGoes) {
    HWND box = control(WC_LISTBOXW, WS_BORDER, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    HWND other = control(WC_LISTBOXW, WS_BORDER, 200, 20, 100, 120);
    skin_list_controls(number, window);
    pump();
    const int y = window_size(box).cy / 2;
    SetFocus(box);
    EXPECT_TRUE(entry(box).focused);
    EXPECT_LE(difference(frame_pixel(box, 0, y), over(kWhite, kTheme, 200)), 2);
    SetFocus(other);
    EXPECT_FALSE(entry(box).focused);
    EXPECT_LE(difference(frame_pixel(box, 0, y), over(kWhite, 0, 90)), 2);
}

TEST_F(ListControlsTest, TheSystemsNonClientPaintingDrawsNoBorderOverTheRing) {
    HWND box = control(WC_LISTBOXW, WS_BORDER, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    skin_list_controls(number, window);
    pump();
    testing_support::paint_frame_marker(box, kMarker);
    SendMessageW(box, WM_NCPAINT, 1, 0);
    const int y = window_size(box).cy / 2;
    for (int x = 0; x < 3; ++x)
        EXPECT_NE(frame_pixel(box, x, y), kMarker) << x;
    EXPECT_LE(difference(frame_pixel(box, 2, y), kWhite), 2);
    EXPECT_LE(difference(frame_pixel(box, 0, y), over(kWhite, 0, 90)), 2);
}

TEST_F(ListControlsTest, ABorderlessListBoxKeepsTheSystemsFrameAndStillShowsTheBackdrop) {
    transparent_controls = 1;
    HWND box = control(WC_LISTBOXW, WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 20, 20, 160, 120);
    for (int i = 0; i < 30; ++i)
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"条目"));
    skin_list_controls(number, window);
    pump();
    ASSERT_FALSE(has_border(box));
    testing_support::paint_frame_marker(box, kMarker);
    paint_list_frame(number, entry_number(box), true, true);
    const SIZE size = window_size(box);
    EXPECT_EQ(frame_pixel(box, size.cx - 2, size.cy / 2), kMarker) << "the skin draws nothing on its frame";

    redraw(box);
    EXPECT_NE(frame_pixel(box, size.cx - 2, size.cy / 2), kMarker) << "the system draws its scroll bar";
    EXPECT_EQ(testing_support::snapshot(box).count([](COLORREF c) { return c == kMarker; }), 0);
}

TEST_F(ListControlsTest, WithBothScrollBarsTheSkinDrawsTheRingAndTheSystemTheBarsAndTheCorner) {
    HWND view = report_list(20, 20, 200, 150, 40, WS_HSCROLL | WS_VSCROLL);
    SetWindowLongPtrW(view, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
    SetWindowPos(view, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    skin_list_controls(number, window);
    pump();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(view, GWL_STYLE));
    ASSERT_EQ(style & (WS_HSCROLL | WS_VSCROLL), static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL));
    testing_support::paint_frame_marker(view, kMarker);
    redraw(view);

    const SIZE size = window_size(view);
    const RECT inner = client_area_in_window(view);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(inner.right - inner.left, [&] {
        RECT client{};
        GetClientRect(view, &client);
        return client.right + bar;
    }());
    // The ring and its outline.
    EXPECT_LE(difference(frame_pixel(view, inner.left - 1, size.cy / 2), kWhite), 2);
    EXPECT_LE(difference(frame_pixel(view, 0, size.cy / 2), over(kWhite, 0, 90)), 2);
    EXPECT_LE(difference(frame_pixel(view, size.cx / 2, size.cy - 1), over(kWhite, 0, 90)), 2);
    // The bars and the corner square between them.
    EXPECT_NE(frame_pixel(view, inner.right - bar / 2, size.cy / 2), kMarker);
    EXPECT_NE(frame_pixel(view, size.cx / 2, inner.bottom - bar / 2), kMarker);
    EXPECT_NE(frame_pixel(view, inner.right - bar / 2, inner.bottom - bar / 2), kMarker);
}

TEST_F(ListControlsTest, ATransparentListViewDrawsItsRowsOverTheVeiledPicture) {
    transparent_controls = 1;
    HWND view = report_list(20, 20, 300, 180, 3);
    skin_list_controls(number, window);
    redraw(view);
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(view, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)));
    const testing_support::Snapshot shot = testing_support::snapshot(view);
    // Below the last row: nothing but the veiled picture.
    const int empty_y = shot.height - 10;
    for (int x : {5, 100, 250})
        EXPECT_LE(difference(shot.at(x, empty_y), veiled(view, x, empty_y)), 2) << x;
    // The first row's texts are drawn, and between them the picture shows.
    int dark = 0;
    for (int y = row.top; y < row.bottom; ++y) {
        for (int x = 0; x < shot.width; ++x)
            dark += testing_support::is_dark(shot.at(x, y)) ? 1 : 0;
    }
    EXPECT_GT(dark, 20);
    EXPECT_LE(difference(shot.at(shot.width - 5, (row.top + row.bottom) / 2),
                         veiled(view, shot.width - 5, (row.top + row.bottom) / 2)),
              2);
}

TEST_F(ListControlsTest, AReportWithHundredsOfRowsKeepsItsRowsOverTheBackgroundWhenScrolled) {
    transparent_controls = 1;
    HWND view = report_list(20, 20, 300, 200, 300);
    skin_child_controls(number, window);
    redraw(view);
    for (int page = 0; page < 5; ++page)
        SendMessageW(view, WM_VSCROLL, SB_PAGEDOWN, 0);
    SendMessageW(view, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    pump();
    ASSERT_GT(SendMessageW(view, LVM_GETTOPINDEX, 0, 0), 20);

    const testing_support::Snapshot shot = testing_support::snapshot(view);
    const int top = static_cast<int>(SendMessageW(view, LVM_GETTOPINDEX, 0, 0));
    const int visible = static_cast<int>(SendMessageW(view, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(visible, 3);
    for (int index = top; index < top + visible; ++index) {
        RECT row{};
        row.left = LVIR_BOUNDS;
        SendMessageW(view, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
        // The number's text, in whatever shade of grey the list draws it, stands out of the backdrop.
        int text = 0;
        for (int y = row.top; y < row.bottom; ++y) {
            for (int x = 0; x < 40; ++x)
                text += difference(shot.at(x, y), veiled(view, x, y)) > 60 ? 1 : 0;
        }
        EXPECT_GT(text, 5) << "row " << index << " shows its number";
        const int y = (row.top + row.bottom) / 2;
        EXPECT_LE(difference(shot.at(42, y), veiled(view, 42, y)), 2) << "row " << index;
    }
    // The header stays the skin's: no veiled picture and no magenta where it lies.
    HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr);
    RECT header_rect{};
    GetClientRect(header, &header_rect);
    ASSERT_GT(header_rect.bottom, 0);
    EXPECT_GT(difference(shot.at(250, header_rect.bottom - 2), veiled(view, 250, header_rect.bottom - 2)), 4);
}

TEST_F(ListControlsTest, ATransparentTreeShowsItsItemsOverTheVeiledPictureAndNeverTheColourKey) {
    transparent_controls = 1;
    HWND tree = control(WC_TREEVIEWW, TVS_HASLINES | WS_BORDER, 20, 20, 200, 150);
    for (const wchar_t* text : {L"百度云", L"微云", L"第三项"}) {
        TVINSERTSTRUCTW insert{};
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert));
    }
    skin_list_controls(number, window);
    redraw(tree);
    const testing_support::Snapshot shot = testing_support::snapshot(tree);
    EXPECT_EQ(shot.count(testing_support::is_magenta), 0);
    EXPECT_GT(shot.count(testing_support::is_dark), 20);
    EXPECT_LE(difference(shot.at(shot.width - 5, shot.height - 5), veiled(tree, shot.width - 5, shot.height - 5)), 2);
}

struct OwnPaintingCase {
    const char* name;
    const wchar_t* window_class;
    DWORD style;
    bool transparent;
    bool own_paint; // WM_PAINT reaches the control's own procedure with the paint DC
    bool own_erase; // WM_ERASEBKGND reaches it
};

void PrintTo(const OwnPaintingCase& c, std::ostream* out) {
    *out << c.name;
}

class ListOwnPaintingTest : public ListControlsTest, public testing::WithParamInterface<OwnPaintingCase> {};

TEST_P(ListOwnPaintingTest, WhatTheSkinPaintsItselfAndWhatItLeavesToTheControl) {
    const OwnPaintingCase& c = GetParam();
    transparent_controls = c.transparent ? 1 : 0;
    HWND made = control(c.window_class, c.style, 20, 20, 160, 100);
    pump();
    testing_support::RecordingProcedure own(made);
    own.paint_after = {WM_PAINT};
    skin_list_controls(number, window);
    own.forget();
    InvalidateRect(made, nullptr, TRUE);
    UpdateWindow(made);
    EXPECT_EQ(own.received(WM_ERASEBKGND), c.own_erase);
    // Painted blue after its own WM_PAINT: the skin's picture replaces that look only when it paints itself.
    EXPECT_EQ(window_pixel(made, 80, 90) == kMarker, c.own_paint);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListOwnPaintingTest,
    testing::Values(OwnPaintingCase{"OpaqueListView", WC_LISTVIEWW, LVS_REPORT, false, true, true},
                    OwnPaintingCase{"OpaqueListBox", WC_LISTBOXW, 0, false, true, true},
                    OwnPaintingCase{"OpaqueTree", WC_TREEVIEWW, 0, false, true, true},
                    OwnPaintingCase{"TransparentListView", WC_LISTVIEWW, LVS_REPORT, true, false, false},
                    OwnPaintingCase{"TransparentListBox", WC_LISTBOXW, 0, true, false, false},
                    OwnPaintingCase{"TransparentOwnerDrawListBox", WC_LISTBOXW, LBS_OWNERDRAWFIXED, true, false, true},
                    OwnPaintingCase{"TransparentTree", WC_TREEVIEWW, 0, true, false, false},
                    OwnPaintingCase{"TransparentIpAddress", WC_IPADDRESSW, 0, true, true, false}),
    [](const testing::TestParamInfo<OwnPaintingCase>& info) { return std::string(info.param.name); });

TEST_F(ListControlsTest, IpAddressAndDateTimeControlsEraseToTheBackdropInTheirTextColour) {
    transparent_controls = 1;
    HWND address = control(WC_IPADDRESSW, 0, 20, 20, 150, 24);
    HWND date = control(DATETIMEPICK_CLASSW, 0, 20, 60, 150, 24);
    skin_list_controls(number, window);
    for (HWND made : {address, date}) {
        props::set_number(made, props::kTextColour, static_cast<INT_PTR>(RGB(10, 20, 30)));
        testing_support::MemoryImage image(150, 24);
        testing_support::fill(image.dc(), 150, 24, kMarker);
        SetTextColor(image.dc(), RGB(1, 2, 3));
        SetBkMode(image.dc(), OPAQUE);
        EXPECT_EQ(SendMessageW(made, WM_ERASEBKGND, reinterpret_cast<WPARAM>(image.dc()), 0), RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(image.dc()), TRANSPARENT);
        EXPECT_EQ(GetTextColor(image.dc()), RGB(10, 20, 30));
        EXPECT_LE(difference(image.pixel(30, 10), veiled(made, 30, 10)), 2);
    }
}

TEST_F(ListControlsTest, TheBackdropIsTheClientAreasPictureUnderTheVeil) {
    HWND box = control(WC_LISTBOXW, WS_BORDER, 30, 40, 120, 90);
    skin_list_controls(number, window);
    control_alpha = 100;
    HDC dc = make_backdrop_dc(box);
    ASSERT_NE(dc, nullptr);
    RECT client{};
    GetClientRect(box, &client);
    BITMAP bitmap{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, client.right);
    EXPECT_EQ(bitmap.bmHeight, client.bottom);
    for (POINT p : {POINT{0, 0}, POINT{60, 45}, POINT{client.right - 1, client.bottom - 1}})
        EXPECT_LE(difference(GetPixel(dc, p.x, p.y), over(behind(box, p.x, p.y), kWhite, 100)), 2);
    EXPECT_TRUE(free_background_dc(dc));
    HWND outside = top_window(50, 50);
    EXPECT_EQ(make_backdrop_dc(outside), nullptr);
}

struct AreaCase {
    const char* name;
    DWORD style;
    bool vertical;
    bool horizontal;
};

void PrintTo(const AreaCase& c, std::ostream* out) {
    *out << c.name;
}

class ClientAreaTest : public ListControlsTest, public testing::WithParamInterface<AreaCase> {};

TEST_P(ClientAreaTest, TheClientAreaWithItsScrollBarsSitsInsideEqualBorders) {
    const AreaCase& c = GetParam();
    HWND box =
        control(WC_LISTBOXW, c.style | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL, 20, 20, 150, 100, WS_EX_CLIENTEDGE);
    RECT client{};
    GetClientRect(box, &client);
    const LONG width = client.right + (c.vertical ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    const LONG height = client.bottom + (c.horizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    const SIZE size = window_size(box);
    const RECT inner = client_area_in_window(box);
    EXPECT_EQ(inner.left, (size.cx - width) / 2);
    EXPECT_EQ(inner.top, (size.cy - height) / 2);
    EXPECT_EQ(inner.right - inner.left, width);
    EXPECT_EQ(inner.bottom - inner.top, height);
    EXPECT_EQ(static_cast<bool>(scroll_bar_region(box)), c.vertical || c.horizontal);
}

INSTANTIATE_TEST_SUITE_P(Bars, ClientAreaTest,
                         testing::Values(AreaCase{"None", WS_BORDER, false, false},
                                         AreaCase{"Vertical", WS_VSCROLL, true, false},
                                         AreaCase{"Horizontal", WS_HSCROLL, false, true},
                                         AreaCase{"Both", WS_VSCROLL | WS_HSCROLL | WS_BORDER, true, true}),
                         [](const testing::TestParamInfo<AreaCase>& info) { return std::string(info.param.name); });

TEST_F(ListControlsTest, TheScrollBarRegionCoversBothBarsAndTheCornerInScreenCoordinates) {
    HWND box = control(WC_LISTBOXW, WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT, 20, 20, 150,
                       100, WS_EX_CLIENTEDGE);
    const gdi::Region bars = scroll_bar_region(box);
    ASSERT_TRUE(bars);
    RECT window_rect{};
    GetWindowRect(box, &window_rect);
    const RECT inner = client_area_in_window(box);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const auto at = [&](int x, int y) {
        return PtInRegion(bars.get(), window_rect.left + x, window_rect.top + y) != 0;
    };
    EXPECT_TRUE(at(inner.right - bar / 2, inner.top + 5));
    EXPECT_TRUE(at(inner.left + 5, inner.bottom - bar / 2));
    EXPECT_TRUE(at(inner.right - bar / 2, inner.bottom - bar / 2)) << "the corner square";
    EXPECT_FALSE(at(inner.left + 5, inner.top + 5));
    EXPECT_FALSE(at(1, 1));
}

TEST_F(ListControlsTest, ExcludingAndInvalidatingChildrenConcernsTheVisibleOnes) {
    HWND container = control(L"Static", 0, 10, 10, 300, 200);
    HWND opaque = child(container, L"Static", 0, 10, 10, 50, 50);
    HWND see_through = child(container, L"Static", 0, 80, 10, 50, 50);
    SetWindowLongPtrW(see_through, GWL_EXSTYLE, WS_EX_TRANSPARENT);
    HWND hidden = child(container, L"Static", 0, 150, 10, 50, 50);
    ShowWindow(hidden, SW_HIDE);
    pump();
    {
        const ChildFreeDc dc(container);
        ASSERT_TRUE(dc);
        EXPECT_FALSE(PtVisible(dc.get(), 30, 30));
        EXPECT_TRUE(PtVisible(dc.get(), 100, 30));
        EXPECT_TRUE(PtVisible(dc.get(), 170, 30));
        EXPECT_TRUE(PtVisible(dc.get(), 250, 150));
    }
    for (HWND c : {opaque, see_through, hidden})
        ValidateRect(c, nullptr);
    invalidate_visible_children(container);
    EXPECT_TRUE(GetUpdateRect(opaque, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(see_through, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(hidden, nullptr, FALSE));
}

class ArrowKeyTest : public ListControlsTest {
protected:
    void SetUp() override {
        ListControlsTest::SetUp();
        transparent_controls = 1;
        view = report_list(20, 20, 300, 200, 50);
        skin_child_controls(number, window);
        pump();
    }

    // What the message loop does with a queued message before dispatching it.
    void preprocess(HWND target, UINT message, WPARAM key) {
        preprocess_list_key(MSG{target, message, key, 0, 0, {0, 0}});
    }

    bool invalidated() {
        const bool pending = GetUpdateRect(view, nullptr, FALSE) != 0;
        ValidateRect(view, nullptr);
        return pending;
    }

    HWND view = nullptr;
};

TEST_F(ArrowKeyTest, AHeldArrowKeyInvalidatesTheListAfterEachKeyMessage) {
    ValidateRect(view, nullptr);
    preprocess(view, WM_KEYDOWN, VK_DOWN);
    EXPECT_FALSE(invalidated()) << "no arrow key is down yet";
    SendMessageW(view, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_TRUE(entry(view).arrow_key_down);
    ValidateRect(view, nullptr);

    // The repeats of the held key, and a key message of the list's header, which the list sees as ancestor.
    HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr);
    for (HWND target : {view, view, header}) {
        preprocess(target, WM_KEYDOWN, VK_DOWN);
        EXPECT_TRUE(invalidated());
    }
    // Other queued messages are not announced: a paint message would invalidate the list for ever.
    for (UINT message : {UINT{WM_PAINT}, UINT{WM_MOUSEMOVE}, UINT{WM_TIMER}}) {
        preprocess(view, message, 0);
        EXPECT_FALSE(invalidated()) << message;
    }
    preprocess(view, WM_KEYUP, VK_DOWN);
    EXPECT_TRUE(invalidated());
    SendMessageW(view, WM_KEYUP, VK_DOWN, 0);
    EXPECT_FALSE(entry(view).arrow_key_down);
    preprocess(view, WM_KEYDOWN, VK_DOWN);
    EXPECT_FALSE(invalidated());
}

TEST_F(ArrowKeyTest, OtherKeysAndOpaqueListsAreNotInvalidatedAndOtherWindowsAreNotTold) {
    SendMessageW(view, WM_KEYDOWN, 'A', 0);
    EXPECT_FALSE(entry(view).arrow_key_down);
    ValidateRect(view, nullptr);
    preprocess(view, WM_KEYDOWN, 'A');
    EXPECT_FALSE(invalidated());

    SendMessageW(view, WM_KEYDOWN, VK_LEFT, 0);
    transparent_controls = 0;
    ValidateRect(view, nullptr);
    preprocess(view, WM_KEYDOWN, VK_LEFT);
    EXPECT_FALSE(invalidated());

    // The message number belongs to the list controls: the skinned window above the list never gets it.
    testing_support::RecordingProcedure parent(window);
    preprocess(view, WM_KEYDOWN, VK_LEFT);
    EXPECT_FALSE(parent.received(kListKeyMessage));
}

TEST_F(ArrowKeyTest, TheInvalidationErasesNothing) {
    testing_support::RecordingProcedure own(view);
    SendMessageW(view, WM_KEYDOWN, VK_UP, 0);
    UpdateWindow(view);
    own.forget();
    preprocess(view, WM_KEYDOWN, VK_UP);
    UpdateWindow(view);
    EXPECT_TRUE(own.received(WM_PAINT));
    EXPECT_FALSE(own.received(WM_ERASEBKGND));
}

TEST_F(ListControlsTest, MovingTheMouseInsideOneListRepaintsItsHotFrameOnce) {
    HWND box = control(WC_LISTBOXW, WS_BORDER, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    HWND other = control(WC_LISTBOXW, WS_BORDER, 200, 20, 100, 120, WS_EX_CLIENTEDGE);
    skin_list_controls(number, window);
    pump();
    const int y = window_size(box).cy / 2;
    const auto move = [](HWND control) { SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(20, 20)); };

    move(box);
    EXPECT_TRUE(entry(box).hot);
    EXPECT_EQ(record().hover_family, hover_family::list_controls);
    EXPECT_EQ(record().hover_id, entry_number(box));
    EXPECT_LE(difference(frame_pixel(box, 1, y), over(kWhite, kTheme, 200)), 2);
    testing_support::paint_frame_marker(box, kMarker);
    move(box);
    move(box);
    EXPECT_EQ(frame_pixel(box, 1, y), kMarker) << "moves inside the list repaint nothing";

    SendMessageW(box, WM_MOUSELEAVE, 0, 0);
    move(other);
    EXPECT_FALSE(entry(box).hot);
    EXPECT_EQ(record().hover_id, entry_number(other));
    EXPECT_LE(difference(frame_pixel(box, 0, y), over(kWhite, 0, 90)), 2);
    EXPECT_LE(difference(frame_pixel(box, 1, y), kWhite), 2);
}

TEST_F(ListControlsTest, HundredsOfPaintAndHoverCyclesGiveBackEveryObject) {
    transparent_controls = 1;
    HWND view = report_list(10, 10, 200, 120, 40);
    HWND box = control(WC_LISTBOXW, WS_BORDER | WS_VSCROLL, 220, 10, 120, 100);
    HWND tree = control(WC_TREEVIEWW, WS_BORDER, 10, 140, 150, 90);
    HWND address = control(WC_IPADDRESSW, 0, 180, 140, 150, 24);
    for (int i = 0; i < 20; ++i)
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"条目"));
    skin_child_controls(number, window);
    HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr);
    pump();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();
    for (int cycle = 0; cycle < 200; ++cycle) {
        for (HWND control : {view, box, tree, address, header}) {
            SendMessageW(control, WM_MOUSEMOVE, 0, testing_support::point(10 + cycle % 50, 8));
            SendMessageW(control, WM_MOUSELEAVE, 0, 0);
        }
        SendMessageW(view, WM_VSCROLL, cycle % 2 ? SB_LINEUP : SB_LINEDOWN, 0);
        redraw(window);
    }
    EXPECT_TRUE(dc_registry.empty());
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
    // The paints really ran: the empty tree shows the veiled picture.
    EXPECT_LE(difference(window_pixel(tree, 10, 50), veiled(tree, 10, 50)), 2);
}

} // namespace
} // namespace pantrove
