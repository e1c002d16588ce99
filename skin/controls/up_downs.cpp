#include "skin/controls/up_downs.h"

#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"

#include <commctrl.h>

namespace pantrove {

void skin_up_downs(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, UPDOWN_CLASSW, [&](HWND control) {
        // A second subclassing would make updown_proc pass every message on to itself.
        if (is_subclassed_with(control, updown_proc))
            return;
        const int number = register_control(window_number, window->updown_list, control, updown_proc);
        window->updown_list[number].horizontal = (GetWindowLongPtrW(control, GWL_STYLE) & UDS_HORZ) != 0;
    });
}

namespace {

// Draws the lit half only when the pointer came from another control or crossed the middle. The position is
// kept too: the control's own invalidation on the same move repaints from the entry.
void pointer_moved(HWND control, const RegisteredControl<UpDownEntry>& found, int window_number, LPARAM lparam) {
    UpDownEntry& entry = *found.entry;
    const bool other_control = hover_moved(*found.window, control, found.number, hover_family::up_downs);
    const int part = updown_hit_part(window_number, found.number, lparam);
    entry.mouse_position = lparam;
    if (!other_control && part == entry.hot_part)
        return;
    paint_up_down(window_number, found.number, true, std::nullopt, lparam);
    entry.hot = true;
    entry.hot_part = part;
    hover_drawn(*found.window, hover_family::up_downs);
}

} // namespace

LRESULT CALLBACK updown_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(control, &SkinnedWindow::updown_list);
    if (!found)
        return forward_message(control, message, wparam, lparam);
    UpDownEntry& entry = *found.entry;
    const int window_number = props::get_int(control, props::kWindowNumber);
    switch (message) {
    case WM_MOVE:
        paint_up_down(window_number, found.number);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(control, &paint);
        paint_up_down(window_number, found.number);
        EndPaint(control, &paint);
        return DefWindowProcW(control, message, wparam, lparam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        return 1;
    case WM_MOUSEMOVE:
        pointer_moved(control, found, window_number, lparam);
        break;
    case WM_LBUTTONDOWN:
        entry.button_down = true;
        entry.mouse_position = lparam;
        break;
    case WM_LBUTTONUP:
        entry.button_down = false;
        entry.mouse_position = lparam;
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        entry.hot = false;
        paint_up_down(window_number, found.number, false);
        break;
    default:
        break;
    }
    return forward_message(control, message, wparam, lparam);
}

int updown_hit_part(int window_number, int entry_number, LPARAM lparam) {
    SkinnedWindow* window = window_record(window_number);
    const UpDownEntry* entry = window ? window->updown_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return 0;
    const RECT whole = window_rect_at_origin(entry->handle);
    if (entry->horizontal)
        return static_cast<short>(LOWORD(lparam)) > whole.right / 2 ? 1 : 0;
    return static_cast<short>(HIWORD(lparam)) > whole.bottom / 2 ? 1 : 0;
}

} // namespace pantrove
