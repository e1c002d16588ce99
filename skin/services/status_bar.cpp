#include "skin/services/status_bar.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/text.h"
#include "skin/controls/composition.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_dc.h"
#include "skin/core/window_props.h"
#include "skin/services/decoded_pictures.h"
#include "skin/services/glow_text.h"

#include <algorithm>

namespace pantrove {

namespace {

constexpr int kRemainingWidth = -1;
// Pane texts are placed for a line of this height, whatever their font size.
constexpr int kLineHeight = 12;
// The glow of pane texts reaches scale / 2 pixels around them.
constexpr int kGlowScale = 4;
constexpr COLORREF kWhite = 0xFFFFFF;

RECT client_of(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client;
}

std::vector<int> widths_of(std::span<const StatusPane> panes) {
    std::vector<int> widths;
    widths.reserve(panes.size());
    for (const StatusPane& pane : panes)
        widths.push_back(pane.pane_width);
    return widths;
}

float f(LONG value) {
    return static_cast<float>(value);
}

} // namespace

RECT status_bar_rect(const RECT& client, int margin, int height) {
    const LONG top = client.bottom - margin - height - 1;
    return {margin, top, std::max<LONG>(margin, client.right - margin), top + height};
}

std::vector<RECT> status_pane_rects(const RECT& bar, std::span<const int> widths, const RECT& client, int margin) {
    std::vector<RECT> rects;
    rects.reserve(widths.size());
    LONG x = bar.left;
    for (const int given : widths) {
        const LONG width =
            given == kRemainingWidth ? std::max<LONG>(0, client.right - 2 * margin - (x - bar.left)) : given;
        rects.push_back({x, bar.top, x + width, bar.bottom});
        x += width;
    }
    return rects;
}

void SkinObject::add_status_bar(int number, int height, std::span<const StatusPane> panes) {
    SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    const RECT client = client_of(record->window);
    record->status_height = height;
    record->status_rect = status_bar_rect(client, frame_margin, height);
    // A bar always has a pane: without one, set_status_pane could never show a text.
    const StatusPane whole_bar{kRemainingWidth, {}, {}, 0};
    const std::span<const StatusPane> given = panes.empty() ? std::span<const StatusPane>(&whole_bar, 1) : panes;
    record->status_panes.assign(given.begin(), given.end());
    record->status_pane_rects = status_pane_rects(record->status_rect, widths_of(given), client, frame_margin);
}

void SkinObject::layout_status_bar(int number) {
    SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    const RECT client = client_of(record->window);
    record->status_rect = status_bar_rect(client, frame_margin, record->status_height);
    record->status_pane_rects =
        status_pane_rects(record->status_rect, widths_of(record->status_panes), client, frame_margin);
}

void SkinObject::paint_status_pane(int number, gdiplus::Graphics& graphics, bool no_present, int pane) {
    const SkinnedWindow* record = window_record(number);
    if (!record || !record->background_dc || pane < 1 || pane > static_cast<int>(record->status_panes.size()) ||
        pane > static_cast<int>(record->status_pane_rects.size()))
        return;
    const StatusPane& p = record->status_panes[static_cast<size_t>(pane - 1)];
    const RECT& r = record->status_pane_rects[static_cast<size_t>(pane - 1)];
    const LONG x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
    if (!no_present) {
        restore_status_rect(number, r);
        graphics.create_from_hdc(record->background_dc);
    }

    graphics.fill_rectangle(vertical_gradient(f(y), to_argb(kWhite, 60), f(y + h), to_argb(kWhite, 10)), f(x), f(y),
                            f(w), f(h));
    const LONG text_top = y + (h - kLineHeight) / 2;
    gdiplus::RectF text_box(f(x + 3), f(text_top), f(w), f(h));
    if (!p.pane_picture.empty()) {
        if (const std::shared_ptr<DecodedPicture> picture = decoded_picture(p.pane_picture)) {
            const gdiplus::Bitmap bitmap = bitmap_over(*picture);
            graphics.draw_image(bitmap, f(x + 2), f(y + (h - picture->height) / 2), f(picture->width),
                                f(picture->height));
            text_box = gdiplus::RectF(f(x + picture->width + 3), f(text_top), f(w - picture->width - 3), f(h));
        }
    }

    // GDI+ takes a layout box without width as one without limit: a pane squeezed away shows no text.
    if (text_box.Width > 0 && text_box.Height > 0) {
        if (record->status_glow) {
            draw_glow_text(graphics, p.pane_text, text_box, record->status_glow_text_colour, record->status_glow_colour,
                           kGlowScale, record->status_font, static_cast<float>(record->status_font_size));
        } else {
            const COLORREF colour = record->status_inverse ? ~back_colour & 0xFFFFFF : p.pane_colour;
            gdiplus::Font font;
            if (font.create(record->status_font, static_cast<float>(record->status_font_size),
                            Gdiplus::FontStyleRegular, Gdiplus::UnitPixel)) {
                gdiplus::StringFormat format;
                format.create(0, LANG_NEUTRAL);
                format.set_align(Gdiplus::StringAlignmentNear);
                graphics.draw_string(p.pane_text, font, text_box, gdiplus::SolidBrush(to_argb(colour, 255)), &format);
            }
        }
    }

    if (no_present)
        return;
    graphics.flush();
    {
        const WindowDc screen(record->window);
        BitBlt(screen.get(), x, y, w, h, record->background_dc, x, y, SRCCOPY);
    }
    graphics.destroy();
}

int SkinObject::set_status_pane(HWND window, int pane, std::string_view text, const std::optional<ByteArray>& picture,
                                std::optional<COLORREF> colour) {
    const int number = window ? find_window_number(window) : 0;
    SkinnedWindow* record = window_record(number);
    if (!record || pane < 1 || pane > static_cast<int>(record->status_panes.size()))
        return 0;
    StatusPane& p = record->status_panes[static_cast<size_t>(pane - 1)];
    p.pane_text = TextValue(text);
    if (picture)
        p.pane_picture = *picture;
    if (colour)
        p.pane_colour = *colour;
    gdiplus::Graphics graphics;
    paint_status_pane(number, graphics, false, pane);
    return 1;
}

int SkinObject::set_status_style(HWND window, const StatusStyle& style) {
    const int number = window ? props::get_int(window, props::kOwnNumber) : 0;
    SkinnedWindow* record = window_record(number);
    // Controls carry "Hw_lbID" too, numbering their entries: only the window of that record is skinned.
    if (!record || record->window != window)
        return 0;
    record->status_inverse = style.inverse;
    record->status_glow = style.glow;
    record->status_glow_text_colour = style.glow_text_colour;
    record->status_glow_colour = style.glow_colour;
    if (style.font_name)
        record->status_font = *style.font_name;
    if (style.font_size)
        record->status_font_size = *style.font_size;
    return 1;
}

} // namespace pantrove
