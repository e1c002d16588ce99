#include "gdiplus/graphics.h"
#include "skin/controls/buttons.h"
#include "skin/controls/child_controls.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/drawing.h"
#include "tests/windows/control_test_support.h"
#include "text/wide_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace pantrove {
namespace {

using testing_support::coordinate_colour;
using testing_support::difference;
using testing_support::MemoryImage;

// A family procedure as every family writes one: what it does not consume goes on to "Hw_hProc".
int messages_seen = 0;
LRESULT CALLBACK counting_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    ++messages_seen;
    return forward_message(control, message, wparam, lparam);
}

class ControlFrameworkTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        window = top_window(300, 200);
        number = add_record(window);
        compose(number);
    }
    SkinnedWindow& record() { return *window_record(number); }

    HWND window = nullptr;
    int number = 0;
};

TEST_F(ControlFrameworkTest, RegistrationTakesTheFreeFirstEntryThenGrowsTheListAndChainsTheProcedure) {
    HWND first = child(window, L"Static", 0, 10, 10, 50, 20);
    HWND second = child(window, L"Static", 0, 10, 40, 50, 20);
    const auto class_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(first, GWLP_WNDPROC));

    EXPECT_EQ(register_control(number, record().edit_list, first, counting_proc), 1);
    EXPECT_EQ(record().edit_list.count(), 1);
    EXPECT_EQ(register_control(number, record().edit_list, second, counting_proc), 2);
    EXPECT_EQ(record().edit_list.count(), 2);

    for (auto [control, entry_number] : {std::pair{first, 1}, {second, 2}}) {
        const EditEntry& entry = record().edit_list[entry_number];
        EXPECT_EQ(entry.handle, control);
        EXPECT_EQ(entry.previous_proc, class_proc);
        EXPECT_EQ(props::get_int(control, props::kOwnNumber), entry_number);
        EXPECT_EQ(props::get_int(control, props::kWindowNumber), number);
        EXPECT_EQ(props::get_proc(control, props::kPreviousProc), class_proc);
        EXPECT_TRUE(is_subclassed_with(control, counting_proc));
    }

    // Messages pass through the family procedure to the control's own one.
    messages_seen = 0;
    SetWindowTextW(second, L"链接");
    EXPECT_GE(messages_seen, 1);
    EXPECT_EQ(window_text(second), "链接");
}

TEST_F(ControlFrameworkTest, AControlFindsItsEntryOnlyThroughNumbersThatNameIt) {
    HWND control = child(window, L"Static", 0, 10, 10, 50, 20);
    HWND other = child(window, L"Static", 0, 10, 40, 50, 20);
    register_control(number, record().edit_list, control, counting_proc);
    register_control(number, record().edit_list, other, counting_proc);

    const RegisteredControl found = find_registered(control, &SkinnedWindow::edit_list);
    ASSERT_TRUE(found);
    EXPECT_EQ(found.window, &record());
    EXPECT_EQ(found.entry, &record().edit_list[1]);
    EXPECT_EQ(found.number, 1);
    // Entry numbers are per family: the same number names nothing in another family's list.
    EXPECT_FALSE(find_registered(control, &SkinnedWindow::button_list));

    struct Numbers {
        int window_number, entry_number;
    };
    for (const Numbers wrong : {Numbers{0, 1}, Numbers{2, 1}, Numbers{-1, 1}, Numbers{1, 0}, Numbers{1, 3},
                                Numbers{1, 2}}) { // entry 2 holds the other control
        props::set_number(control, props::kWindowNumber, wrong.window_number);
        props::set_number(control, props::kOwnNumber, wrong.entry_number);
        EXPECT_FALSE(find_registered(control, &SkinnedWindow::edit_list))
            << "window " << wrong.window_number << ", entry " << wrong.entry_number;
        // The procedure of a control it cannot place still passes messages on.
        SetWindowTextW(control, L"x");
        EXPECT_EQ(window_text(control), "x");
    }
}

TEST_F(ControlFrameworkTest, WithoutAPreviousProcedureMessagesGoToTheDefaultOne) {
    HWND control = child(window, L"Static", 0, 10, 10, 50, 20);
    const std::wstring text = L"默认";
    forward_message(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    wchar_t read[16] = {};
    DefWindowProcW(control, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(read));
    EXPECT_EQ(std::wstring(read), text);
}

TEST_F(ControlFrameworkTest, OnlyDirectChildrenOfTheClassAreVisited) {
    HWND first = child(window, L"Button", BS_PUSHBUTTON, 10, 10, 50, 20);
    child(window, L"Static", 0, 10, 40, 50, 20);
    HWND group = child(window, L"Button", BS_GROUPBOX, 70, 10, 150, 120);
    HWND inner = child(group, L"Button", BS_PUSHBUTTON, 10, 20, 50, 20);
    child(group, L"Static", 0, 10, 50, 50, 20);

    const auto visited = [](HWND parent, const wchar_t* window_class) {
        std::vector<HWND> seen;
        for_each_child(parent, window_class, [&](HWND child) { seen.push_back(child); });
        return seen;
    };
    EXPECT_EQ(visited(window, L"BUTTON"), (std::vector<HWND>{first, group}));
    EXPECT_EQ(visited(window, nullptr).size(), 3u);
    EXPECT_EQ(visited(group, L"Button"), std::vector<HWND>{inner});
    EXPECT_TRUE(visited(window, L"Edit").empty());
    // No parent is no window, not the desktop's top-level windows.
    EXPECT_TRUE(visited(nullptr, L"Static").empty());
}

struct HoverCase {
    const char* name;
    int hover_id;
    int hover_family;
    int hover_parent; // index into the test's windows; -1 for none
    int number;
    int family;
    std::optional<int> parent;
    bool redraw;
};

void PrintTo(const HoverCase& c, std::ostream* out) {
    *out << c.name;
}

class HoverMovedTest : public ControlFrameworkTest, public testing::WithParamInterface<HoverCase> {};

TEST_P(HoverMovedTest, RedrawsOnlyWhenTheControlDrawnHotIsAnotherOne) {
    const HoverCase& c = GetParam();
    HWND control = child(window, L"Static", 0, 10, 10, 50, 20);
    const HWND parents[] = {window, child(window, L"Static", 0, 70, 10, 50, 20)};
    const auto parent_of = [&](int index) { return index < 0 ? nullptr : parents[index]; };
    SkinnedWindow& w = record();
    w.hover_id = c.hover_id;
    w.hover_family = c.hover_family;
    w.hover_parent = parent_of(c.hover_parent);
    const std::optional<HWND> parent = c.parent ? std::optional(parent_of(*c.parent)) : std::nullopt;

    EXPECT_EQ(hover_moved(w, control, c.number, c.family, parent), c.redraw);
    EXPECT_EQ(w.pointer_id, c.number);
    EXPECT_EQ(w.hover_id, c.hover_id); // only drawing the hot look makes it the hot control
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HoverMovedTest,
    testing::Values(
        HoverCase{"SameControl", 2, hover_family::buttons, -1, 2, hover_family::buttons, {}, false},
        HoverCase{"OtherEntryOfTheFamily", 1, hover_family::buttons, -1, 2, hover_family::buttons, {}, true},
        HoverCase{"SameNumberOfAnotherFamily", 2, hover_family::edits, 0, 2, hover_family::buttons, {}, true},
        HoverCase{"AfterTheHotControlWasLeft", 0, hover_family::buttons, -1, 2, hover_family::buttons, {}, true},
        HoverCase{"EditOfTheSameParent", 1, hover_family::edits, 0, 1, hover_family::edits, 0, false},
        HoverCase{"EditOfAnotherParent", 1, hover_family::edits, 0, 1, hover_family::edits, 1, true},
        HoverCase{"ParentNotComparedWhenNotGiven", 1, hover_family::combos, 0, 1, hover_family::combos, {}, false}),
    [](const testing::TestParamInfo<HoverCase>& info) { return std::string(info.param.name); });

TEST_F(ControlFrameworkTest, AControlIsDrawnHotOncePerVisit) {
    HWND control = child(window, L"Static", 0, 10, 10, 50, 20);
    SkinnedWindow& w = record();
    int redraws = 0;
    const auto move = [&] {
        if (hover_moved(w, control, 3, hover_family::list_controls, window)) {
            ++redraws;
            hover_drawn(w, hover_family::list_controls, window);
        }
    };
    move();
    move();
    move();
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(w.hover_id, 3);
    EXPECT_EQ(w.hover_family, hover_family::list_controls);
    EXPECT_EQ(w.hover_parent, window);
    hover_cleared(w);
    EXPECT_EQ(w.hover_id, 0);
    move();
    EXPECT_EQ(redraws, 2);
}

TEST_F(ControlFrameworkTest, ABackgroundImageIsThePartBehindTheControlAndIsGivenBack) {
    HWND control = child(window, L"Static", 0, 30, 40, 60, 25);
    {
        const BackgroundImage image(control, RECT{0, 0, 60, 25});
        ASSERT_TRUE(image);
        EXPECT_EQ(image.width(), 60);
        EXPECT_EQ(image.height(), 25);
        EXPECT_EQ(dc_registry.size(), 1u);
        MemoryImage target(60, 25);
        image.copy_to(target.dc());
        for (auto [x, y] : {std::pair{0, 0}, {59, 24}, {20, 10}})
            EXPECT_EQ(target.pixel(x, y), coordinate_colour(30 + x, 40 + y));
    }
    EXPECT_TRUE(dc_registry.empty());

    // Outside every skinned window there is nothing to copy, and copying changes nothing.
    HWND loose = top_window(80, 40);
    const BackgroundImage none(loose, RECT{0, 0, 80, 40});
    EXPECT_FALSE(none);
    MemoryImage target(80, 40);
    testing_support::fill(target.dc(), 80, 40, RGB(1, 2, 3));
    none.copy_to(target.dc());
    none.copy_keyed_to(target.dc());
    EXPECT_EQ(target.pixel(5, 5), RGB(1, 2, 3));
    gdiplus::Graphics graphics;
    EXPECT_FALSE(open_graphics(graphics, none));
}

TEST_F(ControlFrameworkTest, AKeyedCopyLeavesTheTargetWhereTheImageHoldsTheColourKey) {
    const BackgroundImage image(window, RECT{0, 0, 40, 30});
    ASSERT_TRUE(image);
    {
        gdiplus::Graphics graphics;
        ASSERT_TRUE(open_graphics(graphics, image));
        graphics.set_clip_rect(10, 5, 20, 10);
        graphics.clear(kColourKeyArgb);
    }
    MemoryImage keyed(40, 30), whole(40, 30);
    for (HDC dc : {keyed.dc(), whole.dc()})
        testing_support::fill(dc, 40, 30, RGB(0, 0, 255));
    image.copy_keyed_to(keyed.dc());
    image.copy_to(whole.dc());
    EXPECT_EQ(keyed.pixel(15, 8), RGB(0, 0, 255));
    EXPECT_EQ(keyed.pixel(29, 14), RGB(0, 0, 255));
    EXPECT_EQ(keyed.pixel(9, 8), coordinate_colour(9, 8));
    EXPECT_EQ(keyed.pixel(30, 14), coordinate_colour(30, 14));
    EXPECT_EQ(whole.pixel(15, 8), kColourKey);
}

TEST_F(ControlFrameworkTest, AFrameCopyReplacesTheFrameAndLeavesTheClientArea) {
    HWND shown = testing_support::show_inactive(top_window(200, 120, false, 400, 300));
    const int shown_number = add_record(shown);
    compose(shown_number);
    HWND control = child(shown, L"Static", WS_BORDER, 20, 30, 60, 40);
    testing_support::pump();
    const RECT frame = window_rect_at_origin(control);
    EXPECT_EQ(frame.right, 60);
    EXPECT_EQ(frame.bottom, 40);
    const RECT inner = client_rect_in_window(control);

    for (const bool keyed : {false, true}) {
        HDC whole = GetWindowDC(control);
        testing_support::fill(whole, 60, 40, RGB(0, 0, 255));
        const BackgroundImage image(control, frame);
        ASSERT_TRUE(image);
        if (keyed) {
            gdiplus::Graphics graphics;
            ASSERT_TRUE(open_graphics(graphics, image));
            graphics.set_clip_rect(0, 0, 60, 1); // the top edge keeps the control's pixels
            graphics.clear(kColourKeyArgb);
        }
        copy_to_frame(control, image, inner, keyed);
        EXPECT_EQ(GetPixel(whole, 0, 20), coordinate_colour(20, 50)) << "keyed " << keyed;
        EXPECT_EQ(GetPixel(whole, 30, 39), coordinate_colour(50, 69)) << "keyed " << keyed;
        EXPECT_EQ(GetPixel(whole, 30, 0), keyed ? RGB(0, 0, 255) : coordinate_colour(50, 30));
        EXPECT_EQ(GetPixel(whole, 30, 20), RGB(0, 0, 255)) << "the client area is the control's";
        ReleaseDC(control, whole);
    }
}

TEST_F(ControlFrameworkTest, TheBackdropIsTheVeiledPictureOnlyForTransparentControls) {
    control_alpha = 100;
    transparent_controls = 0;
    EXPECT_EQ(backdrop_colour(), 0xFFFFFFFFu);
    transparent_controls = 1;
    EXPECT_EQ(backdrop_colour(), 0x64FFFFFFu);

    const BackgroundImage image(window, RECT{50, 60, 70, 70});
    ASSERT_TRUE(image);
    {
        gdiplus::Graphics graphics;
        ASSERT_TRUE(open_graphics(graphics, image));
        paint_backdrop(graphics, 0, 0, 20, 10);
    }
    MemoryImage target(20, 10);
    image.copy_to(target.dc());
    EXPECT_LE(difference(target.pixel(3, 4), testing_support::over(coordinate_colour(53, 64), RGB(255, 255, 255), 100)),
              2);
}

TEST_F(ControlFrameworkTest, GradientsMirrorBeyondTheirEnds) {
    const BackgroundImage image(window, RECT{0, 0, 4, 40});
    ASSERT_TRUE(image);
    {
        gdiplus::Graphics graphics;
        ASSERT_TRUE(open_graphics(graphics, image));
        graphics.fill_rectangle(vertical_gradient(0, 0xFFFF0000, 20, 0xFF0000FF), 0, 0, 4, 40);
    }
    MemoryImage target(4, 40);
    image.copy_to(target.dc());
    // Just past the end the colour stays near the end colour instead of starting over.
    EXPECT_GT(GetBValue(target.pixel(1, 21)), 200);
    EXPECT_LT(GetRValue(target.pixel(1, 21)), 60);
    EXPECT_GT(GetRValue(target.pixel(1, 1)), 200);
}

TEST_F(ControlFrameworkTest, EveryFamilyListOfAWindowWithoutSuchControlsKeepsItsOneEmptyEntry) {
    child(window, L"Static", 0, 10, 10, 50, 20);
    HWND push = child(window, L"Button", BS_PUSHBUTTON, 10, 40, 60, 24);
    skin_child_controls(number, window);
    EXPECT_EQ(record().button_list.find_handle(push), 1);
    const auto empty = [](const auto& list) { return list.count() == 1 && list[1].handle == nullptr; };
    EXPECT_TRUE(empty(record().edit_list));
    EXPECT_TRUE(empty(record().combo_list));
    EXPECT_TRUE(empty(record().list_control_list));
    EXPECT_TRUE(empty(record().header_list));
    EXPECT_TRUE(empty(record().trackbar_list));
    EXPECT_TRUE(empty(record().progress_list));
    EXPECT_TRUE(empty(record().updown_list));
    EXPECT_TRUE(empty(record().panel_list));
}

TEST_F(ControlFrameworkTest, GrandchildrenAreSkinnedOnlyThroughTheirContainer) {
    HWND outer = child(window, L"Button", BS_PUSHBUTTON, 10, 10, 60, 24);
    HWND group = child(window, L"Button", BS_GROUPBOX, 90, 10, 180, 150);
    HWND inner_push = child(group, L"Button", BS_PUSHBUTTON, 10, 20, 60, 24);
    HWND inner_check = child(group, L"Button", BS_AUTOCHECKBOX, 10, 60, 100, 20);
    const auto class_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(inner_push, GWLP_WNDPROC));

    skin_child_controls(number, window);
    EXPECT_EQ(record().button_list.count(), 1);
    EXPECT_EQ(record().button_list[1].handle, outer);
    for (HWND inner : {inner_push, inner_check}) {
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(inner, GWLP_WNDPROC)), class_proc);
        EXPECT_EQ(GetPropW(inner, props::kOwnNumber), nullptr);
    }
    EXPECT_EQ(GetPropW(group, props::kOwnNumber), nullptr) << "a group box is no button of this family";

    skin_child_controls(number, group);
    ASSERT_EQ(record().button_list.count(), 3);
    EXPECT_EQ(record().button_list[2].handle, inner_push);
    EXPECT_EQ(record().button_list[3].handle, inner_check);
    EXPECT_EQ(record().button_list[3].parent, group);
    for (HWND inner : {inner_push, inner_check}) {
        EXPECT_TRUE(is_subclassed_with(inner, button_proc));
        EXPECT_EQ(props::get_int(inner, props::kWindowNumber), number);
    }
}

TEST_F(ControlFrameworkTest, WithControlSkinningOffNoControlIsSubclassedOrMarked) {
    skin_controls_enabled = 0;
    const std::vector<HWND> controls{child(window, L"Button", BS_PUSHBUTTON, 10, 10, 60, 24),
                                     child(window, L"Button", BS_AUTOCHECKBOX, 10, 40, 90, 20),
                                     child(window, L"Button", BS_AUTORADIOBUTTON, 10, 70, 90, 20)};
    std::vector<LONG_PTR> procedures, styles;
    for (HWND control : controls) {
        procedures.push_back(GetWindowLongPtrW(control, GWLP_WNDPROC));
        styles.push_back(GetWindowLongPtrW(control, GWL_STYLE));
    }
    skin_child_controls(number, window);
    for (size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(GetWindowLongPtrW(controls[i], GWLP_WNDPROC), procedures[i]);
        EXPECT_EQ(GetWindowLongPtrW(controls[i], GWL_STYLE), styles[i]);
        for (const wchar_t* property : {props::kOwnNumber, props::kWindowNumber, props::kPreviousProc})
            EXPECT_EQ(GetPropW(controls[i], property), nullptr);
    }
    EXPECT_EQ(record().button_list.count(), 1);
    EXPECT_EQ(record().button_list[1].handle, nullptr);
}

} // namespace
} // namespace pantrove
