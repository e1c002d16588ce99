#include "skin/controls/edits.h"

#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/colour_answers.h"

namespace pantrove {

namespace {

void invalidate(HWND edit) {
    InvalidateRect(edit, nullptr, TRUE);
}

bool inside_combo_box(HWND edit) {
    return class_name_of(GetParent(edit)) == "ComboBox";
}

LRESULT paint_non_client(HWND edit) {
    paint_edit_frame(edit);
    if (!has_scroll_bars(edit))
        return paint_default_non_client(edit);
    const gdi::Region bars = scroll_bar_region(edit);
    return paint_default_non_client(edit, bars.get());
}

} // namespace

LRESULT CALLBACK edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(edit, &SkinnedWindow::edit_list);
    if (!found)
        return forward_message(edit, message, wparam, lparam);
    EditEntry& entry = *found.entry;
    switch (message) {
    case WM_DESTROY:
        free_colour_objects_of(edit);
        break;
    case WM_MOVE:
        if (transparent_controls)
            invalidate(edit);
        break;
    case WM_SETFOCUS:
        entry.focused = true;
        break;
    case WM_KILLFOCUS:
        entry.focused = false;
        // A combo box repaints itself when its edit box loses the focus.
        if (inside_combo_box(edit))
            paint_edit_frame(edit, std::nullopt, false);
        else
            invalidate(edit);
        break;
    case WM_PAINT:
        // The edit box paints its text afterwards.
        paint_edit_frame(edit);
        break;
    case WM_ERASEBKGND:
        if (transparent_controls) {
            const auto dc = reinterpret_cast<HDC>(wparam);
            SetBkMode(dc, TRANSPARENT);
            paint_edit_backdrop(edit, dc, true);
            return 1;
        }
        break;
    case WM_NCPAINT:
        return paint_non_client(edit);
    case WM_KEYDOWN:
        // Boxes with scroll bars scroll their text and repaint it themselves.
        if (transparent_controls && !has_scroll_bars(edit))
            invalidate(edit);
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (transparent_controls)
            invalidate(edit);
        break;
    case WM_MOUSEMOVE: {
        HWND parent = GetParent(edit);
        if (hover_moved(*found.window, edit, found.number, hover_family::edits, parent)) {
            paint_edit_frame(edit, std::nullopt, true);
            hover_drawn(*found.window, hover_family::edits, parent);
        }
        // Dragging a selection moves the text under a veil that must be painted again.
        if (entry.button_down && !has_scroll_bars(edit))
            invalidate(edit);
        break;
    }
    case WM_LBUTTONDOWN:
        entry.button_down = true;
        if (transparent_controls && !has_scroll_bars(edit))
            invalidate(edit);
        break;
    case WM_LBUTTONUP:
        entry.button_down = false;
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        paint_edit_frame(edit, entry.focused, std::nullopt);
        break;
    default:
        break;
    }
    return forward_message(edit, message, wparam, lparam);
}

} // namespace pantrove
