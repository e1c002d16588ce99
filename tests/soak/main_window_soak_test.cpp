// Long runs over the skinned main window: every control hovered, left and repainted again and again, the
// result list filled by resolution after resolution. Whatever a paint makes it gives back, so the live counts
// of GDI and GDI+ objects end where they started.
#include "gdiplus/object.h"
#include "skin/core/gdi_objects.h"
#include "tests/windows/skinned_main_window.h"
#include "text/window_services.h"

#include <gtest/gtest.h>

#include <vector>

namespace pantrove {
namespace {

using testing_support::answer_listing;
using testing_support::pump;

// The window's controls and their own children (the combo box's edit, the list's header).
std::vector<HWND> every_control_of(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&controls));
    return controls;
}

class MainWindowSoak : public testing_support::SkinnedMainWindowTest {
protected:
    // The pointer comes onto the control, the control repaints whole, frame included, and the pointer leaves.
    static void hover_and_paint(HWND control) {
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    }
};

TEST_F(MainWindowSoak, TenThousandHoverAndPaintCyclesAndFiftyResolutionsLeaveEveryObjectGivenBack) {
    const std::vector<HWND> controls = every_control_of(main_->handle());
    ASSERT_GE(controls.size(), 16u); // fourteen controls, the combo box's edit and the list's header
    // One round first: pictures a painter keeps decoded are decoded on their first use.
    for (HWND control : controls)
        hover_and_paint(control);
    testing_support::resolve_baidu(*main_, answer_listing(20));
    pump();
    const long gdi_before = gdi::live_objects();
    const long gdiplus_before = gdiplus::live_objects();

    for (int cycle = 0; cycle < 10000; ++cycle) {
        hover_and_paint(controls[static_cast<size_t>(cycle) % controls.size()]);
        if (cycle % 100 == 0)
            pump();
    }
    pump();
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);

    HWND list = control(&MainForm::result_list);
    for (int resolution = 1; resolution <= 50; ++resolution) {
        // Lists of different lengths: the list grows, shrinks and scrolls.
        const int rows = resolution % 5 == 0 ? 200 : 10 * (resolution % 5);
        testing_support::resolve_baidu(*main_, answer_listing(rows));
        ASSERT_EQ(rt::row_count(list), rows);
        SendMessageW(list, LVM_ENSUREVISIBLE, rows - 1, FALSE);
        pump();
    }
    EXPECT_EQ(gdi::live_objects(), gdi_before);
    EXPECT_EQ(gdiplus::live_objects(), gdiplus_before);
    EXPECT_TRUE(dc_registry.empty());

    // The window still shows its skin: the list's outline over the picture.
    EXPECT_TRUE(testing_support::near_colour(shown(list, 0, 0), testing_support::over(behind(list, 0, 0), 0, 90)));
}

} // namespace
} // namespace pantrove
