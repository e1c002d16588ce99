#include "app/main_window.h"
#include "clipboard_support.h"
#include "message_box_watcher.h"
#include "shell_open_log.h"
#include "text/wide_text.h"
#include "text/window_services.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace pantrove {
namespace {

using testing_support::clipboard_text;
using testing_support::MessageBoxWatcher;
using testing_support::ShellOpenLog;

class ResultActionsTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = MainWindow::create(GetModuleHandleW(nullptr), false);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_->handle(), SW_SHOWNORMAL);
        rt::process_pending_events();
    }
    const MainForm& form() const { return window_->form(); }

    void add_row(std::string_view number, std::string_view address) {
        const int row = rt::insert_row(form().result_list);
        rt::set_cell_text(form().result_list, row, 0, number);
        rt::set_cell_text(form().result_list, row, 1, address);
    }

    // Clicks row `row` in its second column as a user would: the mouse messages are posted, as the list
    // runs a drag-detection loop of its own on a button press.
    void click_row(int row, UINT down, UINT up) {
        RECT item{};
        item.left = LVIR_BOUNDS;
        SendMessageW(form().result_list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        const LPARAM at = MAKELPARAM(200, (item.top + item.bottom) / 2);
        PostMessageW(form().result_list, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, at);
        PostMessageW(form().result_list, up, 0, at);
        rt::process_pending_events();
    }

    std::unique_ptr<MainWindow> window_;
};

TEST_F(ResultActionsTest, RightClickCopiesTheSelectedAddressOrShowsTheMessage) {
    testing_support::ClipboardLock clipboard;
    rt::set_clipboard_text(nullptr, "before");
    {
        MessageBoxWatcher boxes;
        PostMessageW(form().result_list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 40));
        PostMessageW(form().result_list, WM_RBUTTONUP, 0, MAKELPARAM(50, 40));
        rt::process_pending_events();
        EXPECT_EQ(boxes.texts(), std::vector<TextValue>{"请先解析地址"});
    }
    EXPECT_EQ(clipboard_text(), "before");
    EXPECT_EQ(window_text(form().status_label), "双击直接下载  右键可复制下载地址  部分链接无法下载 多试两个");

    add_row("1", "https://one.test/weiyun/down.php?u=abc.undefined.mp4");
    add_row("2", "http://two.test/weiyun/down.php?u=abc.undefined.mp4");
    click_row(1, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(rt::selected_row(form().result_list), 1);
    EXPECT_EQ(clipboard_text(), "http://two.test/weiyun/down.php?u=abc.undefined.mp4");
    EXPECT_EQ(window_text(form().status_label), "下载地址已复制");
    // The code page 936 form is there too, for programs that read CF_TEXT.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();

    add_row("3", "http://a.test/中文.rar");
    click_row(2, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(clipboard_text(), "http://a.test/中文.rar");
}

TEST_F(ResultActionsTest, DoubleClickRefusesAnythingButAWebAddress) {
    for (const char* address :
         {"file:///C:/windows/system32/notepad.exe", "C:\\windows\\notepad.exe", "\\\\host\\share\\x.exe"}) {
        SCOPED_TRACE(address);
        rt::delete_all_rows(form().result_list);
        add_row("1", address);
        MessageBoxWatcher boxes;
        click_row(0, WM_LBUTTONDOWN, WM_LBUTTONUP);
        click_row(0, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
        ASSERT_EQ(boxes.texts().size(), 1u);
        EXPECT_NE(boxes.texts()[0].find("http://"), std::string::npos);
        EXPECT_EQ(window_text(form().status_label), "双击直接下载  右键可复制下载地址  部分链接无法下载 多试两个");
    }
}

TEST_F(ResultActionsTest, DoubleClickWithNothingSelectedShowsTheMessage) {
    MessageBoxWatcher boxes;
    PostMessageW(form().result_list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(50, 40));
    PostMessageW(form().result_list, WM_LBUTTONUP, 0, MAKELPARAM(50, 40));
    rt::process_pending_events();
    EXPECT_EQ(boxes.texts(), std::vector<TextValue>{"请先解析地址"});
}

TEST_F(ResultActionsTest, DoubleClickOpensExactlyTheAddressOfColumnOne) {
    ShellOpenLog shell("double-click");
    const TextValue address = "http://" + shell.marker() + "/weiyun/down.php?u=a%20b.undefined.mp4";
    add_row("7", address);
    click_row(0, WM_LBUTTONDOWN, WM_LBUTTONUP);
    click_row(0, WM_LBUTTONDBLCLK, WM_LBUTTONUP);
    EXPECT_EQ(shell.opened(), std::vector<TextValue>{address});
    EXPECT_EQ(window_text(form().status_label), "双击直接下载  右键可复制下载地址  部分链接无法下载 多试两个");
}

TEST_F(ResultActionsTest, PressOnTheStatusLineOpensTheHelpPage) {
    ShellOpenLog shell("help-page");
    const TextValue help = "http://127.0.0.1:9/" + shell.marker() + ".html";
    SetEnvironmentVariableW(L"PANTROVE_HELP_URL", widen(help).c_str());
    RECT label{};
    GetClientRect(form().status_label, &label);
    PostMessageW(form().status_label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label.right / 2, label.bottom / 2));
    rt::process_pending_events();
    EXPECT_EQ(shell.opened(), std::vector<TextValue>{help});
    SetEnvironmentVariableW(L"PANTROVE_HELP_URL", nullptr);
}

} // namespace
} // namespace pantrove
