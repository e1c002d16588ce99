// Where the parts of a bordered control lie: its styles, the client area inside the border and the scroll bars
// the system keeps painting. Shared by the painters of edit boxes and list controls.
#pragma once

#include "skin/core/gdi_objects.h"

#include <windows.h>

namespace pantrove {

[[nodiscard]] DWORD style_of(HWND window);

// WS_BORDER, or WS_EX_WINDOWEDGE, WS_EX_CLIENTEDGE or WS_EX_DLGMODALFRAME.
[[nodiscard]] bool has_border(HWND control);

// WS_VSCROLL or WS_HSCROLL is set.
[[nodiscard]] bool has_scroll_bars(HWND control);

// The client area together with the scroll bars, in window coordinates, the borders taken as equally wide.
[[nodiscard]] RECT client_area_in_window(HWND control);

// The control's scroll bars and the square between them, in screen coordinates as WM_NCPAINT takes its update
// region; empty when it has no scroll bar.
[[nodiscard]] gdi::Region scroll_bar_region(HWND control);

} // namespace pantrove
