#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/text.h"
#include "skin/controls/composition.h"
#include "skin/controls/list_controls.h"
#include "skin/core/containers.h"
#include "skin/core/drawing.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "text/wide_text.h"

#include <cmath>

namespace pantrove {

namespace {

// Space between a group box caption and the box's edge it is aligned to.
constexpr float kCaptionMargin = 10;

ContainerEntry* container_entry(int number, int entry) {
    SkinnedWindow* window = window_record(number);
    return window ? window->container_list.find(entry) : nullptr;
}

gdiplus::GraphicsPath round_rect(float x, float y, float width, float height, int radius) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, x, y, width, height, radius);
    return path;
}

void draw_outline(gdiplus::Graphics& graphics, gdiplus::ARGB colour, const gdiplus::GraphicsPath& path) {
    graphics.draw_path(gdiplus::Pen(colour, 1), path);
}

// The rounded double outline of a container that asked for one.
void draw_container_outline(HDC dc, float width, float height) {
    gdiplus::Graphics graphics;
    if (!graphics.create_from_hdc(dc))
        return;
    draw_outline(graphics, to_argb(0x000000, 40), round_rect(0, 0, width - 1, height - 1, 5));
    draw_outline(graphics, to_argb(0xFFFFFF, 100), round_rect(1, 1, width - 3, height - 3, 3));
}

// The container's client area, composed over the window image behind it.
void compose(int number, int entry_number, const ContainerEntry& entry, const BackgroundImage& image) {
    if (entry.group_box)
        paint_group_box(number, entry_number, image.dc());
    else if (entry.draw_outline)
        draw_container_outline(image.dc(), static_cast<float>(image.width()), static_cast<float>(image.height()));
}

// The width GDI+ lays the text out in on the screen, with nothing to wrap it.
float text_width(std::string_view text, const gdiplus::Font& font) {
    const gdi::MemoryDc screen(nullptr);
    gdiplus::Graphics graphics;
    if (!screen || !graphics.create_from_hdc(screen.get()))
        return 0;
    return graphics.measure_string(text, font, gdiplus::RectF(0, 0, 10000, 1000)).Width;
}

// Where the caption starts: centred for BS_CENTER, 10 pixels from the left for BS_LEFT alone, else 10 pixels
// from the right.
float caption_left(HWND box, float width, float caption_width) {
    const auto style = GetWindowLongPtrW(box, GWL_STYLE);
    if ((style & BS_CENTER) == BS_CENTER)
        return (width - caption_width) / 2;
    if ((style & BS_LEFT) == 0)
        return width - caption_width - kCaptionMargin;
    return kCaptionMargin;
}

void draw_caption(HWND box, const ContainerEntry& entry, HDC dc, float width) {
    const TextValue text = window_text(box);
    gdiplus::Font font;
    if (text.empty() ||
        !font.create(entry.label_font, static_cast<float>(entry.label_font_size), entry.label_font_style))
        return;
    const float caption_width = text_width(text, font);
    const gdiplus::RectF caption(caption_left(box, width, caption_width), 1, caption_width,
                                 static_cast<float>(entry.label_font_size + 3));
    restore_behind_rect(box, dc,
                        RECT{static_cast<LONG>(std::floor(caption.X)), static_cast<LONG>(caption.Y),
                             static_cast<LONG>(std::ceil(caption.X + caption.Width)),
                             static_cast<LONG>(caption.Y + caption.Height)});
    gdiplus::Graphics graphics;
    gdiplus::StringFormat format;
    if (!graphics.create_from_hdc(dc) || !format.create(Gdiplus::StringFormatFlagsNoWrap))
        return;
    format.set_align(Gdiplus::StringAlignmentCenter);
    const gdiplus::SolidBrush brush(to_argb(static_cast<COLORREF>(props::get_number(box, props::kTextColour))));
    graphics.draw_string(text, font, caption, brush, &format);
}

} // namespace

void render_container(int number, int entry_number, HDC dc) {
    ContainerEntry* entry = container_entry(number, entry_number);
    if (!entry)
        return;
    const BackgroundImage image(entry->hwnd, client_rect_in_window(entry->hwnd));
    if (image) {
        compose(number, entry_number, *entry, image);
        if (dc) {
            image.copy_to(dc);
        } else {
            const ChildFreeDc screen(entry->hwnd);
            image.copy_to(screen.get());
        }
    }
    entry->needs_render = false;
}

void present_container(int number, int entry_number) {
    const ContainerEntry* entry = container_entry(number, entry_number);
    if (!entry)
        return;
    {
        const BackgroundImage image(entry->hwnd, client_rect_in_window(entry->hwnd));
        if (!image)
            return;
        compose(number, entry_number, *entry, image);
        const ChildFreeDc screen(entry->hwnd);
        image.copy_to(screen.get());
    }
    invalidate_transparent_children(entry->hwnd);
}

void paint_group_box(int number, int entry_number, HDC dc) {
    const ContainerEntry* entry = container_entry(number, entry_number);
    if (!entry || !dc)
        return;
    const RECT client = client_rect_of(entry->hwnd);
    const auto width = static_cast<float>(client.right);
    const auto height = static_cast<float>(client.bottom);
    {
        // Done before the caption's background goes back over the outline with GDI.
        gdiplus::Graphics graphics;
        if (!graphics.create_from_hdc(dc))
            return;
        draw_outline(graphics, to_argb(0x000000, 40), round_rect(0, 5, width - 1, height - 6, 5));
        draw_outline(graphics, to_argb(0xFFFFFF, 90), round_rect(1, 6, width - 3, height - 8, 3));
    }
    draw_caption(entry->hwnd, *entry, dc, width);
}

void restore_behind_rect(HWND container, HDC dc, const RECT& rect) {
    const int number = find_window_record(container);
    const SkinnedWindow* owner = window_record(number);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (!owner || !owner->background_dc || !dc || width <= 0 || height <= 0)
        return;
    RECT box{}, window{};
    GetWindowRect(container, &box);
    GetWindowRect(owner->window, &window);
    const RECT client = client_rect_in_window(container);
    BitBlt(dc, rect.left, rect.top, width, height, owner->background_dc,
           box.left - window.left + client.left + rect.left, box.top - window.top + client.top + rect.top, SRCCOPY);
    const int entry_number = find_container_number(number, container);
    if (entry_number < 1)
        return;
    const ContainerEntry& entry = owner->container_list[entry_number];
    if (entry.fill_colour == 0)
        return;
    gdiplus::Graphics graphics;
    if (!graphics.create_from_hdc(dc))
        return;
    const gdiplus::SolidBrush fill(to_argb(entry.fill_colour, entry.fill_alpha));
    // A group box is tinted only from its outline down.
    const int skipped = entry.group_box ? 4 : 0;
    graphics.fill_rectangle(fill, static_cast<float>(rect.left), static_cast<float>(rect.top + skipped),
                            static_cast<float>(width), static_cast<float>(height - skipped));
}

void layout_docked_children(int number, int entry_number) {
    const ContainerEntry* entry = container_entry(number, entry_number);
    if (!entry)
        return;
    const RECT client = client_rect_of(entry->hwnd);
    for (const ContainerEntry::Docked& docked : entry->docked) {
        if (docked.handle)
            MoveWindow(docked.handle, 2, docked.top_offset, client.right - 4, client.bottom - docked.top_offset, TRUE);
    }
}

void invalidate_transparent_children(HWND container) {
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0)
            InvalidateRect(child, nullptr, FALSE);
    }
}

} // namespace pantrove
