#include "skin/controls/buttons.h"

#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/owner_buttons.h"
#include "text/wide_text.h"

namespace pantrove {

namespace {

bool paints_itself(ButtonKind kind) {
    return kind == ButtonKind::radio || kind == ButtonKind::check_box;
}

// The button's own procedure acts first (it may change the check state and draw its own look), then the
// button is drawn over in its current check state.
LRESULT check_then_repaint(HWND button, UINT message, WPARAM wparam, LPARAM lparam, ButtonKind kind) {
    forward_message(button, message, wparam, lparam);
    if (kind == ButtonKind::radio)
        paint_radio_button(button, button_state::pressed);
    else
        paint_check_box(button, 0);
    return DefWindowProcW(button, message, wparam, lparam);
}

} // namespace

LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
    if (!found)
        return forward_message(button, message, wparam, lparam);
    ButtonEntry& entry = *found.entry;
    switch (message) {
    case WM_MOVE:
        InvalidateRect(button, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
        entry.focused = true;
        break;
    case WM_KILLFOCUS:
        entry.focused = false;
        break;
    case WM_SETTEXT:
        entry.caption = lparam ? narrow(reinterpret_cast<const wchar_t*>(lparam)) : TextValue{};
        break;
    case WM_PAINT:
        if (paints_itself(entry.kind)) {
            PAINTSTRUCT paint{};
            BeginPaint(button, &paint);
            if (entry.kind == ButtonKind::radio)
                paint_radio_button(button, 0);
            else
                paint_check_box(button, 0);
            EndPaint(button, &paint);
            return DefWindowProcW(button, message, wparam, lparam);
        }
        break;
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wparam);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(SetTextColor(dc, text_colour_of(button)));
    }
    case WM_NCPAINT:
        return 1;
    case WM_KEYDOWN:
        if (wparam == VK_SPACE && paints_itself(entry.kind))
            return check_then_repaint(button, message, wparam, lparam, entry.kind);
        break;
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
        if (paints_itself(entry.kind))
            return check_then_repaint(button, message, wparam, lparam, entry.kind);
        break;
    case WM_LBUTTONUP:
        hover_cleared(*found.window);
        break;
    case WM_LBUTTONDBLCLK:
        // The button's own procedure would take it for a second press: a double click counts as one click.
        return 0;
    case WM_MOUSEMOVE:
        if (hover_moved(*found.window, button, found.number, hover_family::buttons)) {
            repaint_button(button, 0, true);
            hover_drawn(*found.window, hover_family::buttons);
        }
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        repaint_button(button, entry.focused ? button_state::focused : 0, false);
        break;
    default:
        break;
    }
    return forward_message(button, message, wparam, lparam);
}

void repaint_button(HWND button, UINT state, bool hot) {
    const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
    if (!found)
        return;
    if (hot)
        state |= button_state::hot;
    switch (found.entry->kind) {
    case ButtonKind::radio:
        paint_radio_button(button, state);
        return;
    case ButtonKind::check_box:
        paint_check_box(button, state);
        return;
    default:
        break;
    }
    const WindowDc dc(button);
    const RECT client = client_rect_of(button);
    switch (found.entry->kind) {
    case ButtonKind::picture:
        paint_picture_button(button, dc.get(), state, client);
        break;
    case ButtonKind::state:
        paint_state_button(button, dc.get(), state, client);
        break;
    default:
        paint_push_button(button, dc.get(), state, client);
        break;
    }
}

} // namespace pantrove
