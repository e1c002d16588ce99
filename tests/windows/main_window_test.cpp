#include "app/main_window.h"
#include "skin/core/skin_state.h"
#include "text/wide_text.h"
#include "text/window_services.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace pantrove {
namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        window_ = MainWindow::create(GetModuleHandleW(nullptr), false);
        ASSERT_NE(window_, nullptr);
    }
    const MainForm& form() const { return window_->form(); }

    std::unique_ptr<MainWindow> window_;
};

std::string class_of(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return narrow(name);
}

RECT rect_in_parent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(MainWindowTest, WindowHasItsCaptionPlaceAndSizeAndNoSystemFrame) {
    HWND window = window_->handle();
    EXPECT_EQ(window_text(window), " PantroveV1.1     By：Quillon");
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 577);
    EXPECT_EQ(rect.bottom - rect.top, 344);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_THICKFRAME, 0);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 577);
    EXPECT_EQ(client.bottom, 344);
}

struct ExpectedControl {
    HWND MainForm::*slot;
    const char* class_name;
    int x, y, width, height;
    const char* text;
};

TEST_F(MainWindowTest, EveryControlOfTheFormInItsPlace) {
    const std::vector<ExpectedControl> expected{
        {&MainForm::skin_button, "Button", 480, 0, 32, 17, "换肤"},
        {&MainForm::weiyun_link_label, "Static", 10, 65, 88, 24, "微  云网盘："},
        {&MainForm::weiyun_resolve_button, "Button", 488, 64, 80, 26, "微  云解析"},
        {&MainForm::suffix_combo, "ComboBox", 425, 66, 48, 20, ".mp3"},
        {&MainForm::weiyun_link_edit, "Edit", 80, 65, 304, 24, ""},
        {&MainForm::suffix_label, "Static", 391, 65, 32, 24, "后缀："},
        {&MainForm::usage_label, "Static", 433, 323, 143, 16, "使用人数统计："},
        {&MainForm::status_label, "Static", 8, 88, 568, 24,
         "双击直接下载  右键可复制下载地址  部分链接无法下载 多试两个"},
        {&MainForm::password_label, "Static", 392, 32, 32, 24, "密码："},
        {&MainForm::baidu_link_label, "Static", 10, 32, 88, 24, "百度云网盘："},
        {&MainForm::result_list, "SysListView32", 0, 112, 577, 232, ""},
        {&MainForm::baidu_resolve_button, "Button", 488, 31, 80, 26, "百度云解析"},
        {&MainForm::baidu_password_edit, "Edit", 424, 32, 48, 24, ""},
        {&MainForm::baidu_link_edit, "Edit", 80, 32, 304, 24, ""},
    };
    std::vector<HWND> order;
    for (const ExpectedControl& e : expected) {
        SCOPED_TRACE(e.text);
        HWND control = form().*e.slot;
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), window_->handle());
        EXPECT_EQ(class_of(control), e.class_name);
        const RECT rect = rect_in_parent(control);
        EXPECT_EQ(rect.left, e.x);
        EXPECT_EQ(rect.top, e.y);
        EXPECT_EQ(rect.right - rect.left, e.width);
        if (e.slot == &MainForm::suffix_combo) {
            // A drop-down combo box sizes its selection field to its font: 20 with 宋体, a little more with
            // the CJK font that stands in for it under wine.
            EXPECT_GE(rect.bottom - rect.top, e.height);
            EXPECT_LE(rect.bottom - rect.top, e.height + 4);
        } else {
            EXPECT_EQ(rect.bottom - rect.top, e.height);
        }
        EXPECT_EQ(window_text(control), e.text);
        EXPECT_TRUE(rt::is_visible(control));
        order.push_back(control);
    }
    // The children come in the form's order, the first at the top.
    std::vector<HWND> children;
    for (HWND child = GetWindow(window_->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    EXPECT_EQ(children, order);
}

TEST_F(MainWindowTest, ComboHoldsTheSuffixesInOrder) {
    const std::vector<std::string> expected{".mp3", ".mp4", ".flv", ".rar", ".zip", ".7z", ".exe",
                                            ".jpg", ".gif", ".doc", ".xls", ".ppt", ".txt"};
    HWND combo = form().suffix_combo;
    ASSERT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        wchar_t item[32] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
        EXPECT_EQ(narrow(item), expected[i]);
    }
}

TEST_F(MainWindowTest, ResultListHasTwoColumnsAndNoRows) {
    HWND list = form().result_list;
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(rt::row_count(list), 0);
    const std::vector<std::pair<std::string, int>> expected{{"序号", 45}, {"网址", 500}};
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    for (size_t i = 0; i < expected.size(); ++i) {
        wchar_t title[32] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = title;
        column.cchTextMax = 32;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(&column)));
        EXPECT_EQ(narrow(title), expected[i].first);
        EXPECT_EQ(column.cx, expected[i].second);
    }
}

TEST_F(MainWindowTest, ProgramIconComesFromTheNamedGroup) {
    EXPECT_EQ(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129)), nullptr);
    EXPECT_NE(app_icon, nullptr);
}

TEST_F(MainWindowTest, WeiyunResolveListsTwoAddressesThroughTheButton) {
    SetEnvironmentVariableW(L"PANTROVE_WEIYUN_HOST_1", L"127.0.0.1:8081");
    SetEnvironmentVariableW(L"PANTROVE_WEIYUN_HOST_2", L"127.0.0.1:8082");
    // Rows of an earlier resolution go away.
    rt::set_cell_text(form().result_list, rt::insert_row(form().result_list), 1, "old");
    set_window_text(form().weiyun_link_edit, "https://share.example.com/abc");
    SendMessageW(form().suffix_combo, CB_SETCURSEL, 1, 0);
    SendMessageW(form().weiyun_resolve_button, BM_CLICK, 0, 0);

    HWND list = form().result_list;
    ASSERT_EQ(rt::row_count(list), 2);
    EXPECT_EQ(rt::cell_text(list, 0, 0), "1");
    EXPECT_EQ(rt::cell_text(list, 0, 1), "https://127.0.0.1:8081/weiyun/down.php?u=abc.undefined.mp4");
    EXPECT_EQ(rt::cell_text(list, 1, 0), "2");
    EXPECT_EQ(rt::cell_text(list, 1, 1), "http://127.0.0.1:8082/weiyun/down.php?u=abc.undefined.mp4");
    EXPECT_EQ(window_text(form().status_label),
              "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个");
    EXPECT_FALSE(rt::is_visible(form().weiyun_link_label));

    // The label stays hidden, and an empty link still gives both rows with an empty key.
    set_window_text(form().weiyun_link_edit, "");
    SendMessageW(form().weiyun_resolve_button, BM_CLICK, 0, 0);
    ASSERT_EQ(rt::row_count(list), 2);
    EXPECT_EQ(rt::cell_text(list, 1, 1), "http://127.0.0.1:8082/weiyun/down.php?u=.undefined.mp4");
    EXPECT_FALSE(rt::is_visible(form().weiyun_link_label));
    SetEnvironmentVariableW(L"PANTROVE_WEIYUN_HOST_1", nullptr);
    SetEnvironmentVariableW(L"PANTROVE_WEIYUN_HOST_2", nullptr);
}

TEST(ListViewRows, MissingRowsAreHarmless) {
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | LVS_REPORT, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(list, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 50;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    rt::set_cell_text(list, 3, 0, "x");
    EXPECT_EQ(rt::row_count(list), 0);
    EXPECT_EQ(rt::cell_text(list, 3, 0), "");
    EXPECT_EQ(rt::selected_row(list), -1);
    const TextValue long_text(3000, 'y');
    rt::set_cell_text(list, rt::insert_row(list), 0, long_text);
    EXPECT_EQ(rt::cell_text(list, 0, 0), long_text);
    DestroyWindow(list);
}

} // namespace
} // namespace pantrove
