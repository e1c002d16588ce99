#include "skin/core/containers.h"

#include "skin/controls/buttons.h"
#include "skin/controls/control_registry.h"
#include "skin/core/skin_object.h"
#include "tests/windows/control_test_support.h"
#include "tests/windows/skinned_frame_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::brightness;
using testing_support::difference;
using testing_support::MemoryImage;
using testing_support::over;
using testing_support::pump;
using testing_support::RecordingProcedure;
using testing_support::snapshot;
using testing_support::window_pixel;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFill = RGB(200, 30, 60);

class ContainersTest : public testing_support::SkinnedWindowTest {
protected:
    void TearDown() override {
        // The image goes before the leak check; the record must not show it meanwhile.
        if (plain_) {
            record().background_dc = nullptr;
            plain_.reset();
        }
        SkinnedWindowTest::TearDown();
    }

    HWND panel(int x, int y, int width, int height, HWND parent = nullptr) {
        return child(parent ? parent : window, L"Static", 0, x, y, width, height);
    }

    HWND group_box(DWORD alignment, int x, int y, int width, int height, const wchar_t* text = L"") {
        return button(window, BS_GROUPBOX | alignment, x, y, width, height, text);
    }

    int entry_number(HWND container) { return record().container_list.find_handle(container); }
    ContainerEntry& entry(HWND container) { return record().container_list[entry_number(container)]; }

    // Replaces the window's composed image with one of a single colour.
    void plain_background(COLORREF colour) {
        RECT client{};
        GetClientRect(window, &client);
        plain_ = std::make_unique<MemoryImage>(client.right, client.bottom);
        testing_support::fill(plain_->dc(), client.right, client.bottom, colour);
        record().background_dc = plain_->dc();
    }

    static HWND transparent(HWND control) {
        SetWindowLongPtrW(control, GWL_EXSTYLE, GetWindowLongPtrW(control, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
        return control;
    }

    // Paints the container now, as the system would after a change.
    static void repaint(HWND container) {
        InvalidateRect(container, nullptr, FALSE);
        UpdateWindow(container);
    }

private:
    std::unique_ptr<MemoryImage> plain_;
};

TEST_F(ContainersTest, AContainerIsRegisteredOnceWithItsOptionsAndItsControlsJoinTheWindowsLists) {
    HWND box = panel(10, 10, 200, 150);
    HWND push = button(box, BS_PUSHBUTTON, 10, 10, 80, 24, L"确定");
    HWND edit = child(box, L"Edit", WS_BORDER, 10, 40, 100, 22);
    HWND list = child(box, L"ListBox", WS_BORDER, 10, 70, 100, 60);
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box, GWLP_WNDPROC));

    // The window's own pass reaches its direct children only.
    skin_child_controls(number, window);
    EXPECT_EQ(record().button_list.find_handle(push), 0);

    EXPECT_EQ(skin->skin_container(box, true, kFill, 0x180, true), 1);
    ASSERT_EQ(entry_number(box), 1); // the empty first entry is taken
    const ContainerEntry& registered = entry(box);
    EXPECT_EQ(registered.fill_colour, kFill);
    EXPECT_EQ(registered.fill_alpha, 0x80); // the low eight bits
    EXPECT_TRUE(registered.draw_outline);
    EXPECT_TRUE(registered.skinned);
    EXPECT_FALSE(registered.group_box);
    EXPECT_TRUE(registered.needs_render);
    EXPECT_EQ(registered.old_proc, previous);
    EXPECT_TRUE(is_subclassed_with(box, container_proc));
    EXPECT_EQ(props::get_proc(box, props::kPreviousProc), previous);
    EXPECT_EQ(props::get_int(box, props::kOwnNumber), 1);
    EXPECT_EQ(props::get_int(box, props::kWindowNumber), number);

    EXPECT_GE(record().button_list.find_handle(push), 1);
    EXPECT_GE(record().edit_list.find_handle(edit), 1);
    EXPECT_GE(record().list_control_list.find_handle(list), 1);
    EXPECT_EQ(props::get_int(push, props::kWindowNumber), number);
    EXPECT_EQ(props::get_int(edit, props::kWindowNumber), number);

    // Again: nothing changes, and container_proc does not become its own previous procedure.
    EXPECT_EQ(skin->skin_container(box, false, 0, 10, false), 0);
    EXPECT_EQ(record().container_list.count(), 1);
    EXPECT_TRUE(entry(box).skinned);
    EXPECT_EQ(props::get_proc(box, props::kPreviousProc), previous);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"still answers"));

    // A second container takes a new entry.
    HWND other = panel(220, 10, 100, 100);
    EXPECT_EQ(skin->skin_container(other), 1);
    EXPECT_EQ(entry_number(other), 2);
    EXPECT_EQ(entry(other).fill_colour, 0u);
    EXPECT_EQ(entry(other).fill_alpha, 255);
    EXPECT_FALSE(entry(other).draw_outline);
}

TEST_F(ContainersTest, ControlsInAContainerInsideAContainerAreReachedThroughEach) {
    HWND outer = panel(10, 10, 300, 200);
    HWND inner = panel(10, 10, 200, 150, outer);
    HWND push = button(inner, BS_PUSHBUTTON, 10, 10, 80, 24);
    skin->skin_container(outer);
    EXPECT_EQ(record().button_list.find_handle(push), 0);
    skin->skin_container(inner);
    EXPECT_GE(record().button_list.find_handle(push), 1);
    EXPECT_EQ(props::get_int(inner, props::kWindowNumber), number);
}

TEST_F(ContainersTest, AContainerOutsideEverySkinnedWindowIsLeftAlone) {
    HWND plain = top_window(200, 100);
    HWND box = child(plain, L"Static", 0, 0, 0, 100, 50);
    const LONG_PTR procedure = GetWindowLongPtrW(box, GWLP_WNDPROC);
    EXPECT_EQ(skin->skin_container(box), 0);
    EXPECT_EQ(dispatch_child_controls(box, true, 0, 255, false), 0);
    EXPECT_EQ(GetWindowLongPtrW(box, GWLP_WNDPROC), procedure);
    EXPECT_EQ(GetPropW(box, props::kOwnNumber), nullptr);
    EXPECT_EQ(skin->skin_container(nullptr), 0);
}

struct GroupBoxCase {
    const char* name;
    const wchar_t* window_class;
    DWORD style;
    bool group_box;
};

void PrintTo(const GroupBoxCase& c, std::ostream* out) {
    *out << c.name;
}

class GroupBoxTypeTest : public ContainersTest, public testing::WithParamInterface<GroupBoxCase> {};

TEST_P(GroupBoxTypeTest, OnlyTheGroupBoxTypeMakesAGroupBoxWhateverItsAlignment) {
    const GroupBoxCase& c = GetParam();
    HWND made = child(window, c.window_class, c.style, 10, 10, 120, 80);
    EXPECT_EQ(is_group_box(made), c.group_box);
    skin->skin_container(made);
    const ContainerEntry& registered = entry(made);
    EXPECT_EQ(registered.group_box, c.group_box);
    if (c.group_box) {
        // A caption is always drawn in some font.
        EXPECT_FALSE(registered.label_font.empty());
        EXPECT_GT(registered.label_font_size, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, GroupBoxTypeTest,
                         testing::Values(GroupBoxCase{"group_box_without_alignment", L"Button", BS_GROUPBOX, true},
                                         GroupBoxCase{"group_box_left", L"Button", BS_GROUPBOX | BS_LEFT, true},
                                         GroupBoxCase{"group_box_right", L"Button", BS_GROUPBOX | BS_RIGHT, true},
                                         GroupBoxCase{"group_box_centred", L"Button", BS_GROUPBOX | BS_CENTER, true},
                                         GroupBoxCase{"radio_button", L"Button", BS_RADIOBUTTON, false},
                                         GroupBoxCase{"three_state_box", L"Button", BS_AUTO3STATE, false},
                                         GroupBoxCase{"push_button", L"Button", BS_PUSHBUTTON, false},
                                         GroupBoxCase{"static_of_the_same_style", L"Static", BS_GROUPBOX, false}),
                         [](const testing::TestParamInfo<GroupBoxCase>& info) { return std::string(info.param.name); });

struct MoveCase {
    const char* name;
    bool group_box;
    COLORREF fill;
    int alpha;
    bool skinned;
    bool repainted;
};

void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.name;
}

class ContainerMoveTest : public ContainersTest, public testing::WithParamInterface<MoveCase> {};

// A moved container shows the image behind its old place until it is drawn again: all that show the image
// anywhere repaint, an opaque fill over the whole area need not.
TEST_P(ContainerMoveTest, AContainerRepaintsWhenMovedUnlessItsFillHidesTheWindow) {
    const MoveCase& c = GetParam();
    HWND box = c.group_box ? group_box(BS_LEFT, 20, 20, 150, 100) : panel(20, 20, 150, 100);
    skin->skin_container(box, c.skinned, c.fill, c.alpha);
    UpdateWindow(box);
    ValidateRect(box, nullptr);
    SendMessageW(box, WM_MOVE, 0, MAKELPARAM(25, 20));
    EXPECT_EQ(GetUpdateRect(box, nullptr, FALSE) != FALSE, c.repainted);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainerMoveTest,
                         testing::Values(MoveCase{"translucent", false, kFill, 128, true, true},
                                         MoveCase{"opaque", false, kFill, 255, true, false},
                                         MoveCase{"without_fill", false, 0, 255, true, true},
                                         MoveCase{"opaque_group_box", true, kFill, 255, true, true},
                                         MoveCase{"translucent_unskinned", false, kFill, 128, false, false}),
                         [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

struct FillCase {
    const char* name;
    COLORREF fill;
    int alpha;
    bool outline;
};

void PrintTo(const FillCase& c, std::ostream* out) {
    *out << c.name;
}

class ContainerFillTest : public ContainersTest, public testing::WithParamInterface<FillCase> {};

TEST_P(ContainerFillTest, TheContainerShowsTheWindowImageTintedByItsFillAndOutlinedWhenAsked) {
    const FillCase& c = GetParam();
    constexpr int kWidth = 160, kHeight = 100;
    HWND box = panel(30, 40, kWidth, kHeight);
    skin->skin_container(box, true, c.fill, c.alpha, c.outline);
    repaint(box);
    EXPECT_FALSE(entry(box).needs_render);
    const auto expected = [&](int x, int y) {
        const COLORREF under = behind(box, x, y);
        return c.fill ? over(under, c.fill, c.alpha) : under;
    };
    for (const POINT p : {POINT{20, 20}, POINT{80, 50}, POINT{150, 90}})
        EXPECT_LE(difference(window_pixel(box, p.x, p.y), expected(p.x, p.y)), 2) << p.x << "," << p.y;
    // Outer outline: black at 40 on the outermost pixels; inner: white at 100 one pixel in.
    const int middle = kHeight / 2;
    if (c.outline) {
        EXPECT_LE(difference(window_pixel(box, 0, middle), over(expected(0, middle), kBlack, 40)), 2);
        EXPECT_LE(difference(window_pixel(box, kWidth - 1, middle), over(expected(kWidth - 1, middle), kBlack, 40)), 2);
        EXPECT_LE(difference(window_pixel(box, 1, middle), over(expected(1, middle), kWhite, 100)), 2);
    } else {
        EXPECT_LE(difference(window_pixel(box, 0, middle), expected(0, middle)), 2);
        EXPECT_LE(difference(window_pixel(box, 1, middle), expected(1, middle)), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainerFillTest,
                         testing::Values(FillCase{"clear", 0, 255, false}, FillCase{"translucent", kFill, 100, false},
                                         FillCase{"opaque_outlined", kFill, 255, true},
                                         FillCase{"clear_outlined", 0, 255, true}),
                         [](const testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

TEST_F(ContainersTest, AGroupBoxHasItsRoundedDoubleOutlineBelowTheCaptionLine) {
    constexpr COLORREF kBack = RGB(220, 220, 220);
    plain_background(kBack);
    constexpr int kWidth = 180, kHeight = 90;
    HWND box = group_box(BS_LEFT, 20, 20, kWidth, kHeight);
    skin->skin_container(box, true, kFill, 80);
    repaint(box);
    const COLORREF tinted = over(kBack, kFill, 80);
    const int x = kWidth / 2;
    EXPECT_LE(difference(window_pixel(box, x, 2), kBack), 2); // above the outline: no tint
    EXPECT_LE(difference(window_pixel(box, x, 5), over(tinted, kBlack, 40)), 2);
    EXPECT_LE(difference(window_pixel(box, x, 6), over(tinted, kWhite, 90)), 2);
    EXPECT_LE(difference(window_pixel(box, x, kHeight / 2), tinted), 2);
    // The fill ends above the outline's bottom row.
    EXPECT_LE(difference(window_pixel(box, x, kHeight - 1), over(kBack, kBlack, 40)), 2);
    EXPECT_LE(difference(window_pixel(box, x, kHeight - 2), over(tinted, kWhite, 90)), 2);
}

enum class Placement { Left, Centre, Right };

struct CaptionCase {
    const char* name;
    DWORD alignment;
    Placement placement;
};

void PrintTo(const CaptionCase& c, std::ostream* out) {
    *out << c.name;
}

class GroupBoxCaptionTest : public ContainersTest, public testing::WithParamInterface<CaptionCase> {};

TEST_P(GroupBoxCaptionTest, TheCaptionSitsByItsAlignmentBitsAndInterruptsTheOutline) {
    const CaptionCase& c = GetParam();
    constexpr COLORREF kBack = RGB(235, 235, 235);
    plain_background(kBack);
    constexpr int kWidth = 240, kHeight = 100;
    HWND box = group_box(c.alignment, 20, 20, kWidth, kHeight, L"分组 Group");
    skin->skin_container(box);
    repaint(box);
    const int band = entry(box).label_font_size + 4;
    const testing_support::Snapshot shot = [&] {
        HDC dc = GetDC(box);
        const testing_support::Snapshot taken = snapshot(dc, kWidth, band);
        ReleaseDC(box, dc);
        return taken;
    }();
    // The text is black: far darker than the outline's black at 40 over the background.
    const RECT text = shot.bounds([&](COLORREF pixel) { return brightness(pixel) < brightness(kBack) - 250; });
    ASSERT_LT(text.left, text.right) << "no caption drawn";
    // GDI+ lays text out with a little room on either side of its glyphs.
    constexpr int kRoom = 5;
    switch (c.placement) {
    case Placement::Left:
        EXPECT_GE(text.left, 10);
        EXPECT_LE(text.left, 10 + kRoom);
        break;
    case Placement::Right:
        EXPECT_LE(text.right, kWidth - 10);
        EXPECT_GE(text.right, kWidth - 10 - kRoom);
        break;
    case Placement::Centre:
        EXPECT_LE(std::abs((text.left + text.right) - kWidth), 3);
        break;
    }
    // The outline runs on row 5 away from the caption, and not through the caption's box.
    const int away = c.placement == Placement::Left ? kWidth - 20 : 20;
    EXPECT_LE(difference(shot.at(away, 5), over(kBack, kBlack, 40)), 2);
    const int inside = c.placement == Placement::Left ? text.left - 1 : text.right;
    EXPECT_LE(difference(shot.at(inside, 5), kBack), 2);
}

INSTANTIATE_TEST_SUITE_P(Alignments, GroupBoxCaptionTest,
                         testing::Values(CaptionCase{"left", BS_LEFT, Placement::Left},
                                         CaptionCase{"centred", BS_CENTER, Placement::Centre},
                                         CaptionCase{"right", BS_RIGHT, Placement::Right},
                                         CaptionCase{"without_alignment", 0, Placement::Right}),
                         [](const testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

TEST_F(ContainersTest, TheCaptionIsDrawnInTheBoxsTextColour) {
    constexpr COLORREF kBack = RGB(235, 235, 235);
    constexpr COLORREF kText = RGB(0, 0, 230);
    plain_background(kBack);
    HWND box = group_box(BS_LEFT, 20, 20, 200, 80, L"分组");
    skin->skin_container(box);
    skin->set_control_text_colour(box, kText);
    repaint(box);
    HDC dc = GetDC(box);
    const testing_support::Snapshot shot = snapshot(dc, 200, entry(box).label_font_size + 4);
    ReleaseDC(box, dc);
    EXPECT_GT(shot.count([&](COLORREF pixel) { return difference(pixel, kText) <= 10; }), 5);
    EXPECT_EQ(shot.count([&](COLORREF pixel) { return brightness(pixel) < 60; }), 0);
}

TEST_F(ContainersTest, AContainerPaintedOnceIsPresentedAfterwardsAndItsTransparentChildrenFollow) {
    HWND box = panel(20, 20, 200, 120);
    HWND see_through = transparent(child(box, L"Static", 0, 10, 10, 50, 30));
    HWND opaque = child(box, L"Static", 0, 80, 10, 50, 30);
    skin->skin_container(box, true, kFill, 120);
    UpdateWindow(box);
    const int k = entry_number(box);
    EXPECT_FALSE(entry(box).needs_render);
    for (HWND control : {see_through, opaque}) {
        UpdateWindow(control);
        ValidateRect(control, nullptr);
    }
    present_container(number, k);
    EXPECT_TRUE(GetUpdateRect(see_through, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(opaque, nullptr, FALSE));
    // What was presented is the composed container, around the opaque child.
    EXPECT_LE(difference(window_pixel(box, 150, 100), over(behind(box, 150, 100), kFill, 120)), 2);
}

TEST_F(ContainersTest, ResizingRendersAgainAndKeepsDockedChildrenAtFullWidth) {
    HWND box = panel(20, 20, 200, 120);
    HWND docked = child(box, L"Static", 0, 0, 0, 10, 10);
    skin->skin_container(box);
    UpdateWindow(box);
    entry(box).docked.push_back({docked, 30});
    SetWindowPos(box, nullptr, 0, 0, 260, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(entry(box).needs_render);
    RECT r{};
    GetWindowRect(docked, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 258);
    EXPECT_EQ(r.bottom, 150);
    repaint(box);
    EXPECT_FALSE(entry(box).needs_render);
}

TEST_F(ContainersTest, AnUnskinnedContainerPaintsItselfWhileItsControlsAreSkinned) {
    HWND box = panel(20, 20, 200, 120);
    HWND push = button(box, BS_PUSHBUTTON, 10, 10, 80, 24);
    RecordingProcedure own(box);
    skin->skin_container(box, false, kFill, 120);
    EXPECT_GE(record().button_list.find_handle(push), 1);
    repaint(box);
    EXPECT_TRUE(own.received(WM_PAINT));
    EXPECT_TRUE(entry(box).needs_render);
    own.forget();
    HDC dc = GetDC(box);
    SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(box, dc);
    EXPECT_TRUE(own.received(WM_ERASEBKGND));
}

TEST_F(ContainersTest, ASkinnedContainerErasesNothingAndPaintsWithoutItsOwnProcedure) {
    HWND box = panel(20, 20, 200, 120);
    RecordingProcedure own(box);
    skin->skin_container(box);
    HDC dc = GetDC(box);
    SetBkMode(dc, OPAQUE);
    EXPECT_EQ(SendMessageW(box, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    ReleaseDC(box, dc);
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    EXPECT_FALSE(own.received(WM_ERASEBKGND));
    EXPECT_FALSE(own.received(WM_PAINT));
}

TEST_F(ContainersTest, AContainerShownIsRenderedAfterItsOwnProcedureSawTheMessage) {
    HWND box = panel(20, 20, 200, 120);
    ShowWindow(box, SW_HIDE);
    RecordingProcedure own(box);
    skin->skin_container(box);
    ShowWindow(box, SW_SHOWNA);
    EXPECT_TRUE(own.received(WM_SHOWWINDOW));
    EXPECT_FALSE(entry(box).needs_render);
}

TEST_F(ContainersTest, OwnerDrawnButtonsInAContainerArePaintedOverTheWindowImage) {
    HWND box = panel(20, 20, 200, 120);
    HWND push = button(box, BS_PUSHBUTTON, 10, 10, 90, 30, L"确定");
    skin->skin_container(box);
    testing_support::paint_marker(push, RecordingProcedure::kOwnLook);
    InvalidateRect(push, nullptr, FALSE);
    UpdateWindow(push);
    // The corner lies outside the rounded face: it shows the window's image.
    EXPECT_LE(difference(window_pixel(push, 0, 0), behind(push, 0, 0)), 2);
}

struct AlphaCase {
    const char* name;
    COLORREF fill;
    int alpha;
    int expected_alpha;
    bool invalidated;
};

void PrintTo(const AlphaCase& c, std::ostream* out) {
    *out << c.name;
}

class ContainerAlphaTest : public ContainersTest, public testing::WithParamInterface<AlphaCase> {};

TEST_P(ContainerAlphaTest, OnlyAContainerWithAFillChangesItsOpacity) {
    const AlphaCase& c = GetParam();
    HWND box = panel(20, 20, 200, 120);
    skin->skin_container(box, true, c.fill, 255);
    UpdateWindow(box);
    ValidateRect(box, nullptr);
    skin->set_container_alpha(box, c.alpha);
    EXPECT_EQ(entry(box).fill_alpha, c.expected_alpha);
    EXPECT_EQ(GetUpdateRect(box, nullptr, FALSE) != FALSE, c.invalidated);
    UpdateWindow(box);
    const COLORREF under = behind(box, 100, 60);
    EXPECT_LE(difference(window_pixel(box, 100, 60), c.fill ? over(under, c.fill, c.expected_alpha) : under), 2);
}

INSTANTIATE_TEST_SUITE_P(Cases, ContainerAlphaTest,
                         testing::Values(AlphaCase{"with_fill", kFill, 64, 64, true},
                                         AlphaCase{"low_eight_bits", kFill, 0x150, 0x50, true},
                                         AlphaCase{"without_fill", 0, 64, 255, false}),
                         [](const testing::TestParamInfo<AlphaCase>& info) { return std::string(info.param.name); });

TEST_F(ContainersTest, SetContainerAlphaIgnoresControlsThatAreNoContainers) {
    HWND box = panel(20, 20, 200, 120);
    skin->skin_container(box, true, kFill, 200);
    // A skinned button carries a window and an entry number too: the first button is number 1 as well.
    HWND push = button(window, BS_PUSHBUTTON, 240, 20, 80, 24);
    skin_push_buttons(number, window);
    ASSERT_EQ(props::get_int(push, props::kOwnNumber), entry_number(box));
    skin->set_container_alpha(push, 10);
    skin->set_container_alpha(panel(240, 60, 50, 50), 10);
    skin->set_container_alpha(nullptr, 10);
    EXPECT_EQ(entry(box).fill_alpha, 200);
}

// Skinned windows built by skin_window, whose containers answer their controls as the window does.
class ContainerMessagesTest : public testing_support::SkinnedFrameTest {
protected:
    // A container of the test window class, whose own procedure answers colour messages with kOwnAnswer.
    HWND container_in(HWND window) {
        HWND box = child(window, testing_support::kFrameTestClass, 0, 10, 40, 260, 150);
        skin->skin_container(box);
        return box;
    }
};

enum class Answer { Picture, Hollow, Forwarded };

struct ColourCase {
    const char* name;
    UINT message;
    const wchar_t* control_class;
    DWORD style;
    bool combo_edit; // the edit box of a combo box instead
    int transparent;
    Answer answer;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.name;
}

class ContainerColourTest : public ContainerMessagesTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(ContainerColourTest, ControlsInAContainerAreColouredAsInTheWindow) {
    const ColourCase& c = GetParam();
    const int number = skinned(300, 220);
    HWND window = handle(number);
    skin->paint_window(number, nullptr, false);
    transparent_controls = c.transparent;
    HWND box = container_in(window);
    HWND control = child(box, c.control_class, c.style, 10, 10, 120, 60);
    if (c.combo_edit)
        control = FindWindowExW(control, nullptr, L"Edit", nullptr);
    ASSERT_NE(control, nullptr);
    props::set_number(control, props::kTextColour, RGB(1, 2, 3));
    MemoryImage image(10, 10);
    HDC dc = image.dc();
    SetTextColor(dc, RGB(200, 200, 200));
    SetBkMode(dc, OPAQUE);
    const LRESULT result =
        SendMessageW(box, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const auto brush = props::get_handle<HGDIOBJ>(control, props::kColourBrush);
    switch (c.answer) {
    case Answer::Picture:
        EXPECT_EQ(result, reinterpret_cast<LRESULT>(brush));
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
        break;
    case Answer::Hollow:
        EXPECT_EQ(result, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        break;
    case Answer::Forwarded:
        // Unchanged: the container's own procedure answered, and the DC is as it was.
        EXPECT_EQ(result, testing_support::kOwnAnswer);
        EXPECT_EQ(brush, nullptr);
        EXPECT_EQ(GetBkMode(dc), OPAQUE);
        EXPECT_EQ(GetTextColor(dc), RGB(200, 200, 200));
        break;
    }
    if (c.answer != Answer::Forwarded) {
        EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    }
    // The window gives back what was answered on its behalf when it dies (checked after the test).
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ContainerColourTest,
    testing::Values(
        ColourCase{"edit", WM_CTLCOLOREDIT, L"Edit", 0, false, 1, Answer::Picture},
        ColourCase{"combo_box_edit", WM_CTLCOLOREDIT, L"ComboBox", CBS_DROPDOWN, true, 1, Answer::Forwarded},
        ColourCase{"label", WM_CTLCOLORSTATIC, L"Static", 0, false, 1, Answer::Picture},
        ColourCase{"list_box", WM_CTLCOLORLISTBOX, L"ListBox", 0, false, 1, Answer::Hollow},
        ColourCase{"button", WM_CTLCOLORBTN, L"Button", 0, false, 1, Answer::Hollow},
        ColourCase{"label_without_transparency", WM_CTLCOLORSTATIC, L"Static", 0, false, 0, Answer::Forwarded}),
    [](const testing::TestParamInfo<ColourCase>& info) { return std::string(info.param.name); });

TEST_F(ContainerMessagesTest, ControlsInAContainerAreRepaintedOnTheirNotificationsAsInTheWindow) {
    transparent_controls = 1;
    const int number = skinned(300, 220);
    HWND window = handle(number);
    show(window);
    HWND box = container_in(window);
    HWND edit = child(box, L"Edit", 0, 10, 10, 120, 24);
    HWND tree = child(box, WC_TREEVIEWW, 0, 10, 50, 120, 60);
    for (HWND control : {edit, tree}) {
        UpdateWindow(control);
        ValidateRect(control, nullptr);
    }
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(100, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    NMHDR header{tree, 101, TVN_ITEMEXPANDEDW};
    SendMessageW(box, WM_NOTIFY, 101, reinterpret_cast<LPARAM>(&header));
    EXPECT_TRUE(GetUpdateRect(edit, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(tree, nullptr, FALSE));
    // Other messages still reach the container's own procedure.
    EXPECT_EQ(SendMessageW(box, WM_APP, 0, 0), testing_support::kOwnAnswer);
}

} // namespace
} // namespace pantrove
