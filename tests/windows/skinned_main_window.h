// MainWindow made and skinned as the program makes it, shown without activation, for the tests of the skinned
// main window: what its controls show, and the picture behind them.
#pragma once

#include "app/handlers.h"
#include "app/main_window.h"
#include "app/skin_toggle.h"
#include "fake_services.h"
#include "resources/embedded.h"
#include "tests/windows/control_test_support.h"
#include "text/text_encoding.h"
#include "text/wide_text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace pantrove::testing_support {

// MainWindow made and skinned as the program's created handler does, shown without activation.
class SkinnedMainWindowTest : public testing_support::SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        main_ = MainWindow::create(GetModuleHandleW(nullptr), false);
        ASSERT_NE(main_, nullptr);
        skin_main_window(embedded_bytes(Picture::BackgroundSmall), 0, 0, main_->handle(), 0, 0, false, true, true);
        ShowWindow(main_->handle(), SW_SHOWNOACTIVATE);
        UpdateWindow(main_->handle());
        testing_support::pump();
    }
    void TearDown() override {
        main_.reset();
        SkinTest::TearDown();
    }

    HWND control(HWND MainForm::*slot) const { return main_->form().*slot; }

    // The window's composed picture under a point of the control's window rectangle.
    COLORREF behind(HWND control, int x, int y) const {
        RECT r{}, top{};
        GetWindowRect(control, &r);
        GetWindowRect(main_->handle(), &top);
        const SkinnedWindow& record = *window_record(find_window_number(main_->handle()));
        return GetPixel(record.background_dc, r.left - top.left + x, r.top - top.top + y);
    }

    // What the control shows at a point of its window rectangle.
    static COLORREF shown(HWND control, int x, int y) {
        HDC dc = GetWindowDC(control);
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(control, dc);
        return pixel;
    }

    static SIZE size_of(HWND control) {
        RECT r{};
        GetWindowRect(control, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }

    // A point of the list's window rectangle in the middle of a row, far right of its address: no text there.
    POINT blank_point_of_row(int row) const {
        HWND list = control(&MainForm::result_list);
        RECT item{};
        item.left = LVIR_BOUNDS;
        EXPECT_TRUE(SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item)));
        POINT p{440, (item.top + item.bottom) / 2};
        ClientToScreen(list, &p);
        RECT window{};
        GetWindowRect(list, &window);
        return POINT{p.x - window.left, p.y - window.top};
    }

    std::unique_ptr<MainWindow> main_;
};

// The resolver's answer listing `count` addresses.
inline std::string answer_listing(int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
        list += (i ? ",\"http://a.test/" : "\"http://a.test/") + std::to_string(i) + "\"";
    return gbk_to_utf8("{\"状态\":\"成功\",\"列表\":{\"urls\":[") + list + gbk_to_utf8("]}},\"说明\":\"完\"}");
}

// Lists the addresses of `answer` in the window as a click on "百度云解析" does, from a session of the fake
// resolver.
inline void resolve_baidu(MainWindow& window, const std::string& answer) {
    test::FakeSession session;
    session.set_answer("/sharelinks", answer);
    SetEnvironmentVariableW(L"PANTROVE_RESOLVER_HOST", widen(session.host()).c_str());
    handle_baidu_resolve(window);
    SetEnvironmentVariableW(L"PANTROVE_RESOLVER_HOST", nullptr);
}

} // namespace pantrove::testing_support
