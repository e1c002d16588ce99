#include "skin/controls/list_controls.h"

#include "gdiplus/pen.h"
#include "skin/controls/composition.h"
#include "skin/controls/control_registry.h"
#include "skin/core/drawing.h"

namespace pantrove {

namespace {

// The ring between the window's edge and the inner area, then the outline. The inner area is left as it is:
// the copy to the frame leaves it out, and filling only the ring's four strips spares GDI+ a fill of the
// whole control on every hover.
void compose_frame(gdiplus::Graphics& graphics, const RECT& inner, const RECT& whole, bool hot, bool focused) {
    const auto fill = [&](LONG left, LONG top, LONG right, LONG bottom) {
        if (right > left && bottom > top)
            paint_backdrop(graphics, static_cast<float>(left), static_cast<float>(top),
                           static_cast<float>(right - left), static_cast<float>(bottom - top));
    };
    fill(0, 0, whole.right, inner.top);
    fill(0, inner.bottom, whole.right, whole.bottom);
    fill(0, inner.top, inner.left, inner.bottom);
    fill(inner.right, inner.top, whole.right, inner.bottom);
    const auto w = static_cast<float>(whole.right), h = static_cast<float>(whole.bottom);
    if (hot)
        graphics.draw_rectangle(gdiplus::Pen(to_argb(theme_colour, 200), 2), 1, 1, w - 2, h - 2);
    else if (focused)
        graphics.draw_rectangle(gdiplus::Pen(to_argb(theme_colour, 200), 1), 0, 0, w - 1, h - 1);
    else
        graphics.draw_rectangle(gdiplus::Pen(to_argb(0x000000, 90), 1), 0, 0, w - 1, h - 1);
}

} // namespace

void paint_list_frame(int window_number, int entry_number, std::optional<bool> hot, std::optional<bool> focused) {
    SkinnedWindow* window = window_record(window_number);
    ListControlEntry* entry = window ? window->list_control_list.find(entry_number) : nullptr;
    if (!entry || !entry->handle)
        return;
    HWND control = entry->handle;
    // The ring of these would be all colour key: nothing of the control would change.
    if (entry->kind == ListControlKind::combo_list || !has_border(control))
        return;
    const RECT whole = window_rect_at_origin(control);
    const RECT inner = client_area_in_window(control);
    const BackgroundImage image(control, whole);
    {
        gdiplus::Graphics graphics;
        if (!open_graphics(graphics, image))
            return;
        compose_frame(graphics, inner, whole, hot.value_or(entry->hot), focused.value_or(entry->focused));
    }
    copy_to_frame(control, image, inner, false);
}

} // namespace pantrove
