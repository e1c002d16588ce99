#include "skin/core/window_dc.h"

#include "skin/core/gdi_objects.h"

namespace pantrove {

WindowDc::WindowDc(HWND window, Area area)
    : window_(window), dc_(!window                ? nullptr
                           : area == Area::client ? GetDC(window)
                                                  : GetWindowDC(window)) {
    if (dc_)
        gdi::count_held(1);
}

WindowDc::~WindowDc() {
    if (dc_) {
        ReleaseDC(window_, dc_);
        gdi::count_released(1);
    }
}

void exclude_opaque_children(HDC dc, HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0)
            continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
}

} // namespace pantrove
