// What trackbars, progress bars and up-down controls share: registration by class through the one dispatch
// point, and painting that gives back everything it takes.
#include "skin/controls/progress_bars.h"
#include "skin/controls/trackbars.h"
#include "skin/controls/up_downs.h"
#include "tests/windows/range_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace pantrove {
namespace {

using testing_support::pump;

struct Family {
    const char* name;
    const wchar_t* window_class;
    void (*setup)(int, HWND);
    WNDPROC procedure;
    std::function<int(SkinnedWindow&)> count;
    std::function<HWND(SkinnedWindow&, int)> handle;
    std::function<WNDPROC(SkinnedWindow&, int)> previous;
};

void PrintTo(const Family& f, std::ostream* out) {
    *out << f.name;
}

template <class Entry>
Family family(const char* name, const wchar_t* window_class, void (*setup)(int, HWND), WNDPROC procedure,
              ControlList<Entry> SkinnedWindow::*list) {
    return {name,
            window_class,
            setup,
            procedure,
            [list](SkinnedWindow& w) { return (w.*list).count(); },
            [list](SkinnedWindow& w, int n) { return (w.*list)[n].handle; },
            [list](SkinnedWindow& w, int n) { return (w.*list)[n].previous_proc; }};
}

class RangeRegistrationTest : public testing_support::RangeControlTest, public testing::WithParamInterface<Family> {};

TEST_P(RangeRegistrationTest, TwoControlsTakeEntriesOneAndTwoAndASecondSetupSubclassesNothingAgain) {
    const Family& f = GetParam();
    HWND first = control(f.window_class, 0, 20, 20, 120, 24);
    HWND second = control(f.window_class, 0, 20, 60, 120, 24);
    HWND group = control(L"Button", BS_GROUPBOX, 160, 20, 150, 100);
    HWND grandchild = child(group, f.window_class, 0, 10, 20, 100, 24);
    const auto class_proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(first, GWLP_WNDPROC));

    f.setup(number, window);
    ASSERT_EQ(f.count(record()), 2);
    EXPECT_EQ(f.handle(record(), 1), first);
    EXPECT_EQ(f.handle(record(), 2), second);
    EXPECT_EQ(f.previous(record(), 1), class_proc);
    for (const auto& [made, entry] : {std::pair{first, 1}, std::pair{second, 2}}) {
        EXPECT_EQ(props::get_int(made, props::kOwnNumber), entry);
        EXPECT_EQ(props::get_int(made, props::kWindowNumber), number);
        EXPECT_EQ(props::get_proc(made, props::kPreviousProc), class_proc);
        EXPECT_TRUE(is_subclassed_with(made, f.procedure));
    }
    EXPECT_FALSE(is_subclassed_with(grandchild, f.procedure)) << "reached through its container only";

    f.setup(number, window);
    EXPECT_EQ(f.count(record()), 2);
    EXPECT_EQ(props::get_proc(first, props::kPreviousProc), class_proc) << "never its own previous procedure";
    pump();
}

TEST_P(RangeRegistrationTest, WithSkinnedControlsSwitchedOffNothingIsTouched) {
    const Family& f = GetParam();
    HWND made = control(f.window_class, 0, 20, 20, 120, 24);
    skin_controls_enabled = 0;
    f.setup(number, window);
    EXPECT_EQ(f.handle(record(), 1), nullptr);
    EXPECT_FALSE(is_subclassed_with(made, f.procedure));
    EXPECT_EQ(GetPropW(made, props::kOwnNumber), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Families, RangeRegistrationTest,
                         testing::Values(family("Trackbars", TRACKBAR_CLASSW, &skin_trackbars, &trackbar_proc,
                                                &SkinnedWindow::trackbar_list),
                                         family("ProgressBars", PROGRESS_CLASSW, &skin_progress_bars, &progress_proc,
                                                &SkinnedWindow::progress_list),
                                         family("UpDowns", UPDOWN_CLASSW, &skin_up_downs, &updown_proc,
                                                &SkinnedWindow::updown_list)),
                         [](const testing::TestParamInfo<Family>& info) { return std::string(info.param.name); });

class RangeControlsTest : public testing_support::RangeControlTest {};

TEST_F(RangeControlsTest, TheDispatchPointSkinsEveryFamily) {
    HWND trackbar = control(TRACKBAR_CLASSW, 0, 20, 20, 150, 30);
    HWND bar = control(PROGRESS_CLASSW, 0, 20, 60, 150, 20);
    HWND spin = control(UPDOWN_CLASSW, 0, 200, 20, 20, 40);
    skin_child_controls(number, window);
    EXPECT_EQ(record().trackbar_list.find_handle(trackbar), 1);
    EXPECT_EQ(record().progress_list.find_handle(bar), 1);
    EXPECT_EQ(record().updown_list.find_handle(spin), 1);
    pump();
}

// The controls' messages and paints run a few hundred times; SkinTest checks after the test that every GDI
// and GDI+ object came back, and so is checked here after each round.
TEST_F(RangeControlsTest, HoverAndPaintCyclesGiveBackEveryObject) {
    trackbar_style = 1;
    HWND trackbar = control(TRACKBAR_CLASSW, TBS_ENABLESELRANGE, 20, 20, 150, 30);
    HWND upright = control(TRACKBAR_CLASSW, TBS_VERT, 300, 20, 30, 150);
    HWND bar = control(PROGRESS_CLASSW, 0, 20, 60, 150, 20);
    HWND spin = control(UPDOWN_CLASSW, 0, 200, 20, 20, 40);
    SendMessageW(trackbar, TBM_SETSEL, TRUE, MAKELPARAM(10, 60));
    skin_child_controls(number, window);
    pump();
    const long gdi = gdi::live_objects(), plus = gdiplus::live_objects();
    for (int round = 0; round < 300; ++round) {
        for (HWND made : {trackbar, upright}) {
            SendMessageW(made, WM_MOUSEMOVE, 0, testing_support::point(5, 5));
            SendMessageW(made, WM_MOUSELEAVE, 0, 0);
        }
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(round % 101), 0);
        SendMessageW(spin, WM_MOUSEMOVE, 0, testing_support::point(10, 5));
        SendMessageW(spin, WM_MOUSEMOVE, 0, testing_support::point(10, 30));
        SendMessageW(spin, WM_MOUSELEAVE, 0, 0);
        for (HWND made : {trackbar, upright, bar, spin})
            RedrawWindow(made, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        pump();
    }
    EXPECT_EQ(gdi::live_objects(), gdi);
    EXPECT_EQ(gdiplus::live_objects(), plus);
}

} // namespace
} // namespace pantrove
