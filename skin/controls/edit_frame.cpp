#include "skin/controls/edits.h"

#include "gdiplus/pen.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

namespace pantrove {

void paint_edit_frame(HWND edit, std::optional<bool> focused, std::optional<bool> hot) {
    const RegisteredControl found = find_registered(edit, &SkinnedWindow::edit_list);
    if (!found)
        return;
    const RECT whole = window_rect_at_origin(edit);
    const RECT inner = client_area_in_window(edit);
    const BackgroundImage image(edit, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        const auto width = static_cast<float>(whole.right), height = static_cast<float>(whole.bottom);
        graphics.set_clip_rect(0, 0, width, height);
        graphics.set_clip_rect(static_cast<float>(inner.left), static_cast<float>(inner.top),
                               static_cast<float>(inner.right - inner.left),
                               static_cast<float>(inner.bottom - inner.top), Gdiplus::CombineModeXor);
        paint_backdrop(graphics, 0, 0, width, height);
        draw_edit_border(edit, focused.value_or(found.entry->focused), hot.value_or(found.entry->hot), graphics);
    }
    copy_to_frame(edit, image, inner, false);
}

void draw_edit_border(HWND edit, std::optional<bool> focused, std::optional<bool> hot, gdiplus::Graphics& graphics) {
    const int window_number = find_window_record(edit);
    SkinnedWindow* window = window_record(window_number);
    if (!window)
        return;
    const EditEntry* entry = window->edit_list.find(find_edit_entry(window_number, edit));
    const bool is_hot = hot.value_or(entry && entry->hot);
    const bool is_focused = focused.value_or(entry && entry->focused);
    const RECT whole = window_rect_at_origin(edit);
    const auto width = static_cast<float>(whole.right), height = static_cast<float>(whole.bottom);
    if (is_hot)
        graphics.draw_rectangle(gdiplus::Pen(to_argb(theme_colour, 180), 2), 1, 1, width - 2, height - 2);
    else if (is_focused)
        graphics.draw_rectangle(gdiplus::Pen(to_argb(theme_colour, 180), 1), 0, 0, width - 1, height - 1);
    else
        graphics.draw_rectangle(gdiplus::Pen(to_argb(0x000000, 80), 1), 0, 0, width - 1, height - 1);
}

void paint_edit_backdrop(HWND control, HDC dc, bool into_given_dc) {
    const RECT r = client_rect_in_window(control);
    const BackgroundImage image(control, r);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        const gdiplus::SolidBrush veil(to_argb(0xFFFFFF, control_alpha));
        graphics.fill_rectangle(veil, 0, 0, static_cast<float>(image.width()), static_cast<float>(image.height()));
    }
    if (into_given_dc) {
        image.copy_to(dc);
        return;
    }
    const WindowDc window_dc(control, WindowDc::Area::whole_window);
    image.copy_to(window_dc.get(), r.left, r.top);
}

LRESULT paint_default_non_client(HWND control, HRGN update) {
    if (update)
        return DefWindowProcW(control, WM_NCPAINT, reinterpret_cast<WPARAM>(update), 0);
    // Not a region: the default processing then draws none of the border (1 would mean all of it).
    return DefWindowProcW(control, WM_NCPAINT, static_cast<WPARAM>(-1), 0);
}

} // namespace pantrove
