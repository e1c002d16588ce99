// Progress bars of skinned windows: a rounded, softly shaded trough holding a rounded bar in a white to theme
// colour gradient. A vertical bar grows from the bottom. Progress bars take no part in hover tracking.
#pragma once

#include <windows.h>

namespace pantrove {

// Registers parent's direct "msctls_progress32" children and subclasses them with progress_proc. Does nothing
// while skin_controls_enabled is 0; a progress bar subclassed already is left as it is.
void skin_progress_bars(int window_number, HWND parent);

// The window procedure of every registered progress bar.
LRESULT CALLBACK progress_proc(HWND bar, UINT message, WPARAM wparam, LPARAM lparam);

// The length in pixels of the bar of a progress bar `size` pixels long at `position` in the range low..high:
// the position's share of the range, within 0..size. A range whose limits are equal (or reversed) has no bar.
[[nodiscard]] int progress_length(int size, int position, int low, int high);

// Paints registered progress bar `entry_number` of window `window_number` over its whole window, into dc or,
// when dc is null, into the bar's own window DC.
void paint_progress_bar(int window_number, int entry_number, HDC dc = nullptr);

} // namespace pantrove
