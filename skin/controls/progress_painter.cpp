#include "skin/controls/progress_bars.h"

#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

namespace pantrove {

namespace {

void draw_trough(gdiplus::Graphics& graphics, bool vertical, float w, float h) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, 0, 0, w - 1, h - 1, 5);
    graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 50), 1), path);
    path.reset();
    add_round_rect(path, 1, 1, w - 2, h - 2, 1);
    const gdiplus::PointF end = vertical ? gdiplus::PointF(w - 1, 0) : gdiplus::PointF(0, h - 1);
    graphics.fill_path(linear_gradient(gdiplus::PointF(0, 0), to_argb(0xFFFFFF, 160), end, to_argb(0x000000, 30)),
                       path);
}

// The bar inside its rectangle, shaded from white at `from` to the theme colour at `to`.
void draw_bar(gdiplus::Graphics& graphics, gdiplus::RectF bar, gdiplus::PointF from, gdiplus::PointF to) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    // A bar of a pixel or two would turn its rounded outline inside out.
    add_round_rect(path, bar.X + 1, bar.Y + 1, std::max(bar.Width - 3, 1.0f), std::max(bar.Height - 3, 1.0f), 3);
    graphics.fill_path(linear_gradient(from, to_argb(0xFFFFFF, 90), to, to_argb(theme_colour, 255)), path);
    graphics.draw_path(gdiplus::Pen(to_argb(theme_colour, 150), 1), path);
}

} // namespace

void paint_progress_bar(int window_number, int entry_number, HDC dc) {
    SkinnedWindow* window = window_record(window_number);
    const ProgressEntry* entry = window ? window->progress_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND bar = entry->handle;
    const RECT whole = window_rect_at_origin(bar);
    const int width = whole.right, height = whole.bottom;
    const auto w = static_cast<float>(width), h = static_cast<float>(height);
    PBRANGE range{};
    SendMessageW(bar, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
    const auto pos = static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0));
    const int length = progress_length(entry->vertical ? height : width, pos, range.iLow, range.iHigh);

    const BackgroundImage image(bar, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        draw_trough(graphics, entry->vertical, w, h);
        const auto g = static_cast<float>(length);
        if (length > 0 && entry->vertical)
            draw_bar(graphics, gdiplus::RectF(0, h - g, w, g), gdiplus::PointF(0, h - g),
                     gdiplus::PointF(w - 1, h - g));
        else if (length > 0)
            draw_bar(graphics, gdiplus::RectF(0, 0, g, h), gdiplus::PointF(0, 0), gdiplus::PointF(0, h - 1));
    }
    std::optional<WindowDc> own_dc;
    if (!dc) {
        own_dc.emplace(bar, WindowDc::Area::whole_window);
        dc = own_dc->get();
    }
    image.copy_to(dc);
}

} // namespace pantrove
