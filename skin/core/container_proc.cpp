#include "skin/core/containers.h"

#include "skin/controls/control_registry.h"
#include "skin/core/child_messages.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

namespace pantrove {

namespace {

ContainerEntry* find_container(HWND container) {
    SkinnedWindow* window = window_record(props::get_int(container, props::kWindowNumber));
    ContainerEntry* entry =
        window ? window->container_list.find(props::get_int(container, props::kOwnNumber)) : nullptr;
    return entry && entry->hwnd == container ? entry : nullptr;
}

// Whether any of the container's pixels show the window's image, which a move leaves stale: all but an
// opaque fill over the whole area (a group box keeps the image above its outline and under its caption).
bool shows_window_through(const ContainerEntry& entry) {
    return entry.fill_colour == 0 || entry.fill_alpha != 255 || entry.group_box;
}

LRESULT paint(HWND container, int number, int entry_number, bool render, WPARAM wparam, LPARAM lparam) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(container, &paint);
    if (render)
        render_container(number, entry_number, dc);
    else
        present_container(number, entry_number);
    EndPaint(container, &paint);
    return DefWindowProcW(container, WM_PAINT, wparam, lparam);
}

} // namespace

LRESULT CALLBACK container_proc(HWND container, UINT message, WPARAM wparam, LPARAM lparam) {
    ContainerEntry* entry = find_container(container);
    if (!entry)
        return forward_message(container, message, wparam, lparam);
    const int number = props::get_int(container, props::kWindowNumber);
    const int entry_number = props::get_int(container, props::kOwnNumber);
    if (is_child_message(message)) {
        if (const auto answer = answer_child_message(number, message, wparam, lparam))
            return *answer;
        return forward_message(container, message, wparam, lparam);
    }
    switch (message) {
    case WM_MOVE:
        if (entry->skinned && shows_window_through(*entry))
            InvalidateRect(container, nullptr, FALSE);
        break;
    case WM_SIZE:
        entry->needs_render = true;
        layout_docked_children(number, entry_number);
        break;
    case WM_PAINT:
        if (entry->skinned)
            return paint(container, number, entry_number, entry->needs_render, wparam, lparam);
        break;
    case WM_ERASEBKGND:
        if (entry->skinned) {
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return 1;
        }
        break;
    case WM_SHOWWINDOW:
        if (wparam == TRUE) {
            forward_message(container, message, wparam, lparam);
            // The previous procedure may have done anything: the entry is looked up again.
            if (const ContainerEntry* shown = find_container(container); shown && shown->skinned)
                render_container(number, entry_number);
            return DefWindowProcW(container, message, wparam, lparam);
        }
        break;
    }
    return forward_message(container, message, wparam, lparam);
}

} // namespace pantrove
