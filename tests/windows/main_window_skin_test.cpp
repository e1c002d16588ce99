// MainWindow as the program shows it: every control drawn by the skin over the window's picture, also while
// a resolution fills the result list.
#include "skin/controls/buttons.h"
#include "skin/controls/control_registry.h"
#include "tests/windows/skinned_main_window.h"
#include "text/window_services.h"

#include <vector>

namespace pantrove {
namespace {

using testing_support::answer_listing;
using testing_support::MemoryImage;
using testing_support::near_colour;
using testing_support::over;
using testing_support::pump;

constexpr COLORREF kBlack = RGB(0, 0, 0);

using MainWindowSkin = testing_support::SkinnedMainWindowTest;

TEST_F(MainWindowSkin, EveryButtonIsTheSkinsButtonOverThePicture) {
    for (HWND MainForm::*slot :
         {&MainForm::skin_button, &MainForm::baidu_resolve_button, &MainForm::weiyun_resolve_button}) {
        HWND button = control(slot);
        SCOPED_TRACE(gbk_to_utf8(window_text(button)));
        const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
        ASSERT_TRUE(found);
        const SIZE size = size_of(button);
        MemoryImage expected(size.cx, size.cy);
        paint_push_button(button, expected.dc(), found.entry->focused ? button_state::focused : 0,
                          RECT{0, 0, size.cx, size.cy});
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x)
                ASSERT_EQ(shown(button, x, y), expected.pixel(x, y)) << x << ", " << y;
        }
        // The rounded corner leaves the picture showing; the body is lighter than the picture under it.
        EXPECT_TRUE(near_colour(shown(button, 0, 0), behind(button, 0, 0)));
        EXPECT_GT(testing_support::brightness(shown(button, size.cx / 2, 3)),
                  testing_support::brightness(behind(button, size.cx / 2, 3)));
    }
}

TEST_F(MainWindowSkin, EditsAndTheComboShowTheOutlineAndThePictureInside) {
    struct Probe {
        HWND MainForm::*slot;
        const char* name;
    };
    for (const Probe probe :
         {Probe{&MainForm::baidu_link_edit, "baidu link"}, Probe{&MainForm::baidu_password_edit, "password"},
          Probe{&MainForm::weiyun_link_edit, "weiyun link"}, Probe{&MainForm::suffix_combo, "combo"}}) {
        SCOPED_TRACE(probe.name);
        HWND box = control(probe.slot);
        const SIZE size = size_of(box);
        // A faint black outline over the picture. (The labels overlap the left end of the link boxes.)
        for (const POINT p : {POINT{size.cx / 2, 0}, POINT{size.cx - 1, 0}, POINT{size.cx - 1, size.cy / 2},
                              POINT{size.cx * 3 / 4, size.cy - 1}}) {
            SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
            EXPECT_TRUE(near_colour(shown(box, p.x, p.y), over(behind(box, p.x, p.y), kBlack, 80)));
        }
        // Inside, the picture under a veil of control_alpha (0 here: the picture itself): in the ring, and in
        // the empty text area of an edit box.
        std::vector<POINT> inside{{size.cx / 2, 1}, {size.cx - 2, size.cy / 2}};
        if (probe.slot != &MainForm::suffix_combo)
            inside.push_back(POINT{size.cx * 3 / 4, size.cy / 2});
        for (const POINT p : inside) {
            SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
            EXPECT_TRUE(near_colour(shown(box, p.x, p.y), behind(box, p.x, p.y)));
        }
    }
}

TEST_F(MainWindowSkin, TheListShowsItsOutlineAndThePictureBehindItsRows) {
    HWND list = control(&MainForm::result_list);
    const SIZE size = size_of(list);
    for (const POINT p : {POINT{0, 0}, POINT{size.cx / 2, size.cy - 1}, POINT{size.cx - 1, size.cy / 2}}) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_TRUE(near_colour(shown(list, p.x, p.y), over(behind(list, p.x, p.y), kBlack, 90)));
    }
    // Below the header, where no row is yet: the picture.
    const POINT empty{size.cx / 2, size.cy / 2};
    EXPECT_TRUE(near_colour(shown(list, empty.x, empty.y), behind(list, empty.x, empty.y)));
}

TEST_F(MainWindowSkin, ABaiduResolutionOfTwoHundredRowsKeepsTheListOverThePicture) {
    testing_support::resolve_baidu(*main_, answer_listing(200));
    HWND list = control(&MainForm::result_list);
    ASSERT_EQ(rt::row_count(list), 200);
    UpdateWindow(list);
    pump();
    const auto expect_rows_over_picture = [&](int first, int last) {
        for (int row = first; row <= last; row += (last - first) / 4) {
            SCOPED_TRACE(row);
            const POINT p = blank_point_of_row(row);
            EXPECT_TRUE(near_colour(shown(list, p.x, p.y), behind(list, p.x, p.y)));
        }
        // The addresses themselves are drawn: dark text in the address column of the first row shown.
        RECT item{};
        item.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETITEMRECT, first, reinterpret_cast<LPARAM>(&item));
        HDC dc = GetDC(list);
        int dark = 0;
        for (int x = 50; x < 160; ++x)
            dark += testing_support::brightness(GetPixel(dc, x, (item.top + item.bottom) / 2)) < 200 ? 1 : 0;
        ReleaseDC(list, dc);
        EXPECT_GT(dark, 5);
    };
    const auto top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    const auto visible = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
    ASSERT_GT(visible, 4);
    expect_rows_over_picture(top, top + visible - 1);
    // Scrolled to the end, the rows still lie over the picture.
    SendMessageW(list, LVM_ENSUREVISIBLE, 199, FALSE);
    UpdateWindow(list);
    pump();
    expect_rows_over_picture(199 - visible + 1, 199);
    EXPECT_EQ(window_text(control(&MainForm::status_label)),
              "解析完成 双击直接下载  右键可复制下载地址 下载其中一个即可 下面部分地址不行 多试两个");
}

} // namespace
} // namespace pantrove
