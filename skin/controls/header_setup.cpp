#include "skin/controls/header_controls.h"

#include "skin/controls/buttons.h"
#include "skin/controls/control_registry.h"

#include <commctrl.h>

namespace pantrove {

namespace {

void register_header(SkinnedWindow& window, int window_number, HWND header, const ControlFont& font) {
    // A second subclassing would make header_proc pass every message on to itself.
    if (is_subclassed_with(header, header_proc))
        return;
    const int number = register_control(window_number, window.header_list, header, header_proc);
    HeaderEntry& entry = window.header_list[number];
    entry.has_buttons = (GetWindowLongPtrW(header, GWL_STYLE) & HDS_BUTTONS) != 0;
    entry.image_list = reinterpret_cast<HIMAGELIST>(SendMessageW(header, HDM_GETIMAGELIST, 0, 0));
    // Titles in a font that cannot be read would not be drawn at all.
    const ControlFont drawn = push_button_font(font);
    entry.font_face = drawn.face;
    entry.font_size = drawn.size;
    entry.font_style = drawn.style;
}

} // namespace

void skin_headers(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, WC_HEADERW,
                   [&](HWND header) { register_header(*window, window_number, header, read_control_font(header)); });
    for_each_child(parent, WC_LISTVIEWW, [&](HWND list) {
        if (HWND header = FindWindowExW(list, nullptr, WC_HEADERW, nullptr))
            register_header(*window, window_number, header, read_control_font(list));
    });
}

} // namespace pantrove
