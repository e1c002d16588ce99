#include "skin/controls/buttons.h"

#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

#include <array>

namespace pantrove {

namespace {

// The focus glow keeps the colour of the default theme whatever the theme is now.
constexpr COLORREF kGlowColour = 0xDDCA22;

void compose_push_button(gdiplus::Graphics& graphics, HWND button, const ButtonEntry& entry, UINT state, int width,
                         int height) {
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    gdiplus::GraphicsPath body(Gdiplus::FillModeAlternate);
    add_round_rect(body, 0, 0, w - 1, h - 1, 5);
    graphics.fill_path(gdiplus::SolidBrush(to_argb(0xFFFFFF, 120)), body);

    if (state & button_state::disabled) {
        graphics.fill_rectangle(gdiplus::SolidBrush(to_argb(0xC0C0C0)), 0, 0, w, h);
        gdiplus::LinearGradientBrush sheen = vertical_gradient(0, to_argb(0xFFFFFF, 50), h, to_argb(0xFFFFFF, 50));
        const std::array colours{to_argb(0xFFFFFF, 50), to_argb(0x000000, 10), to_argb(0xFFFFFF, 50)};
        const std::array positions{0.0f, 0.6f, 1.0f};
        sheen.set_preset_blend(colours, positions);
        graphics.fill_path(sheen, body);
        graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 80), 1), body);
    } else {
        graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 0), h - 1, to_argb(0x808080, 60)), body);

        const int half = height / 2;
        gdiplus::GraphicsPath gloss(Gdiplus::FillModeAlternate);
        add_tab_path(gloss, 0, 0, width - 1, half, 5);
        graphics.fill_path(vertical_gradient(0, to_argb(0xFFFFFF, 50), static_cast<float>(half), to_argb(0xFFFFFF, 10)),
                           gloss);

        if (state & button_state::hot) {
            graphics.fill_path(vertical_gradient(0, to_argb(theme_colour, 60), h - 1, to_argb(theme_colour, 10)), body);
            graphics.draw_path(gdiplus::Pen(to_argb(theme_colour), 1), body);
        } else if (state & button_state::focused) {
            draw_glow_outline(graphics, body, 3, kGlowColour, 120);
            graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 70), 1), body);
        } else {
            graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 120), 1), body);
        }

        if (state & button_state::pressed) {
            gdiplus::GraphicsPath inset(Gdiplus::FillModeAlternate);
            add_round_rect(inset, 2, 2, w - 3, h - 3, 5);
            graphics.fill_path(vertical_gradient(2, to_argb(theme_colour, 60), h - 2, to_argb(0xFFFFFF, 100)), inset);
        }
    }
    draw_button_caption(graphics, button, entry, 0, 2, w, h, true);
}

} // namespace

void paint_push_button(HWND button, HDC dc, UINT state, const RECT& rect) {
    const RegisteredControl found = find_registered(button, &SkinnedWindow::button_list);
    if (!found || !dc)
        return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const BackgroundImage image(button, RECT{0, 0, width, height});
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        compose_push_button(graphics, button, *found.entry, state, width, height);
    }
    image.copy_to(dc, rect.left, rect.top);
}

} // namespace pantrove
