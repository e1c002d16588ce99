// Text over a soft glow: the text shrunk and enlarged again into a blurred halo, as the status-bar panes draw
// their texts in glow mode.
#pragma once

#include "gdiplus/gdiplus_api.h"

#include <windows.h>

#include <string_view>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// Draws the text (code page 936) into the box (x, y, width, height) in text_colour over a glow of glow_colour:
// the text drawn into an image of the box's size, shrunk by the scale (2 or more) and enlarged again, with
// four faint copies moved by one pixel. The glow reaches about scale / 2 pixels around the text. Nothing for
// a box without width or height or a font family that does not exist; a box smaller than the scale gets the
// text without glow.
void draw_glow_text(gdiplus::Graphics& graphics, std::string_view text, const gdiplus::RectF& box, COLORREF text_colour,
                    COLORREF glow_colour, int scale, std::string_view font_name = "宋体", float font_size = 12);

} // namespace pantrove
