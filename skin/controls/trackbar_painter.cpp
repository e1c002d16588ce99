#include "skin/controls/trackbars.h"

#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

#include <commctrl.h>

namespace pantrove {

namespace {

// A rectangle measured along the channel and across it, so that one drawing serves both orientations.
struct Span {
    float along = 0;
    float across = 0;
    float length = 0;
    float thickness = 0;
};

gdiplus::RectF rect_of(const Span& span, bool vertical) {
    return vertical ? gdiplus::RectF(span.across, span.along, span.thickness, span.length)
                    : gdiplus::RectF(span.along, span.across, span.length, span.thickness);
}

// A gradient across the channel from colour1 at `from` to colour2 at `to`.
gdiplus::LinearGradientBrush across_gradient(bool vertical, float from, gdiplus::ARGB colour1, float to,
                                             gdiplus::ARGB colour2) {
    return vertical ? linear_gradient(gdiplus::PointF(from, 0), colour1, gdiplus::PointF(to, 0), colour2)
                    : vertical_gradient(from, colour1, to, colour2);
}

// The channel, thinned to 4 pixels when it holds a selection. Some systems report the channel of a vertical
// trackbar in horizontal orientation (x and y swapped), others as it lies: its long side is the one along it.
Span channel_of(HWND trackbar, bool vertical, bool has_selection) {
    RECT c{};
    SendMessageW(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    const bool as_it_lies = vertical && c.bottom - c.top > c.right - c.left;
    const LONG along = as_it_lies ? c.top : c.left, across = as_it_lies ? c.left : c.top;
    const LONG length = as_it_lies ? c.bottom - c.top : c.right - c.left;
    const LONG thickness = as_it_lies ? c.right - c.left : c.bottom - c.top;
    if (has_selection)
        return {static_cast<float>(along), static_cast<float>(across + (thickness - 4) / 2), static_cast<float>(length),
                4};
    return {static_cast<float>(along), static_cast<float>(across), static_cast<float>(length),
            static_cast<float>(thickness)};
}

void draw_backing_box(gdiplus::Graphics& graphics, bool vertical, float w, float h) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, 0, 0, w - 1, h - 1, 5);
    graphics.draw_path(gdiplus::Pen(to_argb(0x000000, 30), 1), path);
    path.reset();
    add_round_rect(path, 1, 1, w - 2, h - 2, 3);
    const gdiplus::PointF end = vertical ? gdiplus::PointF(w - 1, 0) : gdiplus::PointF(0, h - 1);
    graphics.fill_path(linear_gradient(gdiplus::PointF(0, 0), to_argb(0xFFFFFF, 160), end, to_argb(0x000000, 30)),
                       path);
}

void draw_channel(gdiplus::Graphics& graphics, bool vertical, const Span& channel) {
    const gdiplus::RectF r = rect_of(channel, vertical);
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, r.X, r.Y, r.Width, r.Height, 1);
    graphics.fill_path(across_gradient(vertical, channel.across, to_argb(0x000000, 50),
                                       channel.across + channel.thickness, to_argb(0x000000, 30)),
                       path);
}

// The thumb is shaded from white on the side where the channel starts across to dark on the other.
void draw_thumb(gdiplus::Graphics& graphics, bool vertical, const Span& thumb) {
    const gdiplus::RectF r = rect_of(thumb, vertical);
    graphics.fill_ellipse(gdiplus::SolidBrush(to_argb(0xFFFFFF)), r.X, r.Y, r.Width, r.Height);
    graphics.fill_ellipse(across_gradient(vertical, thumb.across, to_argb(0xFFFFFF, 0), thumb.across + thumb.thickness,
                                          to_argb(0x000000, 90)),
                          r.X, r.Y, r.Width, r.Height);
    graphics.draw_ellipse(gdiplus::Pen(to_argb(0x000000, 50), 1), r.X, r.Y, r.Width, r.Height);
}

// A line one pixel thick inside the channel, `length` long from `along`; nothing when it has no length.
void draw_channel_line(gdiplus::Graphics& graphics, bool vertical, float along, float across, float length,
                       gdiplus::ARGB colour) {
    if (length <= 0)
        return;
    const gdiplus::RectF r = rect_of(Span{along, across, length, 1}, vertical);
    graphics.draw_rectangle(gdiplus::Pen(colour, 1), r.X, r.Y, r.Width, r.Height);
}

float ball_offset(TickPlacement ticks) {
    switch (ticks) {
    case TickPlacement::top_or_left:
        return 2;
    case TickPlacement::both:
        return 1;
    default:
        return 0;
    }
}

} // namespace

void paint_trackbar(int window_number, int entry_number) {
    SkinnedWindow* window = window_record(window_number);
    const TrackbarEntry* entry = window ? window->trackbar_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND trackbar = entry->handle;
    const bool vertical = entry->vertical;
    const auto pos = static_cast<LONG>(SendMessageW(trackbar, TBM_GETPOS, 0, 0));
    const auto min = static_cast<LONG>(SendMessageW(trackbar, TBM_GETRANGEMIN, 0, 0));
    const auto max = static_cast<LONG>(SendMessageW(trackbar, TBM_GETRANGEMAX, 0, 0));
    const bool at_max = pos == max;
    const Span channel = channel_of(trackbar, vertical, entry->has_selection);
    const float k = channel.across;
    RECT t{};
    SendMessageW(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&t));
    const auto lead = static_cast<float>(vertical ? t.top : t.left);

    const RECT whole = window_rect_at_origin(trackbar);
    const BackgroundImage image(trackbar, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        if (trackbar_style)
            draw_backing_box(graphics, vertical, static_cast<float>(whole.right), static_cast<float>(whole.bottom));
        draw_channel(graphics, vertical, channel);
        if (entry->hot)
            draw_thumb(graphics, vertical, Span{lead, k - 4 + ball_offset(entry->tick_placement), 11, 11});
        else
            draw_thumb(graphics, vertical, Span{lead + (at_max ? 8.0f : 0.0f), k - 0.5f, 4, 4});
        // The selection on the scale of the range: a range need not start at 0, and one without length has
        // no selection to show.
        if (entry->has_selection && max > min) {
            const auto s0 = static_cast<LONG>(SendMessageW(trackbar, TBM_GETSELSTART, 0, 0));
            const auto s1 = static_cast<LONG>(SendMessageW(trackbar, TBM_GETSELEND, 0, 0));
            const float scale = channel.length / static_cast<float>(max - min);
            draw_channel_line(graphics, vertical, channel.along + static_cast<float>(s0 - min) * scale, k + 1,
                              static_cast<float>(s1 - s0) * scale, to_argb(0xFFFFFF, 160));
        }
        draw_channel_line(graphics, vertical, channel.along, k + 1, lead - 1 - channel.along + (at_max ? 10.0f : 0.0f),
                          to_argb(theme_colour, 200));
    }
    const WindowDc dc(trackbar, WindowDc::Area::whole_window);
    image.copy_to(dc.get());
}

} // namespace pantrove
