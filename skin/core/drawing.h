// Colour, shape and geometry helpers shared by every skin painter.
#pragma once

#include "gdiplus/gdiplus_api.h"

#include <windows.h>

namespace pantrove {

namespace gdiplus {
class Graphics;
class GraphicsPath;
} // namespace gdiplus

// The GDI+ colour of a COLORREF (whose top byte is ignored) with the given opacity, kept within 0..255.
[[nodiscard]] gdiplus::ARGB to_argb(COLORREF colour, int alpha = 255);

// Appends a closed rectangle with rounded corners, arcs of radius × radius (radius kept within 1..100).
bool add_round_rect(gdiplus::GraphicsPath& path, float x, float y, float width, float height, int radius);

// Appends an open outline with rounded top corners and no bottom edge, from the bottom left to the bottom right.
bool add_tab_path(gdiplus::GraphicsPath& path, int x, int y, int width, int height, int radius);

// Strokes the path with pen widths 1, 2, ..., widths in one colour: a soft glow thickest near the outline.
void draw_glow_outline(gdiplus::Graphics& graphics, const gdiplus::GraphicsPath& path, int widths, COLORREF colour,
                       int alpha);

// The client area in window coordinates, taking the borders as equal on opposite sides and scroll bars (of
// 17 pixels) as sitting on the right and at the bottom.
[[nodiscard]] RECT client_rect_in_window(HWND hwnd);
[[nodiscard]] RECT client_rect_in_window(SIZE window, SIZE client, DWORD style);

// A list box that draws its own items (LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE).
[[nodiscard]] bool is_owner_draw_list_box(HWND hwnd);

} // namespace pantrove
