#include "skin/controls/trackbars.h"

#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"

#include <commctrl.h>

namespace pantrove {

TickPlacement tick_placement_of(DWORD style) {
    if (style & TBS_NOTICKS)
        return TickPlacement::none;
    if (style & TBS_TOP)
        return TickPlacement::top_or_left;
    if (style & TBS_BOTH)
        return TickPlacement::both;
    return TickPlacement::bottom_or_right;
}

void skin_trackbars(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, TRACKBAR_CLASSW, [&](HWND trackbar) {
        // A second subclassing would make trackbar_proc pass every message on to itself.
        if (is_subclassed_with(trackbar, trackbar_proc))
            return;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(trackbar, GWL_STYLE));
        const int number = register_control(window_number, window->trackbar_list, trackbar, trackbar_proc);
        TrackbarEntry& entry = window->trackbar_list[number];
        entry.vertical = (style & TBS_VERT) != 0;
        entry.tick_placement = tick_placement_of(style);
        entry.has_selection = (style & TBS_ENABLESELRANGE) != 0;
    });
}

LRESULT CALLBACK trackbar_proc(HWND trackbar, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(trackbar, &SkinnedWindow::trackbar_list);
    if (!found)
        return forward_message(trackbar, message, wparam, lparam);
    const int window_number = props::get_int(trackbar, props::kWindowNumber);
    switch (message) {
    case WM_MOVE:
        paint_trackbar(window_number, found.number);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(trackbar, &paint);
        paint_trackbar(window_number, found.number);
        EndPaint(trackbar, &paint);
        return DefWindowProcW(trackbar, message, wparam, lparam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        paint_trackbar(window_number, found.number);
        return 1;
    case WM_MOUSEMOVE:
        if (hover_moved(*found.window, trackbar, found.number, hover_family::trackbars)) {
            found.entry->hot = true;
            paint_trackbar(window_number, found.number);
        }
        hover_drawn(*found.window, hover_family::trackbars);
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        found.entry->hot = false;
        paint_trackbar(window_number, found.number);
        break;
    default:
        break;
    }
    return forward_message(trackbar, message, wparam, lparam);
}

} // namespace pantrove
