// Combo boxes of skinned windows: a white or translucent white body with a thin outline, a rounded drop-down
// button with a theme-coloured gradient and an arrow, and for drop-down lists the selected text drawn by the
// skin. Child windows (the edit box of a drop-down combo box, the list of a simple one) keep painting themselves
// through holes in the composed image. Registered by skin_edits_and_combos (edits.h).
#pragma once

#include <windows.h>

#include <optional>

namespace pantrove {

// Combo box styles by the low bits of GWL_STYLE.
// CBS_DROPDOWNLIST.
[[nodiscard]] constexpr bool is_drop_down_list(DWORD style) {
    return (style & 3) == 3;
}
// CBS_DROPDOWN or CBS_DROPDOWNLIST.
[[nodiscard]] constexpr bool has_drop_down_button(DWORD style) {
    return (style & 2) != 0;
}
// CBS_SIMPLE or CBS_DROPDOWNLIST: every child window shows through the body.
[[nodiscard]] constexpr bool shows_every_child(DWORD style) {
    return (style & 1) != 0;
}

// The window procedure of every registered combo box.
LRESULT CALLBACK combo_proc(HWND combo, UINT message, WPARAM wparam, LPARAM lparam);

// Paints combo box `entry_number` of window `window_number` over its whole window, hot or not; focused when
// given, else as its entry says.
void paint_combo_box(int window_number, int entry_number, bool hot, std::optional<bool> focused = std::nullopt);

// The window's rectangle relative to its parent's window rectangle; empty for a skinned top-level window.
[[nodiscard]] RECT child_rect_in_parent(HWND window);

} // namespace pantrove
