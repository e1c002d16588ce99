#include "skin/controls/control_geometry.h"

namespace pantrove {

namespace {

// A scroll bar of the window in screen coordinates; empty when it cannot be read.
RECT scroll_bar_rect(HWND window, LONG bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    return GetScrollBarInfo(window, bar, &info) ? info.rcScrollBar : RECT{};
}

// Floor, not truncation: a gap is never negative for a real window, but the arithmetic stays right.
LONG floor_half(LONG value) {
    return value >= 0 ? value / 2 : (value - 1) / 2;
}

} // namespace

DWORD style_of(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

bool has_border(HWND control) {
    const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
    return (style_of(control) & WS_BORDER) != 0 ||
           (ex_style & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) != 0;
}

bool has_scroll_bars(HWND control) {
    return (style_of(control) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

RECT client_area_in_window(HWND control) {
    RECT window{}, client{};
    GetWindowRect(control, &window);
    GetClientRect(control, &client);
    const DWORD style = style_of(control);
    LONG width = client.right, height = client.bottom;
    if (style & WS_VSCROLL) {
        const RECT bar = scroll_bar_rect(control, OBJID_VSCROLL);
        width += bar.right - bar.left;
    }
    if (style & WS_HSCROLL) {
        const RECT bar = scroll_bar_rect(control, OBJID_HSCROLL);
        height += bar.bottom - bar.top;
    }
    const LONG left = floor_half(window.right - window.left - width);
    const LONG top = floor_half(window.bottom - window.top - height);
    return RECT{left, top, left + width, top + height};
}

gdi::Region scroll_bar_region(HWND control) {
    const DWORD style = style_of(control);
    gdi::Region horizontal, vertical;
    if (style & WS_HSCROLL) {
        const RECT bar = scroll_bar_rect(control, OBJID_HSCROLL);
        horizontal.reset(CreateRectRgnIndirect(&bar));
    }
    if (style & WS_VSCROLL) {
        RECT bar = scroll_bar_rect(control, OBJID_VSCROLL);
        // The square between the two bars belongs to neither; it hangs below the vertical one.
        if (style & WS_HSCROLL)
            bar.bottom += bar.right - bar.left;
        vertical.reset(CreateRectRgnIndirect(&bar));
    }
    if (!horizontal || !vertical)
        return horizontal ? std::move(horizontal) : std::move(vertical);
    gdi::Region both(CreateRectRgn(0, 0, 0, 0));
    if (both)
        CombineRgn(both.get(), horizontal.get(), vertical.get(), RGN_OR);
    return both;
}

} // namespace pantrove
