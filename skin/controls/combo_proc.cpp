#include "skin/controls/combos.h"

#include "skin/controls/control_registry.h"
#include "skin/controls/edits.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/colour_answers.h"

namespace pantrove {

namespace {

HWND edit_inside(HWND combo) {
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

bool changes_edit_text(WORD notification) {
    return notification == EN_VSCROLL || notification == EN_HSCROLL || notification == EN_CHANGE ||
           notification == EN_UPDATE;
}

// A new selection is painted by the combo box itself, straight onto the screen and over the skin, when it is
// set by message or picked in the list.
bool paints_selection_itself(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == CB_SETCURSEL)
        return true;
    const auto sender = reinterpret_cast<HWND>(lparam);
    return message == WM_COMMAND && HIWORD(wparam) == LBN_SELCHANGE && sender && class_name_of(sender) == "ComboLBox";
}

} // namespace

LRESULT CALLBACK combo_proc(HWND combo, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(combo, &SkinnedWindow::combo_list);
    if (!found)
        return forward_message(combo, message, wparam, lparam);
    const int window_number = props::get_int(combo, props::kWindowNumber);
    ComboEntry& entry = *found.entry;
    if (paints_selection_itself(message, wparam, lparam)) {
        const LRESULT result = forward_message(combo, message, wparam, lparam);
        InvalidateRect(combo, nullptr, TRUE);
        return result;
    }
    switch (message) {
    case WM_DESTROY:
        // The brush answered to the edit box stays the combo box's to give back, whether the edit box is
        // skinned or not.
        if (HWND edit = edit_inside(combo))
            free_colour_objects_of(edit);
        break;
    case WM_MOVE:
        paint_combo_box(window_number, found.number, false);
        break;
    case WM_SETFOCUS:
        entry.focused = true;
        paint_combo_box(window_number, found.number, false, true);
        break;
    case WM_KILLFOCUS:
        entry.focused = false;
        break;
    case WM_SETTEXT:
        if (edit_inside(combo))
            InvalidateRect(combo, nullptr, TRUE);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(combo, &paint);
        paint_combo_box(window_number, found.number, false);
        EndPaint(combo, &paint);
        return DefWindowProcW(combo, message, wparam, lparam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return 1;
    case WM_NCPAINT:
        paint_combo_box(window_number, found.number, false);
        return paint_default_non_client(combo);
    case WM_COMMAND:
        if (transparent_controls && skin_controls_enabled) {
            const auto sender = reinterpret_cast<HWND>(lparam);
            if (sender && class_name_of(sender) == "Edit" && changes_edit_text(HIWORD(wparam)))
                InvalidateRect(sender, nullptr, TRUE);
        }
        break;
    case WM_CTLCOLOREDIT:
        if (transparent_controls) {
            if (const LRESULT brush = answer_picture_brush(found.window->window, reinterpret_cast<HWND>(lparam),
                                                           reinterpret_cast<HDC>(wparam)))
                return brush;
        }
        break;
    case WM_MOUSEMOVE:
        if (hover_moved(*found.window, combo, found.number, hover_family::combos)) {
            paint_combo_box(window_number, found.number, true);
            hover_drawn(*found.window, hover_family::combos);
        }
        break;
    case WM_MOUSELEAVE:
        paint_combo_box(window_number, found.number, false);
        hover_cleared(*found.window);
        break;
    default:
        break;
    }
    return forward_message(combo, message, wparam, lparam);
}

} // namespace pantrove
