#include "skin/controls/up_downs.h"

#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "resources/embedded.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"
#include "skin/services/decoded_pictures.h"

#include <map>
#include <memory>

namespace pantrove {

namespace {

// The arrows, decoded once: a control is repainted whenever the pointer crosses its middle.
DecodedPicture* arrow(Picture picture) {
    static std::map<Picture, std::shared_ptr<DecodedPicture>> arrows;
    std::shared_ptr<DecodedPicture>& kept = arrows[picture];
    if (!kept)
        kept = decoded_picture(embedded_bytes(picture));
    return kept.get();
}

struct HalfLook {
    gdiplus::ARGB outline;
    gdiplus::ARGB start;
    gdiplus::ARGB end;
};

HalfLook look_of(bool lit, bool button_down, bool first_of_vertical) {
    if (lit && button_down)
        return {to_argb(theme_colour, 200), to_argb(theme_colour, 100), to_argb(0xFFFFFF, 150)};
    if (lit)
        return {to_argb(theme_colour, 200), to_argb(0xFFFFFF, 100), to_argb(theme_colour, 150)};
    return {to_argb(0x000000, 100), to_argb(0xFFFFFF, first_of_vertical ? 60 : 20), to_argb(theme_colour, 100)};
}

// One half in the rectangle (x, y, width, height): its rounded face shaded in the control's direction, its
// arrow in the middle, its outline.
void draw_half(gdiplus::Graphics& graphics, bool horizontal, RECT r, const HalfLook& look, Picture picture) {
    const auto x = static_cast<float>(r.left), y = static_cast<float>(r.top);
    const auto w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, x, y, w - 1, h - 1, 3);
    const gdiplus::PointF end = horizontal ? gdiplus::PointF(x + w, y) : gdiplus::PointF(x, y + h);
    graphics.fill_path(linear_gradient(gdiplus::PointF(x, y), look.start, end, look.end), path);
    if (DecodedPicture* picture_pixels = arrow(picture)) {
        const gdiplus::Bitmap bitmap = bitmap_over(*picture_pixels);
        graphics.draw_image(bitmap, static_cast<float>(r.left + (r.right - r.left - picture_pixels->width) / 2),
                            static_cast<float>(r.top + (r.bottom - r.top - picture_pixels->height) / 2),
                            static_cast<float>(picture_pixels->width), static_cast<float>(picture_pixels->height));
    }
    graphics.draw_path(gdiplus::Pen(look.outline, 1), path);
}

} // namespace

void paint_up_down(int window_number, int entry_number, std::optional<bool> hot, std::optional<bool> button_down,
                   std::optional<LPARAM> mouse_position) {
    SkinnedWindow* window = window_record(window_number);
    const UpDownEntry* entry = window ? window->updown_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND control = entry->handle;
    const bool horizontal = entry->horizontal;
    const RECT whole = window_rect_at_origin(control);
    const int width = whole.right, height = whole.bottom;
    const RECT first = horizontal ? RECT{0, 0, width / 2, height} : RECT{0, 0, width, height / 2};
    const RECT second =
        horizontal ? RECT{width / 2, 0, width / 2 * 2, height} : RECT{0, height / 2, width, height / 2 * 2};
    const int lit = hot.value_or(entry->hot)
                        ? updown_hit_part(window_number, entry_number, mouse_position.value_or(entry->mouse_position))
                        : -1;
    const bool down = button_down.value_or(entry->button_down);

    const BackgroundImage image(control, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        graphics.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
        graphics.set_compositing_quality(Gdiplus::CompositingQualityHighQuality);
        gdiplus::GraphicsPath body(Gdiplus::FillModeAlternate);
        add_round_rect(body, 0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1), 3);
        graphics.fill_path(gdiplus::SolidBrush(to_argb(0xFFFFFF, 160)), body);
        draw_half(graphics, horizontal, first, look_of(lit == 0, down, !horizontal),
                  horizontal ? Picture::ArrowLeft : Picture::ArrowUp);
        draw_half(graphics, horizontal, second, look_of(lit == 1, down, false),
                  horizontal ? Picture::ArrowRight : Picture::ArrowDown);
    }
    const WindowDc dc(control, WindowDc::Area::whole_window);
    image.copy_to(dc.get());
}

} // namespace pantrove
