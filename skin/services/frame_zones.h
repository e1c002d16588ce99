// The edge zones of a skinned frame: where a press sizes the window, and with which cursor.
#pragma once

#include <windows.h>

namespace pantrove {

struct FrameZone {
    LPCWSTR cursor;   // system cursor shown over the zone
    WPARAM size_code; // WM_SYSCOMMAND code that starts sizing from the zone
};

// The first zone (left, right, top, bottom, then the four 10-pixel corners) that holds the client point
// (x, y) in a client area of right edge `right` and bottom `bottom`, with edges `margin` pixels thick; null
// when the point is in none.
const FrameZone* frame_zone_at(int x, int y, int right, int bottom, int margin);

// The signed client coordinates packed into a mouse message's lParam.
inline int x_of(LPARAM lparam) {
    return static_cast<short>(LOWORD(lparam));
}
inline int y_of(LPARAM lparam) {
    return static_cast<short>(HIWORD(lparam));
}

} // namespace pantrove
