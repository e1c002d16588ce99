// The caption of a skinned window: the program icon and the window text with a soft halo, drawn by
// SkinObject::paint_caption (skin/core/skin_object.h) through draw_halo_text.
#pragma once

#include "gdiplus/gdiplus_api.h"

#include <windows.h>

#include <string_view>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// How draw_halo_text lays out its text. The size is in world units (pixels on a composed image).
struct HaloTextOptions {
    int halo_offset = 1;
    std::string_view font_name = "宋体";
    int font_style = Gdiplus::FontStyleRegular;
    float font_size = 13;
    Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear;
    Gdiplus::StringAlignment vertical = Gdiplus::StringAlignmentNear;
};

// Draws the text (code page 936) into the box in text_colour over a halo of halo_colour at alpha 150: the text
// drawn four times, moved by the halo offset left, right, up and down. Draws nothing when the font family
// does not exist.
void draw_halo_text(gdiplus::Graphics& graphics, std::string_view text, const gdiplus::RectF& box, COLORREF text_colour,
                    COLORREF halo_colour, const HaloTextOptions& options = {});

} // namespace pantrove
