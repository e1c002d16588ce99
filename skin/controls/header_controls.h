// Header controls of skinned windows, on their own or as the column header of a list view: every column is
// a translucent white cell with a theme-coloured gradient, a divider at its right edge, its image and its
// title cut with an ellipsis. Clickable headers (HDS_BUTTONS) show the column under the pointer and the one
// being pressed. The last column of a list view's header reaches the list view's right edge.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <string_view>

namespace pantrove {

// Registers parent's direct "SysHeader32" children, then the header of each of parent's "SysListView32"
// children, and subclasses them with header_proc. A list view's header draws its titles in the list view's
// font, a header of its own in its own font; "宋体" 12 pixels stands in for a font that cannot be read.
// Does nothing while skin_controls_enabled is 0; a header subclassed already is left as it is.
void skin_headers(int window_number, HWND parent);

// The window procedure of every registered header.
LRESULT CALLBACK header_proc(HWND header, UINT message, WPARAM wparam, LPARAM lparam);

// Paints every column of a registered header into dc, or into the header's own DC when dc is null.
void paint_header(int window_number, int entry_number, HDC dc = nullptr);

// The 1-based column whose inside holds the x of a mouse message's lParam; 0 on none. The 5 pixels at
// each edge of a column are its divider zones and belong to no column.
[[nodiscard]] int header_hit_test(int window_number, int entry_number, LPARAM lparam);

// Width in pixels of text drawn by GDI+ in the font (face, size in pixels, FontStyle bits), plus 1.
[[nodiscard]] int measure_text_width(std::string_view text, std::string_view face, int size, int style);

} // namespace pantrove
