// Up-down controls of skinned windows: two rounded halves on a translucent white body, each with its arrow.
// The half under the pointer lights up in the theme colour, its gradient turned over while the button is held.
#pragma once

#include <windows.h>

#include <optional>

namespace pantrove {

// Registers parent's direct "msctls_updown32" children and subclasses them with updown_proc. Does nothing
// while skin_controls_enabled is 0; a control subclassed already is left as it is.
void skin_up_downs(int window_number, HWND parent);

// The window procedure of every registered up-down control.
LRESULT CALLBACK updown_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

// The half of registered control `entry_number` of window `window_number` that holds the point of a mouse
// message's lParam: 1 the second (down, or right for UDS_HORZ) beyond the middle, else 0 the first.
[[nodiscard]] int updown_hit_part(int window_number, int entry_number, LPARAM lparam);

// Paints registered control `entry_number` of window `window_number` over its whole window. The states not
// given are read from its entry; the half holding the mouse position is lit only while hot.
void paint_up_down(int window_number, int entry_number, std::optional<bool> hot = std::nullopt,
                   std::optional<bool> button_down = std::nullopt, std::optional<LPARAM> mouse_position = std::nullopt);

} // namespace pantrove
