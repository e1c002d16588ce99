// Trackbars of skinned windows: an optional rounded backing box, a thin shaded channel, a theme-coloured line
// from the channel's start to the thumb, the selection inside the channel, and a round thumb that is a small
// dot until the pointer is over the trackbar, when it grows to an 11-pixel ball.
#pragma once

#include "skin/controls/control_entries.h"

#include <windows.h>

namespace pantrove {

// Where the ticks of a trackbar of this style are.
[[nodiscard]] TickPlacement tick_placement_of(DWORD style);

// Registers parent's direct "msctls_trackbar32" children and subclasses them with trackbar_proc. Does nothing
// while skin_controls_enabled is 0; a trackbar subclassed already is left as it is.
void skin_trackbars(int window_number, HWND parent);

// The window procedure of every registered trackbar.
LRESULT CALLBACK trackbar_proc(HWND trackbar, UINT message, WPARAM wparam, LPARAM lparam);

// Paints registered trackbar `entry_number` of window `window_number` over its whole window, hot as its entry
// says.
void paint_trackbar(int window_number, int entry_number);

} // namespace pantrove
