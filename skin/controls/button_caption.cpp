#include "skin/controls/buttons.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/text.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

namespace pantrove {

void draw_button_caption(gdiplus::Graphics& graphics, HWND button, const ButtonEntry& entry, float x, float y,
                         float width, float height, bool centred) {
    if (entry.caption.empty())
        return;
    gdiplus::Font font;
    if (!font.create(entry.font_face, static_cast<float>(entry.font_size), entry.font_style))
        return;
    gdiplus::StringFormat format;
    format.create();
    format.set_align(centred ? Gdiplus::StringAlignmentCenter : Gdiplus::StringAlignmentNear);
    format.set_line_align(Gdiplus::StringAlignmentCenter);
    const gdiplus::SolidBrush brush(to_argb(text_colour_of(button)));
    graphics.draw_string(entry.caption, font, gdiplus::RectF(x, y, width, height), brush, &format);
}

} // namespace pantrove
