#include "skin/controls/buttons.h"
#include "skin/controls/child_controls.h"
#include "skin/controls/control_registry.h"
#include "skin/core/containers.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"

namespace pantrove {

bool is_group_box(HWND hwnd) {
    // The type is the low four bits: radio buttons and three-state boxes share the bit 0x4 with group boxes.
    return hwnd && class_name_of(hwnd) == "Button" && (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

int dispatch_child_controls(HWND container, bool skinned, COLORREF fill_colour, int fill_alpha, bool draw_outline) {
    const int number = find_window_record(container);
    SkinnedWindow* window = window_record(number);
    // A second subclassing would make container_proc pass every message on to itself.
    if (!window || !IsWindow(container) || window->container_list.find_handle(container) > 0 ||
        is_subclassed_with(container, container_proc))
        return 0;
    const int entry_number = window->container_list.take();
    ContainerEntry& entry = window->container_list[entry_number];
    entry.hwnd = container;
    entry.fill_colour = fill_colour;
    entry.fill_alpha = static_cast<BYTE>(fill_alpha & 0xFF);
    entry.draw_outline = draw_outline;
    entry.skinned = skinned;
    if (is_group_box(container)) {
        entry.group_box = true;
        // A caption in a font GDI+ cannot read would not be drawn at all.
        const ControlFont font = push_button_font(read_control_font(container));
        entry.label_font = font.face;
        entry.label_font_size = font.size;
        entry.label_font_style = font.style;
    }
    skin_child_controls(number, container);
    entry.needs_render = true;
    entry.old_proc = subclass_control(container, number, entry_number, container_proc);
    return 1;
}

int SkinObject::skin_container(HWND container, bool skinned, COLORREF fill_colour, int fill_alpha, bool draw_outline) {
    if (find_container_number(find_window_record(container), container) > 0)
        return 0;
    return dispatch_child_controls(container, skinned, fill_colour, fill_alpha, draw_outline);
}

} // namespace pantrove
