#include "skin/controls/list_controls.h"

#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/edits.h"
#include "skin/controls/hover_tracking.h"
#include "skin/core/background_dc.h"
#include "skin/core/drawing.h"

namespace pantrove {

namespace {

bool is_arrow_key(WPARAM key) {
    return key >= VK_LEFT && key <= VK_DOWN;
}

// The tree draws itself over the colour key (its background since registration); only its items are laid
// over the veiled backdrop. False, doing nothing, when there is no backdrop to draw on.
bool paint_transparent_tree(HWND tree) {
    const RECT client = client_rect_of(tree);
    const BackgroundImage items(tree, client);
    const Backdrop backdrop(tree);
    if (!items || !backdrop)
        return false;
    forward_message(tree, WM_PAINT, reinterpret_cast<WPARAM>(items.dc()), 0);
    items.copy_keyed_to(backdrop.get());
    const ChildFreeDc dc(tree);
    BitBlt(dc.get(), 0, 0, client.right, client.bottom, backdrop.get(), 0, 0, SRCCOPY);
    return true;
}

// The list draws its items into the veiled backdrop, which then goes to the screen in one piece.
// False, doing nothing, when there is no backdrop to draw on.
bool paint_transparent_list(HWND list) {
    const Backdrop backdrop(list);
    if (!backdrop)
        return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(list, &paint);
    forward_message(list, WM_PAINT, reinterpret_cast<WPARAM>(backdrop.get()), 0);
    const RECT client = client_rect_of(list);
    BitBlt(dc, 0, 0, client.right, client.bottom, backdrop.get(), 0, 0, SRCCOPY);
    EndPaint(list, &paint);
    // The copy may have covered the list's children (a list view's header): they paint themselves again.
    invalidate_visible_children(list);
    return true;
}

// WM_PAINT; nullopt when the message is passed on.
std::optional<LRESULT> paint(HWND control, const ListControlEntry& entry, WPARAM wparam, LPARAM lparam) {
    if (!transparent_controls)
        return std::nullopt;
    switch (entry.kind) {
    case ListControlKind::tree_view:
        if (!paint_transparent_tree(control))
            return std::nullopt;
        break;
    case ListControlKind::list_view:
    case ListControlKind::list_box:
        if (!paint_transparent_list(control))
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    return DefWindowProcW(control, WM_PAINT, wparam, lparam);
}

// WM_ERASEBKGND; nullopt when the message is passed on.
std::optional<LRESULT> erase_background(HWND control, const ListControlEntry& entry, HDC dc) {
    if (!transparent_controls)
        return std::nullopt;
    switch (entry.kind) {
    case ListControlKind::list_box:
        if (is_owner_draw_list_box(control))
            return std::nullopt;
        [[fallthrough]];
    case ListControlKind::tree_view:
    case ListControlKind::list_view:
        // The paint covers the whole client area.
        SetBkMode(dc, TRANSPARENT);
        return 1;
    case ListControlKind::ip_address:
    case ListControlKind::date_time: {
        SetBkMode(dc, TRANSPARENT);
        paint_edit_backdrop(control, dc, true);
        return static_cast<LRESULT>(SetTextColor(dc, text_colour_of(control)));
    }
    case ListControlKind::combo_list:
        break;
    }
    return std::nullopt;
}

// The frame first, then the system's non-client painting for the scroll bars only: -1 as the update region
// keeps it from drawing its own border over the ring.
LRESULT paint_non_client(HWND control, int window_number, int entry_number) {
    paint_list_frame(window_number, entry_number);
    const gdi::Region bars = scroll_bar_region(control);
    const auto region = bars ? reinterpret_cast<WPARAM>(bars.get()) : static_cast<WPARAM>(-1);
    return DefWindowProcW(control, WM_NCPAINT, region, 0);
}

} // namespace

LRESULT CALLBACK list_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    const RegisteredControl found = find_registered(control, &SkinnedWindow::list_control_list);
    if (!found)
        return forward_message(control, message, wparam, lparam);
    ListControlEntry& entry = *found.entry;
    const int window_number = props::get_int(control, props::kWindowNumber);
    switch (message) {
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        if (transparent_controls)
            InvalidateRect(control, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
        entry.focused = true;
        paint_list_frame(window_number, found.number);
        break;
    case WM_KILLFOCUS:
        entry.focused = false;
        paint_list_frame(window_number, found.number);
        break;
    case WM_PAINT:
        if (const auto result = paint(control, entry, wparam, lparam))
            return *result;
        break;
    case WM_ERASEBKGND:
        if (const auto result = erase_background(control, entry, reinterpret_cast<HDC>(wparam)))
            return *result;
        break;
    case WM_NCPAINT:
        return paint_non_client(control, window_number, found.number);
    case WM_KEYDOWN:
        if (is_arrow_key(wparam))
            entry.arrow_key_down = true;
        break;
    case WM_KEYUP:
        ReleaseCapture();
        entry.arrow_key_down = false;
        break;
    case WM_MOUSEMOVE:
        if (hover_moved(*found.window, control, found.number, hover_family::list_controls)) {
            entry.hot = true;
            paint_list_frame(window_number, found.number, true);
            hover_drawn(*found.window, hover_family::list_controls);
        }
        break;
    case WM_MOUSELEAVE:
        hover_cleared(*found.window);
        entry.hot = false;
        paint_list_frame(window_number, found.number, false);
        break;
    case kListKeyMessage:
        if (transparent_controls && entry.arrow_key_down)
            InvalidateRect(control, nullptr, FALSE);
        break;
    default:
        break;
    }
    return forward_message(control, message, wparam, lparam);
}

void preprocess_list_key(const MSG& message) {
    // Keyboard messages only: announcing a paint message of the list (or of its header) would invalidate
    // the list again for every paint while the key is held.
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return;
    const HWND desktop = GetDesktopWindow();
    for (HWND window = message.hwnd; window && window != desktop; window = GetAncestor(window, GA_PARENT)) {
        if (find_registered(window, &SkinnedWindow::list_control_list))
            SendMessageW(window, kListKeyMessage, 0, 0);
    }
}

} // namespace pantrove
