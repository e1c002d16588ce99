#include "gdiplus/tooltip_window.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace pantrove {
namespace {

constexpr wchar_t owner_class[] = L"PantroveTooltipOwner";
constexpr wchar_t callback_text[] = L"来自窗口的提示";

LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NOTIFY) {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lparam);
        if (info->hdr.code == TTN_GETDISPINFOW) {
            info->lpszText = const_cast<wchar_t*>(callback_text);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

class TooltipWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = owner_proc;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = owner_class;
        RegisterClassW(&window_class);
    }
    void SetUp() override {
        owner_ = CreateWindowExW(0, owner_class, L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
        ASSERT_NE(tooltip_.create(owner_), nullptr);
    }
    void TearDown() override {
        if (owner_)
            DestroyWindow(owner_);
    }

    TTTOOLINFOW query(UINT_PTR id, wchar_t* text = nullptr) const {
        TTTOOLINFOW info{};
        info.cbSize = TTTOOLINFOW_V2_SIZE;
        info.hwnd = owner_;
        info.uId = id;
        info.lpszText = text;
        return info;
    }
    bool has_tool(UINT_PTR id) const {
        TTTOOLINFOW info = query(id);
        return SendMessageW(tooltip_.window(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }
    RECT tool_rect(UINT_PTR id) const {
        TTTOOLINFOW info = query(id);
        SendMessageW(tooltip_.window(), TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    }
    TextValue tool_text(UINT_PTR id) const {
        wchar_t buffer[256] = {};
        TTTOOLINFOW info = query(id, buffer);
        SendMessageW(tooltip_.window(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
        return narrow(buffer);
    }
    int tool_count() const { return static_cast<int>(SendMessageW(tooltip_.window(), TTM_GETTOOLCOUNT, 0, 0)); }

    HWND owner_ = nullptr;
    TooltipWindow tooltip_;
};

bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != 0;
}

TEST_F(TooltipWindowTest, IsATooltipWindowOwnedByTheGivenWindow) {
    wchar_t name[64] = {};
    GetClassNameW(tooltip_.window(), name, 64);
    EXPECT_EQ(lstrcmpiW(name, L"tooltips_class32"), 0);
    EXPECT_EQ(GetWindow(tooltip_.window(), GW_OWNER), owner_);
    EXPECT_NE(GetWindowLongPtrW(tooltip_.window(), GWL_STYLE) & TTS_ALWAYSTIP, 0);
    EXPECT_EQ(GetWindowLongPtrW(tooltip_.window(), GWL_STYLE) & TTS_BALLOON, 0);

    TooltipWindow balloon;
    ASSERT_NE(balloon.create(owner_, true), nullptr);
    EXPECT_NE(GetWindowLongPtrW(balloon.window(), GWL_STYLE) & TTS_BALLOON, 0);
}

TEST_F(TooltipWindowTest, RetitlingOneToolLeavesTheOthers) {
    ASSERT_TRUE(tooltip_.add_tool({0, 0, 26, 18}, "帮助", 1));
    ASSERT_TRUE(tooltip_.add_tool({27, 0, 53, 18}, "主菜单", 2));
    ASSERT_TRUE(tooltip_.add_tool({54, 0, 94, 18}, "关闭", 3));
    ASSERT_EQ(tool_count(), 3);

    ASSERT_TRUE(tooltip_.set_tool_text(3, "关闭窗口"));
    EXPECT_EQ(tool_text(1), "帮助");
    EXPECT_EQ(tool_text(2), "主菜单");
    EXPECT_EQ(tool_text(3), "关闭窗口");
    EXPECT_TRUE(same(tool_rect(3), {54, 0, 94, 18}));
}

TEST_F(TooltipWindowTest, MovingOneToolLeavesTheOthers) {
    ASSERT_TRUE(tooltip_.add_tool({}, "最小化", 1));
    ASSERT_TRUE(tooltip_.add_tool({}, "关闭", 2));
    ASSERT_TRUE(tooltip_.set_tool_rect(2, {100, 1, 140, 19}));
    EXPECT_TRUE(same(tool_rect(2), {100, 1, 140, 19}));
    EXPECT_TRUE(same(tool_rect(1), {}));
    EXPECT_EQ(tool_text(2), "关闭");
}

TEST_F(TooltipWindowTest, DeletingRemovesOnlyThatTool) {
    ASSERT_TRUE(tooltip_.add_tool({0, 0, 10, 10}, "一", 1));
    ASSERT_TRUE(tooltip_.add_tool({10, 0, 20, 10}, "二", 2));
    EXPECT_TRUE(tooltip_.delete_tool(1));
    EXPECT_EQ(tool_count(), 1);
    EXPECT_FALSE(has_tool(1));
    EXPECT_EQ(tool_text(2), "二");
    EXPECT_FALSE(tooltip_.delete_tool(1));
}

TEST_F(TooltipWindowTest, ChangesToAToolThatDoesNotExistAreRefused) {
    ASSERT_TRUE(tooltip_.add_tool({0, 0, 10, 10}, "一", 1));
    EXPECT_FALSE(tooltip_.set_tool_text(7, "七"));
    EXPECT_FALSE(tooltip_.set_tool_rect(7, {0, 0, 5, 5}));
    EXPECT_FALSE(has_tool(7));
    EXPECT_EQ(tool_count(), 1);
}

TEST_F(TooltipWindowTest, ACallbackToolAsksTheOwnerForItsText) {
    ASSERT_TRUE(tooltip_.add_callback_tool({0, 0, 50, 20}, 5));
    EXPECT_TRUE(has_tool(5));
    EXPECT_EQ(tool_text(5), narrow(callback_text));
}

TEST_F(TooltipWindowTest, ColoursAndWidthReachTheTooltip) {
    tooltip_.set_back_colour(RGB(1, 2, 3));
    tooltip_.set_text_colour(RGB(200, 100, 50));
    tooltip_.set_max_width(240);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tooltip_.window(), TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(tooltip_.window(), TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(200, 100, 50));
    EXPECT_EQ(SendMessageW(tooltip_.window(), TTM_GETMAXTIPWIDTH, 0, 0), 240);
}

TEST_F(TooltipWindowTest, TheWindowGoesWithItsObjectOrWithItsOwner) {
    HWND first = tooltip_.window();
    {
        TooltipWindow moved(std::move(tooltip_));
        EXPECT_EQ(tooltip_.window(), nullptr);
        EXPECT_EQ(moved.window(), first);
    }
    EXPECT_FALSE(IsWindow(first));

    TooltipWindow second;
    HWND window = second.create(owner_);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(second.add_tool({0, 0, 10, 10}, "一", 1));
    DestroyWindow(owner_);
    owner_ = nullptr;
    EXPECT_FALSE(IsWindow(window));
}

TEST(TooltipWindowUncreated, EveryOperationIsRefusedWithoutHarm) {
    TooltipWindow tooltip;
    EXPECT_EQ(tooltip.window(), nullptr);
    EXPECT_FALSE(tooltip.add_tool({0, 0, 10, 10}, "一", 1));
    EXPECT_FALSE(tooltip.add_callback_tool({0, 0, 10, 10}, 2));
    EXPECT_FALSE(tooltip.set_tool_text(1, "二"));
    EXPECT_FALSE(tooltip.set_tool_rect(1, {0, 0, 5, 5}));
    EXPECT_FALSE(tooltip.delete_tool(1));
    tooltip.set_back_colour(RGB(1, 2, 3));
    tooltip.set_text_colour(RGB(1, 2, 3));
    tooltip.set_max_width(100);
}

} // namespace
} // namespace pantrove
