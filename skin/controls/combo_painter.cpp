#include "skin/controls/combos.h"

#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/text.h"
#include "resources/embedded.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"
#include "skin/services/decoded_pictures.h"
#include "text/wide_text.h"

#include <memory>

namespace pantrove {

namespace {

// The drop-down arrow, decoded once: a combo box is repainted on every hover change.
DecodedPicture* arrow_picture() {
    static std::shared_ptr<DecodedPicture> arrow;
    if (!arrow)
        arrow = decoded_picture(embedded_bytes(Picture::ArrowDown));
    return arrow.get();
}

void clear_to_key(gdiplus::Graphics& graphics, RECT r) {
    graphics.reset_clip();
    graphics.set_clip_rect(static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                           static_cast<float>(r.bottom - r.top));
    graphics.clear(kColourKeyArgb);
}

// Child windows paint themselves: their areas are cleared to the colour key, which the copy leaves out.
void cut_holes(gdiplus::Graphics& graphics, HWND combo, DWORD style) {
    if (shows_every_child(style)) {
        for_each_child(combo, nullptr, [&](HWND child) {
            RECT r = child_rect_in_parent(child);
            // A simple combo box's list keeps the skin's body around it.
            if (class_name_of(child) == "ComboLBox")
                InflateRect(&r, -2, -2);
            clear_to_key(graphics, r);
        });
    } else if (has_drop_down_button(style)) {
        if (HWND edit = FindWindowExW(combo, nullptr, nullptr, nullptr))
            clear_to_key(graphics, child_rect_in_parent(edit));
    }
    graphics.reset_clip();
}

void draw_button(gdiplus::Graphics& graphics, float x, float y, float width, float height, float bottom, bool hot) {
    gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    add_round_rect(path, x, y, width - 1, height - 1, 4);
    graphics.draw_path(gdiplus::Pen(hot ? to_argb(theme_colour, 200) : to_argb(0x000000, 80), 1), path);
    path.reset();
    add_round_rect(path, x + 1, y + 1, width - 2, height - 2, 1);
    graphics.fill_path(hot ? vertical_gradient(2, to_argb(0xFFFFFF, 100), bottom, to_argb(theme_colour, 150))
                           : vertical_gradient(2, to_argb(theme_colour, 30), bottom, to_argb(theme_colour, 100)),
                       path);
}

void draw_arrow(gdiplus::Graphics& graphics, int x, int y, int width, int height) {
    DecodedPicture* arrow = arrow_picture();
    if (!arrow)
        return;
    const gdiplus::Bitmap bitmap = bitmap_over(*arrow);
    graphics.draw_image(bitmap, static_cast<float>(x + (width - arrow->width) / 2),
                        static_cast<float>(y + (height - arrow->height) / 2), static_cast<float>(arrow->width),
                        static_cast<float>(arrow->height));
}

// A drop-down list shows its selection in the skin's own font, whatever font the control has.
void draw_selection(gdiplus::Graphics& graphics, HWND combo, int width, int height) {
    const TextValue text = window_text(combo);
    gdiplus::Font font;
    if (text.empty() || !font.create("宋体", 12))
        return;
    const gdiplus::SolidBrush brush(to_argb(text_colour_of(combo)));
    graphics.draw_string(text, font,
                         gdiplus::RectF(2, static_cast<float>((height - 12) / 2), static_cast<float>(width - 17),
                                        static_cast<float>(height - 4)),
                         brush);
}

} // namespace

RECT child_rect_in_parent(HWND window) {
    if (find_window_number(window) > 0)
        return RECT{};
    RECT r{}, parent{};
    GetWindowRect(window, &r);
    GetWindowRect(GetAncestor(window, GA_PARENT), &parent);
    OffsetRect(&r, -parent.left, -parent.top);
    return r;
}

void paint_combo_box(int window_number, int entry_number, bool hot, std::optional<bool> focused) {
    SkinnedWindow* window = window_record(window_number);
    const ComboEntry* entry = window ? window->combo_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND combo = entry->handle;
    const bool is_focused = focused.value_or(entry->focused);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(combo, GWL_STYLE));
    const RECT whole = window_rect_at_origin(combo);
    const int width = whole.right, height = whole.bottom;
    const int button_width = is_drop_down_list(style) ? 17 : 18;
    const int button_x = width - button_width - 2, button_y = 2, button_height = height - 4;

    const BackgroundImage image(combo, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        paint_backdrop(graphics, 0, 0, static_cast<float>(width), static_cast<float>(height));
        cut_holes(graphics, combo, style);
        graphics.draw_rectangle(gdiplus::Pen(hot || is_focused ? to_argb(theme_colour, 200) : to_argb(0x000000, 80), 1),
                                0, 0, static_cast<float>(width - 1), static_cast<float>(height - 1));
        if (has_drop_down_button(style)) {
            draw_button(graphics, static_cast<float>(button_x), static_cast<float>(button_y),
                        static_cast<float>(button_width), static_cast<float>(button_height),
                        static_cast<float>(height - 4), hot);
            draw_arrow(graphics, button_x, button_y, button_width, button_height);
            if (is_drop_down_list(style))
                draw_selection(graphics, combo, width, height);
        }
    }
    const WindowDc dc(combo, WindowDc::Area::whole_window);
    image.copy_keyed_to(dc.get());
}

} // namespace pantrove
