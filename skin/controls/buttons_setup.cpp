#include "skin/controls/buttons.h"

#include "gdiplus/text.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_geometry.h"
#include "skin/controls/control_registry.h"
#include "text/wide_text.h"

namespace pantrove {

namespace {

// Takes an entry for the button and subclasses it with button_proc; null for a button that is subclassed
// with it already (a second registration would make the procedure pass messages on to itself).
ButtonEntry* register_button(SkinnedWindow& window, int window_number, HWND button, ButtonKind kind) {
    if (is_subclassed_with(button, button_proc))
        return nullptr;
    ButtonEntry& entry = window.button_list[register_control(window_number, window.button_list, button, button_proc)];
    entry.kind = kind;
    entry.caption = window_text(button);
    return &entry;
}

void store_font(ButtonEntry& entry, const ControlFont& font) {
    entry.font_face = font.face;
    entry.font_size = font.size;
    entry.font_style = font.style;
}

} // namespace

void skin_push_buttons(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, L"BUTTON", [&](HWND button) {
        const DWORD style = style_of(button);
        if (is_owner_drawn_style(style) || !is_push_button_style(style) || window->button_list.find_handle(button))
            return;
        ButtonEntry* entry = register_button(*window, window_number, button, ButtonKind::push);
        if (!entry)
            return;
        SetWindowLongPtrW(button, GWL_STYLE, static_cast<LONG_PTR>(style | BS_OWNERDRAW));
        store_font(*entry, push_button_font(read_control_font(button)));
    });
}

void skin_check_and_radio_buttons(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    for_each_child(parent, L"BUTTON", [&](HWND button) {
        const DWORD style = style_of(button);
        if (is_owner_drawn_style(style))
            return;
        const bool check_box = is_check_box_style(style);
        if (!check_box && !is_radio_button_style(style))
            return;
        ButtonEntry* entry =
            register_button(*window, window_number, button, check_box ? ButtonKind::check_box : ButtonKind::radio);
        if (!entry)
            return;
        entry->checked_at_setup = SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        entry->parent = parent;
        store_font(*entry, read_control_font(button));
    });
}

ControlFont read_control_font(HWND control) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const WindowDc dc(control);
    gdiplus::Font read;
    if (!dc || !read.create_from_hdc(dc.get(), font))
        return {};
    return {read.family().name(), static_cast<int>(read.size()), read.style()};
}

ControlFont push_button_font(ControlFont read) {
    if (read.face.empty())
        read.face = "宋体";
    if (read.size == 0)
        read.size = 12;
    return read;
}

} // namespace pantrove
