#include "skin/controls/list_controls.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "skin/core/background_dc.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_state.h"

namespace pantrove {

HDC make_backdrop_dc(HWND control) {
    const RECT r = client_rect_in_window(control);
    HDC dc = make_background_dc(control, r);
    if (!dc)
        return nullptr;
    gdiplus::Graphics graphics;
    if (graphics.create_from_hdc(dc)) {
        const gdiplus::SolidBrush veil(to_argb(0xFFFFFF, control_alpha));
        graphics.fill_rectangle(veil, 0, 0, static_cast<float>(r.right - r.left), static_cast<float>(r.bottom - r.top));
    }
    return dc;
}

Backdrop::~Backdrop() {
    free_background_dc(dc_);
}

void exclude_visible_children(HWND window, HDC dc) {
    if (dc)
        exclude_opaque_children(dc, window);
}

ChildFreeDc::ChildFreeDc(HWND window) : dc_(window) {
    exclude_visible_children(window, dc_.get());
}

void invalidate_visible_children(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child))
            InvalidateRect(child, nullptr, TRUE);
    }
}

} // namespace pantrove
