// Edit boxes of skinned windows, and the setup they share with combo boxes. An edit box keeps drawing its own
// text; the skin replaces its border with a white (or, with transparent_controls, translucent white) ring and an
// outline that shows focus and hover, and with transparent_controls veils the window's picture under its text.
// The scroll bars stay the system's.
#pragma once

#include "skin/controls/control_geometry.h"

#include <windows.h>

#include <optional>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// Registers parent's direct children of class "Edit" that window `window_number` has not registered yet, then
// its combo boxes (see combos.h) with, when transparent_controls is set, the edit box inside each. Does nothing
// while skin_controls_enabled is 0.
void skin_edits_and_combos(int window_number, HWND parent);

// Number of the edit box's entry in the edit_list of window `window_number`; 0 when it has none.
[[nodiscard]] int find_edit_entry(int window_number, HWND edit);

// The window procedure of every registered edit box.
LRESULT CALLBACK edit_proc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the ring between the window's edge and its client area (with its scroll bars), with the outline of
// the given states; a state not given is the entry's. Nothing for an edit box that is not registered.
void paint_edit_frame(HWND edit, std::optional<bool> focused = std::nullopt, std::optional<bool> hot = std::nullopt);

// Draws the outline of an edit box into graphics whose origin is the box's top-left window corner: two pixels
// of the theme colour when hot, one when focused, a faint black line otherwise. States not given are the
// entry's (false for a box that is not registered); nothing for a box outside every skinned window.
void draw_edit_border(HWND edit, std::optional<bool> focused, std::optional<bool> hot, gdiplus::Graphics& graphics);

// Paints the control's client area as the window's picture under a white veil of control_alpha: into dc at
// (0, 0) when into_given_dc, else onto the control's window DC where its client area lies.
void paint_edit_backdrop(HWND control, HDC dc, bool into_given_dc);

// The default non-client painting of a control whose frame the skin has painted: only the update region when
// one is given (its scroll bars), else nothing of the system's border.
LRESULT paint_default_non_client(HWND control, HRGN update = nullptr);

} // namespace pantrove
