#include "skin/controls/header_controls.h"

#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"

#include <commctrl.h>

namespace pantrove {

namespace {

constexpr int kDividerZone = 5;

// The column under the pointer is drawn hot when it changes, unless the button is held: the hot column then
// stays where it was until the pointer crosses a divider zone, which clears it.
void pointer_moved(HWND header, const RegisteredControl<HeaderEntry>& found, int window_number, LPARAM lparam) {
    HeaderEntry& entry = *found.entry;
    hover_moved(*found.window, header, found.number, hover_family::headers);
    entry.hot = true;
    entry.hot_item = header_hit_test(window_number, found.number, lparam);
    if (entry.hot_item != entry.drawn_hot_item && entry.hot_item >= 1 && !entry.button_down) {
        entry.drawn_hot_item = entry.hot_item;
        paint_header(window_number, found.number);
    } else if (entry.hot_item == 0) {
        // Only a column drawn hot needs the repaint: moves inside a divider zone change nothing.
        const bool was_drawn_hot = entry.drawn_hot_item != 0;
        entry.drawn_hot_item = 0;
        entry.hot = false;
        if (was_drawn_hot)
            paint_header(window_number, found.number);
    }
    hover_drawn(*found.window, hover_family::headers);
}

} // namespace

LRESULT CALLBACK header_proc(HWND header, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(header, &SkinnedWindow::header_list);
    if (!found)
        return forward_message(header, message, wparam, lparam);
    HeaderEntry& entry = *found.entry;
    const int window_number = props::get_int(header, props::kWindowNumber);
    switch (message) {
    case WM_MOVE:
        paint_header(window_number, found.number);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(header, &paint);
        paint_header(window_number, found.number);
        EndPaint(header, &paint);
        return DefWindowProcW(header, message, wparam, lparam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_MOUSEMOVE:
        pointer_moved(header, found, window_number, lparam);
        break;
    case WM_LBUTTONDOWN:
        entry.button_down = true;
        if (entry.hot_item >= 1)
            entry.pressed_item = entry.hot_item;
        break;
    case WM_LBUTTONUP:
        entry.button_down = false;
        entry.pressed_item = 0;
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        entry.drawn_hot_item = 0;
        entry.hot_item = 0;
        entry.hot = false;
        paint_header(window_number, found.number);
        break;
    default:
        break;
    }
    return forward_message(header, message, wparam, lparam);
}

int header_hit_test(int window_number, int entry_number, LPARAM lparam) {
    SkinnedWindow* window = window_record(window_number);
    const HeaderEntry* entry = window ? window->header_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return 0;
    const int x = static_cast<short>(LOWORD(lparam));
    const auto count = static_cast<int>(SendMessageW(entry->handle, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 1; column <= count; ++column) {
        RECT r{};
        SendMessageW(entry->handle, HDM_GETITEMRECT, static_cast<WPARAM>(column - 1), reinterpret_cast<LPARAM>(&r));
        if (r.left + kDividerZone <= x && x <= r.right - kDividerZone)
            return column;
    }
    return 0;
}

} // namespace pantrove
