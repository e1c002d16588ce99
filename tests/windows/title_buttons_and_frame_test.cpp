#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "skin/services/frame_zones.h"

#include <gtest/gtest.h>

#include <vector>

namespace pantrove {
namespace {

// What a test window was asked to do: its WM_SYSCOMMAND and WM_NCLBUTTONDOWN requests are recorded instead
// of running the system's sizing and moving loops.
std::vector<std::pair<UINT, WPARAM>> requests;

LRESULT CALLBACK recording_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) {
        requests.emplace_back(message, wparam);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

// A plain top-level window with a client area of 400 x 300 and a skin record whose strip holds the given kinds.
class TitleStripTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = recording_proc;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"TitleStripTestWindow";
        RegisterClassW(&window_class);
        window_ = CreateWindowExW(0, L"TitleStripTestWindow", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        auto record = std::make_unique<SkinnedWindow>();
        record->window = window_;
        record->tooltips.create(window_);
        window_table.push_back(std::move(record));
        number_ = window_count();
        props::set_number(window_, props::kOwnNumber, number_);
        skin->frame_margin = 3;
        requests.clear();
    }
    void TearDown() override {
        window_table.clear();
        DestroyWindow(window_);
    }
    SkinnedWindow& record() { return *window_record(number_); }

    // Buttons of the given kinds with the widths skin_window gives them.
    void set_buttons(std::initializer_list<int> kinds) {
        int total = 0;
        for (int kind : kinds) {
            TitleButton button;
            button.kind = kind;
            button.width = kind == 0 ? 38 : 26;
            button.height = 18;
            button.tooltip = "tip" + std::to_string(kind);
            total += button.width;
            record().title_buttons.push_back(button);
            record().tooltips.add_tool(RECT{}, button.tooltip, static_cast<UINT_PTR>(record().title_button_count()));
        }
        record().strip_width = total + (record().title_button_count() - 1) + 3;
        skin->layout_title_buttons(number_);
    }

    HWND window_ = nullptr;
    int number_ = 0;
};

TEST_F(TitleStripTest, LaysTheStripOutAtTheRightWithButtons27PixelsApart) {
    set_buttons({2, 1, 0}); // minimise, maximise, close: W = 90, strip width 95
    EXPECT_EQ(record().strip_width, 95);
    EXPECT_EQ(record().strip_x, 400 - 95 + 1);
    EXPECT_EQ(record().strip_height, 22);
    const float x0 = static_cast<float>(record().strip_x + 2);
    for (int i = 1; i <= 3; ++i) {
        const auto& r = record().title_button(i).hit_rect;
        EXPECT_FLOAT_EQ(r.x, x0 + 27.0f * (i - 1));
        EXPECT_FLOAT_EQ(r.y, 1.0f);
        EXPECT_FLOAT_EQ(r.width, i == 3 ? 40.0f : 26.0f);
        EXPECT_FLOAT_EQ(r.height, 18.0f);
    }
    const RECT strip = skin->get_title_buttons_rect(window_);
    EXPECT_EQ(strip.left, record().strip_x);
    EXPECT_EQ(strip.right, record().strip_x + 95);
    EXPECT_EQ(strip.bottom, 22);
    EXPECT_EQ(skin->find_maximize_button(number_), 2);
}

TEST_F(TitleStripTest, HitTestsWithStrictEdges) {
    set_buttons({2, 1, 0});
    const auto& first = record().title_button(1).hit_rect;
    const int left = static_cast<int>(first.x);
    EXPECT_EQ(skin->hit_title_button(number_, left + 5, 5), 1);
    EXPECT_EQ(skin->hit_title_button(number_, left, 5), 0);      // on the left edge
    EXPECT_EQ(skin->hit_title_button(number_, left + 26, 5), 0); // on the right edge
    EXPECT_EQ(skin->hit_title_button(number_, left + 5, 1), 0);  // on the top edge
    EXPECT_EQ(skin->hit_title_button(number_, left + 5, 19), 0); // on the bottom edge
    EXPECT_EQ(skin->hit_title_button(number_, left + 27 + 5, 5), 2);
    EXPECT_EQ(skin->hit_title_button(number_, left + 54 + 39, 5), 3); // the close button answers 40 wide
    EXPECT_EQ(skin->hit_title_button(number_, 399, 20), 0);           // right of the last button
    EXPECT_EQ(skin->hit_title_button(number_, left + 5, 23), 0);      // below the strip
    EXPECT_EQ(skin->hit_title_button(number_ + 1, left + 5, 5), 0);   // no such window
}

TEST_F(TitleStripTest, AddedButtonBecomesTheLeftmostAndTheOthersMove) {
    set_buttons({2, 1, 0});
    const int old_strip_x = record().strip_x;
    const float old_offset = record().title_button(1).hit_rect.x - static_cast<float>(old_strip_x);
    bool ran = false;
    EXPECT_EQ(skin->add_title_button(window_, ByteArray{1, 2, 3}, "自定义", [&] { ran = true; }), 1);
    ASSERT_EQ(record().title_button_count(), 4);
    EXPECT_EQ(record().strip_x, old_strip_x - 27);
    EXPECT_EQ(record().title_button(1).kind, 5);
    EXPECT_EQ(record().title_button(1).image, (ByteArray{1, 2, 3}));
    EXPECT_EQ(record().title_button(2).kind, 2);
    EXPECT_FLOAT_EQ(record().title_button(2).hit_rect.x - static_cast<float>(record().strip_x), old_offset + 27.0f);
    record().title_button(1).command();
    EXPECT_TRUE(ran);
    HWND loose = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(skin->add_title_button(loose, {}, "x", nullptr), 0);
    EXPECT_EQ(skin->get_title_buttons_rect(loose).right, 0);
    DestroyWindow(loose);
}

TEST(FrameZones, EdgesThenCornersInOrder) {
    struct Case {
        int x, y;
        WPARAM code; // 0: no zone
    };
    // Client area 400 x 300, edges 3 pixels thick.
    for (const Case& c : std::vector<Case>{{2, 2, 0xF004},
                                           {0, 150, 0xF001},
                                           {3, 150, 0xF001},
                                           {4, 150, 0},
                                           {397, 150, 0xF002},
                                           {200, 0, 0xF003},
                                           {200, 297, 0xF006},
                                           {395, 5, 0xF005},
                                           {5, 295, 0xF007},
                                           {395, 295, 0xF008},
                                           {2, 11, 0xF001},
                                           {2, 10, 0xF004},
                                           {200, 150, 0}}) {
        const FrameZone* zone = frame_zone_at(c.x, c.y, 400, 300, 3);
        EXPECT_EQ(zone ? zone->size_code : 0, c.code) << c.x << "," << c.y;
    }
}

TEST_F(TitleStripTest, PressesSizeAtEdgesDragInTheCaptionAndLeaveTheStripAlone) {
    set_buttons({2, 1, 0});
    const RECT client{0, 0, 400, 300};
    skin->on_frame_mouse_down(number_, MAKELPARAM(2, 2), client);
    skin->on_frame_mouse_down(number_, MAKELPARAM(100, 12), client);
    EXPECT_EQ(skin->on_frame_mouse_down(number_, MAKELPARAM(record().strip_x + 10, 10), client), 1);
    // On the strip's area with y <= 2 the press is no button press: it sizes from the top edge.
    skin->on_frame_mouse_down(number_, MAKELPARAM(record().strip_x + 10, 2), client);
    skin->on_frame_mouse_down(number_, MAKELPARAM(100, 200), client); // the body: nothing
    const std::vector<std::pair<UINT, WPARAM>> expected{
        {WM_SYSCOMMAND, 0xF004}, {WM_NCLBUTTONDOWN, HTCAPTION}, {WM_SYSCOMMAND, 0xF003}};
    EXPECT_EQ(requests, expected);
    EXPECT_TRUE(record().needs_render);
}

TEST_F(TitleStripTest, UnframedOrFixedWindows) {
    set_buttons({0});
    const RECT client{0, 0, 400, 300};
    record().framed = false;
    skin->on_frame_mouse_down(number_, MAKELPARAM(2, 2), client);
    skin->on_frame_mouse_down(number_, MAKELPARAM(100, 12), client);
    EXPECT_TRUE(requests.empty());
    record().framed = true;
    record().resizable = false;
    skin->on_frame_mouse_down(number_, MAKELPARAM(2, 2), client);   // in the caption: a drag, not a resize
    skin->on_frame_mouse_down(number_, MAKELPARAM(2, 150), client); // an edge below the caption: nothing
    const std::vector<std::pair<UINT, WPARAM>> expected{{WM_NCLBUTTONDOWN, HTCAPTION}};
    EXPECT_EQ(requests, expected);
}

} // namespace
} // namespace pantrove
