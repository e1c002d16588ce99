#include "skin/core/owner_buttons.h"

#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/controls/buttons.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pantrove {

namespace {

using gdiplus::GraphicsPath;
using gdiplus::Pen;

GraphicsPath round_rect(float x, float y, float width, float height, int radius) {
    GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, x, y, width, height, radius);
    return path;
}

void draw_picture(gdiplus::Graphics& graphics, const ByteArray& picture, float x, float y, float width, float height) {
    gdiplus::Bitmap bitmap;
    if (bitmap.load_from_bytes(picture))
        graphics.draw_image(bitmap, x, y, width, height);
}

void compose_picture_face(gdiplus::Graphics& graphics, UINT state, float w, float h) {
    if (state & button_state::disabled) {
        graphics.fill_path(vertical_gradient(0, to_argb(0x808080, 50), h, to_argb(0xFFFFFF, 0)),
                           round_rect(2, 2, w - 6, h - 6, 5));
    } else if (state & button_state::hot) {
        const GraphicsPath face = round_rect(2, 1, w - 5, h - 4, 2);
        graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 50), h, to_argb(0xFFFFFF, 40)), face);
        gdiplus::PathGradientBrush glow;
        if (glow.create(face)) {
            glow.set_centre_colour(to_argb(0xFFFFFF, 255));
            const std::array surround{to_argb(0xFFFFFF, 10)};
            glow.set_surround_colours(surround);
            graphics.fill_path(glow, face);
        }
    } else if (state & button_state::pressed) {
        graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 60), h, to_argb(0xFFFFFF, 50)),
                           round_rect(2, 2, w - 5, h - 5, 2));
    } else {
        graphics.draw_path(Pen(to_argb(0x000000, 60), 1), round_rect(0, 0, w - 2, h - 2, 5));
        graphics.draw_path(Pen(to_argb(0xFFFFFF, 120), 1), round_rect(1, 1, w - 4, h - 4, 5));
    }
}

// The picture and caption of a picture button: the picture left of the caption, or above it, or alone in
// the middle.
void compose_picture_and_caption(gdiplus::Graphics& graphics, HWND button, const ButtonEntry& entry, float w, float h) {
    if (entry.normal_picture.empty()) {
        draw_button_caption(graphics, button, entry, 0, 0, w, h, true);
        return;
    }
    const float side = std::floor(0.8f * h);
    if (entry.caption.empty()) {
        draw_picture(graphics, entry.normal_picture, std::floor((w - side) / 2), std::floor((h - side) / 2), side,
                     side);
    } else if (entry.picture_beside_caption) {
        draw_picture(graphics, entry.normal_picture, 3, std::floor((h - side) / 2), side, side);
        draw_button_caption(graphics, button, entry, side + 5, 2, w - side - 7, h, true);
    } else {
        // Above the caption: the picture gives up the height of one line of text.
        const float line = static_cast<float>(std::max(entry.font_size, 12) + 4);
        const float above = std::max(0.0f, std::min(side, h - line - 4));
        draw_picture(graphics, entry.normal_picture, std::floor((w - above) / 2), 2, above, above);
        draw_button_caption(graphics, button, entry, 0, above + 2, w, h - above - 2, true);
    }
}

const ByteArray& state_picture(const ButtonEntry& entry, UINT state) {
    if (state & button_state::disabled)
        return entry.disabled_picture;
    if (state & button_state::hot)
        return entry.hover_picture;
    if (state & button_state::pressed)
        return entry.pressed_picture;
    return entry.normal_picture;
}

// The face of a state whose picture is missing; the normal state has none.
void compose_state_fallback(gdiplus::Graphics& graphics, UINT state, float w, float h) {
    if (state & button_state::disabled) {
        const GraphicsPath face = round_rect(0, 0, w + 2, h + 2, 5);
        graphics.draw_path(Pen(to_argb(0x000000, 80), 1), face);
        graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 60), h, to_argb(0x000000, 100)), face);
    } else if (state & (button_state::hot | button_state::pressed)) {
        const GraphicsPath face = round_rect(0, 0, w + 3, h + 3, 3);
        graphics.draw_path(Pen(to_argb(theme_colour, 250), 1), face);
        if (state & button_state::hot)
            graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 120), h, to_argb(theme_colour, 100)), face);
        else
            graphics.fill_path(vertical_gradient(0, to_argb(0x000000, 60), h, to_argb(0xFFFFFF, 100)), face);
    }
}

// Composes a registered button of the kind over the window image behind rect and copies it into dc.
template <class Compose> void paint_owner_button(HWND button, HDC dc, const RECT& rect, Compose compose) {
    const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
    if (!found || !dc)
        return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const BackgroundImage image(button, RECT{0, 0, width, height});
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        compose(graphics, *found.entry, static_cast<float>(width), static_cast<float>(height));
    }
    image.copy_to(dc, rect.left, rect.top);
}

} // namespace

void draw_owner_button(int number, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON)
        return;
    SkinnedWindow* window = window_record(number);
    if (!window)
        return;
    const ButtonEntry* entry = window->button_list.find(props::get_int(item.hwndItem, props::kOwnNumber));
    if (!entry || entry->handle != item.hwndItem)
        return;
    switch (entry->kind) {
    case ButtonKind::push:
        paint_push_button(item.hwndItem, item.hDC, item.itemState, item.rcItem);
        break;
    case ButtonKind::picture:
        paint_picture_button(item.hwndItem, item.hDC, item.itemState, item.rcItem);
        break;
    case ButtonKind::state:
        paint_state_button(item.hwndItem, item.hDC, item.itemState, item.rcItem);
        break;
    default:
        break;
    }
}

void paint_picture_button(HWND button, HDC dc, UINT state, const RECT& rect) {
    paint_owner_button(button, dc, rect, [&](gdiplus::Graphics& graphics, const ButtonEntry& entry, float w, float h) {
        compose_picture_face(graphics, state, w, h);
        compose_picture_and_caption(graphics, button, entry, w, h);
    });
}

void paint_state_button(HWND button, HDC dc, UINT state, const RECT& rect) {
    paint_owner_button(button, dc, rect, [&](gdiplus::Graphics& graphics, const ButtonEntry& entry, float w, float h) {
        if (const ByteArray& picture = state_picture(entry, state); !picture.empty())
            draw_picture(graphics, picture, 0, 0, w, h);
        else
            compose_state_fallback(graphics, state, w, h);
        draw_button_caption(graphics, button, entry, 0, 0, w, h, true);
    });
}

} // namespace pantrove
