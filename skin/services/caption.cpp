#include "skin/services/caption.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/text.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_dc.h"
#include "skin/core/window_props.h"
#include "skin/services/frame_rendering.h"
#include "text/wide_text.h"

namespace pantrove {

namespace {

constexpr int kIconSize = 17;
// The icon stands this much higher than the text box.
constexpr int kIconRise = 3;
constexpr int kTextBoxHeight = 32;

} // namespace

void draw_halo_text(gdiplus::Graphics& graphics, std::string_view text, const gdiplus::RectF& box, COLORREF text_colour,
                    COLORREF halo_colour, const HaloTextOptions& options) {
    gdiplus::Font font;
    if (!font.create(options.font_name, options.font_size, options.font_style, Gdiplus::UnitWorld))
        return;
    gdiplus::StringFormat format;
    format.create(0, LANG_NEUTRAL);
    format.set_align(options.horizontal);
    format.set_line_align(options.vertical);
    const gdiplus::SolidBrush halo(to_argb(halo_colour, 150));
    const auto d = static_cast<float>(options.halo_offset);
    for (const gdiplus::PointF& shift :
         {gdiplus::PointF(d, 0), gdiplus::PointF(-d, 0), gdiplus::PointF(0, d), gdiplus::PointF(0, -d)}) {
        const gdiplus::RectF moved(box.X + shift.X, box.Y + shift.Y, box.Width, box.Height);
        graphics.draw_string(text, font, moved, halo, &format);
    }
    const gdiplus::SolidBrush brush(to_argb(text_colour, 255));
    graphics.draw_string(text, font, box, brush, &format);
}

int SkinObject::set_caption_style(HWND window, std::optional<std::string_view> font_name, std::optional<int> font_size,
                                  std::optional<COLORREF> text_colour, std::optional<COLORREF> halo_colour,
                                  std::optional<bool> bold) {
    const int number = window ? props::get_int(window, props::kOwnNumber) : 0;
    SkinnedWindow* record = window_record(number);
    if (!record)
        return 0;
    if (font_name)
        record->caption_font_name = TextValue(*font_name);
    if (font_size)
        record->caption_font_size = *font_size;
    if (text_colour)
        record->caption_text_colour = *text_colour;
    if (halo_colour)
        record->caption_halo_colour = *halo_colour;
    if (bold)
        record->caption_bold = *bold;
    // A window that shows no caption keeps its caption area as it is.
    if (record->show_caption && record->framed) {
        gdiplus::Graphics graphics;
        paint_caption(number, graphics, false, window_text(window));
    }
    return 1;
}

void SkinObject::paint_caption(int number, gdiplus::Graphics& graphics, bool no_present,
                               std::optional<std::string_view> text) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc)
        return;
    RECT client{};
    GetClientRect(record->window, &client);
    const int m = frame_margin;
    const int ix = m + 6;
    const int iy = m + 5;
    const int text_width = client.right - record->strip_width - 10 - 2 * m;
    if (!no_present) {
        graphics.create_from_hdc(record->background_dc);
        // From the icon's top: the icon is drawn with alpha, and drawn twice over itself its edges would darken.
        restore_caption_rect(number, RECT{ix, iy - kIconRise, ix + text_width, iy + kTextBoxHeight});
    }
    graphics.flush();
    if (app_icon)
        DrawIconEx(record->background_dc, ix, iy - kIconRise, app_icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    // GDI+ takes a layout box without width as one without limit: a box squeezed away by the strip shows nothing.
    if (text_width > 0) {
        const TextValue own_text = text ? TextValue() : window_text(record->window);
        HaloTextOptions options;
        options.font_name = record->caption_font_name;
        options.font_style = record->caption_bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular;
        options.font_size = static_cast<float>(record->caption_font_size);
        draw_halo_text(graphics, text ? *text : own_text,
                       gdiplus::RectF(static_cast<float>(ix + 20), static_cast<float>(iy),
                                      static_cast<float>(text_width), static_cast<float>(kTextBoxHeight)),
                       record->caption_text_colour, record->caption_halo_colour, options);
    }
    if (no_present)
        return;
    graphics.flush();
    {
        const WindowDc screen(record->window);
        exclude_opaque_children(screen.get(), record->window);
        BitBlt(screen.get(), ix, m + 3, text_width, kTextBoxHeight, record->background_dc, ix, m + 3, SRCCOPY);
    }
    graphics.destroy();
}

} // namespace pantrove
