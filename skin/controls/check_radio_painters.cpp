#include "skin/controls/buttons.h"

#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "resources/embedded.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

#include <array>

namespace pantrove {

namespace {

constexpr COLORREF kGlowColour = 0xDDCA22;

bool is_checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void draw_picture(gdiplus::Graphics& graphics, Picture picture, float x, float y) {
    gdiplus::Bitmap bitmap;
    if (bitmap.load_from_bytes(embedded_bytes(picture)))
        graphics.draw_image(bitmap, x, y, static_cast<float>(bitmap.width()), static_cast<float>(bitmap.height()));
}

// Composes the button over the window image behind its client area and copies it onto the button.
template <class Compose> void paint_on_button(HWND button, Compose compose) {
    const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
    if (!found)
        return;
    const RECT client = client_rect_of(button);
    const BackgroundImage image(button, client_rect_in_window(button));
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        compose(graphics, *found.entry, static_cast<float>(client.right), static_cast<float>(client.bottom));
    }
    const WindowDc dc(button);
    image.copy_to(dc.get());
}

} // namespace

void paint_radio_button(HWND button, UINT state) {
    paint_on_button(button, [&](gdiplus::Graphics& graphics, const ButtonEntry& entry, float w, float h) {
        graphics.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
        const float c = (h - 12) / 2;
        graphics.draw_ellipse(gdiplus::Pen(to_argb(0x000000, 200), 1), 2, c, 12, 12);

        gdiplus::GraphicsPath disc(Gdiplus::FillModeAlternate);
        disc.add_ellipse(3, (h - 11) / 2 + 1, 9, 9);
        graphics.draw_path(gdiplus::Pen(to_argb(0xFFFFFF), 1), disc);
        graphics.fill_path(gdiplus::SolidBrush(to_argb(0xFFFFFF)), disc);
        graphics.fill_path(linear_gradient({3, c + 1}, to_argb(0x000000, 100), {10, c + 11}, to_argb(0x000000, 0)),
                           disc);

        if (state & button_state::hot) {
            graphics.fill_path(
                linear_gradient({3, c + 1}, to_argb(theme_colour, 100), {11, c + 12}, to_argb(0x000000, 0)), disc);
            draw_glow_outline(graphics, disc, 2, kGlowColour, 30);
        }

        if (is_checked(button)) {
            gdiplus::GraphicsPath dot(Gdiplus::FillModeAlternate);
            dot.add_ellipse(5, c + 3, 6, 6);
            graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 200), 1), dot);
            gdiplus::PathGradientBrush shine;
            if (shine.create(dot)) {
                shine.set_centre_colour(to_argb(0xFFFFFF, 100));
                const std::array surround{to_argb(RGB(0, 128, 128))};
                shine.set_surround_colours(surround);
                graphics.fill_path(shine, dot);
            }
        }
        draw_button_caption(graphics, button, entry, 18, 2, w, h, false);
    });
}

void paint_check_box(HWND button, UINT state) {
    paint_on_button(button, [&](gdiplus::Graphics& graphics, const ButtonEntry& entry, float w, float h) {
        const auto box_top = static_cast<float>((static_cast<int>(h) - 13) / 2);
        draw_picture(graphics, Picture::CheckFrame, 0, box_top);
        if (is_checked(button))
            draw_picture(graphics, Picture::CheckMark, 0, box_top);

        if (state & button_state::hot) {
            gdiplus::GraphicsPath box(Gdiplus::FillModeAlternate);
            box.add_rectangle(0, box_top, 13, 13);
            const float c = (h - 12) / 2;
            graphics.fill_path(
                linear_gradient({3, c + 1}, to_argb(theme_colour, 100), {11, c + 12}, to_argb(0x000000, 0)), box);
            draw_glow_outline(graphics, box, 2, kGlowColour, 30);
        }
        draw_button_caption(graphics, button, entry, 17, 2, w - 19, h, false);
    });
}

} // namespace pantrove
