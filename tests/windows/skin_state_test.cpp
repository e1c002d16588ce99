#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

HWND make_window(HWND parent = nullptr, const wchar_t* cls = L"Static") {
    const DWORD style = parent ? WS_CHILD : WS_POPUP;
    return CreateWindowExW(0, cls, L"", style, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
}

// Registers `window` the way skin_window does: a record and the own-number property.
int add_record(HWND window) {
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    return window_count();
}

class SkinStateTest : public testing::Test {
protected:
    void TearDown() override {
        window_table.clear();
        for (HWND window : windows_)
            DestroyWindow(window);
    }
    HWND window(HWND parent = nullptr, const wchar_t* cls = L"Static") {
        windows_.push_back(make_window(parent, cls));
        return windows_.back();
    }
    std::vector<HWND> windows_;
};

TEST_F(SkinStateTest, FindsWindowsAndTheSkinnedAncestorOfControls) {
    HWND first = window();
    HWND second = window();
    HWND loose = window();
    HWND box = window(second, L"Button");
    HWND inner = window(box, L"Edit");
    add_record(first);
    add_record(second);
    EXPECT_EQ(find_window_number(first), 1);
    EXPECT_EQ(find_window_number(second), 2);
    EXPECT_EQ(find_window_number(loose), 0);
    EXPECT_EQ(find_window_number(nullptr), 0);
    EXPECT_EQ(find_window_record(inner), 2);
    EXPECT_EQ(find_window_record(box), 2);
    // A skinned window is not inside itself, and a loose window stops at its top level.
    EXPECT_EQ(find_window_record(second), 0);
    EXPECT_EQ(find_window_record(loose), 0);
    EXPECT_EQ(class_name_of(inner), "Edit");
    EXPECT_EQ(window_record(0), nullptr);
    EXPECT_EQ(window_record(3), nullptr);
}

TEST_F(SkinStateTest, ControlListsStartWithOneEmptyEntryAndGrowFromIt) {
    SkinnedWindow record;
    EXPECT_EQ(record.button_list.count(), 1);
    EXPECT_EQ(record.container_list.count(), 1);
    HWND a = window();
    HWND b = window();
    const int first = record.button_list.take();
    record.button_list[first].handle = a;
    const int second = record.button_list.take();
    record.button_list[second].handle = b;
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 2);
    EXPECT_EQ(record.button_list.count(), 2);
    EXPECT_EQ(record.button_list.find_handle(b), 2);
    EXPECT_EQ(record.button_list.find_handle(nullptr), 0);
    EXPECT_EQ(record.button_list.find(3), nullptr);
}

TEST_F(SkinStateTest, RemovingTheFirstWindowRenumbersTheRestAndTheirControls) {
    HWND first = window();
    HWND second = window();
    HWND button = window(second, L"Button");
    HWND group = window(second, L"Button");
    HWND panel = window(second);
    add_record(first);
    const int number = add_record(second);
    SkinnedWindow& record = *window_record(number);
    record.button_list[record.button_list.take()].handle = button;
    props::set_number(button, props::kWindowNumber, number);
    record.container_list[record.container_list.take()].hwnd = group;
    props::set_number(group, props::kWindowNumber, number);
    record.panel_list[record.panel_list.take()].handle = panel;
    props::set_number(panel, props::kPanelWindowNumber, number);
    EXPECT_EQ(find_container_number(number, group), 1);

    remove_window_record(1);
    ASSERT_EQ(window_count(), 1);
    EXPECT_EQ(find_window_number(second), 1);
    EXPECT_EQ(props::get_int(second, props::kOwnNumber), 1);
    EXPECT_EQ(props::get_int(button, props::kWindowNumber), 1);
    EXPECT_EQ(props::get_int(group, props::kWindowNumber), 1);
    EXPECT_EQ(props::get_int(panel, props::kPanelWindowNumber), 1);
    EXPECT_EQ(find_window_record(button), 1);
    remove_window_record(5); // out of range: nothing happens
    EXPECT_EQ(window_count(), 1);
}

TEST(SkinObjectTest, StartsWithTheButtonFaceColour) {
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(back_colour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(first_size_pending, 1);
    EXPECT_EQ(skin_controls_enabled, 1);
    EXPECT_EQ(control_alpha, 160);
    EXPECT_EQ(theme_colour, 0xDDCA22u);
    EXPECT_EQ(trackbar_style, 1);
    EXPECT_EQ(transparent_controls, 0);
    EXPECT_EQ(picture_mode, 0);
    EXPECT_NE(gdiplus_token, 0u);
}

} // namespace
} // namespace pantrove
