// Prints how long skinned trackbars, progress bars and up-down controls take to repaint, in milliseconds: each
// paint composes over the window image afresh; the up-down arrows are decoded once. Run it from build/x86_64
// under wine on an X display.
#include "app/startup.h"
#include "skin/controls/child_controls.h"
#include "skin/controls/progress_bars.h"
#include "skin/controls/trackbars.h"
#include "skin/controls/up_downs.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/benchmarks/benchmark_support.h"

#include <commctrl.h>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

HWND child(HWND parent, const wchar_t* window_class, DWORD style, int x, int y, int width, int height) {
    return CreateWindowExW(0, window_class, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent, nullptr,
                           nullptr, nullptr);
}

void benchmark_range_controls() {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 577, 344, nullptr, nullptr, nullptr, nullptr);
    HWND trackbar = child(window, TRACKBAR_CLASSW, TBS_ENABLESELRANGE, 20, 20, 300, 32);
    HWND bar = child(window, PROGRESS_CLASSW, 0, 20, 70, 300, 20);
    HWND spin = child(window, UPDOWN_CLASSW, 0, 340, 20, 18, 40);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageW(trackbar, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
    SendMessageW(trackbar, TBM_SETPOS, TRUE, 40);
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(577, 344);
    window_record(number)->background_dc = frame.dc;
    skin_child_controls(number, window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    for (const int style : {1, 0}) {
        trackbar_style = style;
        report(style ? "trackbar 300x32 hover in and out (two paints), backing box"
                     : "trackbar 300x32 hover in and out (two paints), no backing box",
               500, [&] {
                   SendMessageW(trackbar, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
                   SendMessageW(trackbar, WM_MOUSELEAVE, 0, 0);
               });
    }
    const int progress_entry = window_record(number)->progress_list.find_handle(bar);
    int position = 0;
    report("progress bar 300x20 new position and its repaint", 500, [&] {
        position = (position + 7) % 101;
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        UpdateWindow(bar);
    });
    report("paint_progress_bar 300x20", 500, [&] { paint_progress_bar(number, progress_entry); });
    report("up-down 18x40 hover from one half to the other and out (three paints)", 500, [&] {
        SendMessageW(spin, WM_MOUSEMOVE, 0, MAKELPARAM(9, 5));
        SendMessageW(spin, WM_MOUSEMOVE, 0, MAKELPARAM(9, 30));
        SendMessageW(spin, WM_MOUSELEAVE, 0, 0);
    });

    window_table.clear();
    DestroyWindow(window);
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    benchmark_range_controls();
    on_program_exit();
    return 0;
}
