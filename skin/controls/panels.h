// Colour-keyed panels: containers or controls of any class that keep painting themselves, while their pixels
// of one key colour (their own background colour) show the skinned window's picture instead. Classes that
// paint into a DC they are given are composed off screen over the veiled picture; any other control is
// corrected on the screen after its own paint, its key pixels showing the picture behind it.
#pragma once

#include <windows.h>

namespace pantrove {

// Registers the panel in panel_list of window `window_number` and subclasses it with panel_proc ("Kj_lbID",
// "Kj_FuID" and "Kj_hProc" tell its entry, the window and the replaced procedure). Returns the entry's number;
// 0, changing nothing, for a panel registered already or a window number that names no record.
int register_panel(int window_number, HWND panel, COLORREF key_colour);

// The window procedure of every panel.
LRESULT CALLBACK panel_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace pantrove
