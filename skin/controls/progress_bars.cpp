#include "skin/controls/progress_bars.h"

#include "skin/controls/control_registry.h"

#include <commctrl.h>

namespace pantrove {

void skin_progress_bars(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, PROGRESS_CLASSW, [&](HWND bar) {
        // A second subclassing would make progress_proc pass every message on to itself.
        if (is_subclassed_with(bar, progress_proc))
            return;
        const int number = register_control(window_number, window->progress_list, bar, progress_proc);
        window->progress_list[number].vertical = (GetWindowLongPtrW(bar, GWL_STYLE) & PBS_VERTICAL) != 0;
    });
}

LRESULT CALLBACK progress_proc(HWND bar, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(bar, &SkinnedWindow::progress_list);
    if (!found)
        return forward_message(bar, message, wparam, lparam);
    const int window_number = props::get_int(bar, props::kWindowNumber);
    switch (message) {
    case WM_MOVE:
        paint_progress_bar(window_number, found.number);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(bar, &paint);
        paint_progress_bar(window_number, found.number);
        EndPaint(bar, &paint);
        return DefWindowProcW(bar, message, wparam, lparam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        paint_progress_bar(window_number, found.number);
        return 1;
    default:
        break;
    }
    return forward_message(bar, message, wparam, lparam);
}

int progress_length(int size, int position, int low, int high) {
    if (size <= 0 || high <= low)
        return 0;
    const double share = (static_cast<double>(position) - low) / (static_cast<double>(high) - low);
    if (share <= 0)
        return 0;
    if (share >= 1)
        return size;
    return static_cast<int>(share * size);
}

} // namespace pantrove
