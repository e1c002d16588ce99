#include "skin/core/drawing.h"

#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "skin/core/skin_state.h"

#include <algorithm>

namespace pantrove {

gdiplus::ARGB to_argb(COLORREF colour, int alpha) {
    const auto a = static_cast<gdiplus::ARGB>(std::clamp(alpha, 0, 255));
    return a << 24 | static_cast<gdiplus::ARGB>(GetRValue(colour)) << 16 |
           static_cast<gdiplus::ARGB>(GetGValue(colour)) << 8 | GetBValue(colour);
}

bool add_round_rect(gdiplus::GraphicsPath& path, float x, float y, float width, float height, int radius) {
    const auto r = static_cast<float>(std::clamp(radius, 1, 100));
    // The bottom-right arc is one pixel larger so that the outline reaches the right and bottom edges.
    return path.add_arc(x + width - r, y, r, r, 270, 90) &&
           path.add_arc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0, 90) &&
           path.add_arc(x, y + height - r, r, r, 90, 90) && path.add_arc(x, y, r, r, 180, 90) && path.close_figure();
}

bool add_tab_path(gdiplus::GraphicsPath& path, int x, int y, int width, int height, int radius) {
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    const auto w = static_cast<float>(width), h = static_cast<float>(height), r = static_cast<float>(radius);
    return path.add_line(fx, fy + h, fx, fy + r) && path.add_arc(fx, fy, r, r, 180, 90) &&
           path.add_line(fx + r, fy, fx + w - r, fy) && path.add_arc(fx + w - r, fy, r, r, 270, 90) &&
           path.add_line(fx + w, fy + r, fx + w, fy + h);
}

void draw_glow_outline(gdiplus::Graphics& graphics, const gdiplus::GraphicsPath& path, int widths, COLORREF colour,
                       int alpha) {
    gdiplus::Pen pen(to_argb(colour, alpha), 1);
    for (int width = 1; width <= widths; ++width) {
        pen.set_width(static_cast<float>(width));
        graphics.draw_path(pen, path);
    }
}

RECT client_rect_in_window(SIZE window, SIZE client, DWORD style) {
    constexpr LONG scroll_bar = 17;
    const LONG vertical_gap = window.cy - client.cy - ((style & WS_HSCROLL) ? scroll_bar : 0);
    const LONG horizontal_gap = window.cx - client.cx - ((style & WS_VSCROLL) ? scroll_bar : 0);
    // floor(gap / 2): the gap is negative where a scroll bar is narrower than the allowance.
    const LONG top = vertical_gap >= 0 ? vertical_gap / 2 : (vertical_gap - 1) / 2;
    const LONG left = horizontal_gap >= 0 ? horizontal_gap / 2 : (horizontal_gap - 1) / 2;
    return RECT{left, top, left + client.cx, top + client.cy};
}

RECT client_rect_in_window(HWND hwnd) {
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    return client_rect_in_window(SIZE{window.right - window.left, window.bottom - window.top},
                                 SIZE{client.right - client.left, client.bottom - client.top},
                                 static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)));
}

bool is_owner_draw_list_box(HWND hwnd) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    return class_name_of(hwnd) == "ListBox" && (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

} // namespace pantrove
