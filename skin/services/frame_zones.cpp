#include "skin/services/frame_zones.h"

namespace pantrove {

const FrameZone* frame_zone_at(int x, int y, int right, int bottom, int margin) {
    static const FrameZone left_edge{IDC_SIZEWE, SC_SIZE | WMSZ_LEFT};
    static const FrameZone right_edge{IDC_SIZEWE, SC_SIZE | WMSZ_RIGHT};
    static const FrameZone top_edge{IDC_SIZENS, SC_SIZE | WMSZ_TOP};
    static const FrameZone bottom_edge{IDC_SIZENS, SC_SIZE | WMSZ_BOTTOM};
    static const FrameZone top_left{IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT};
    static const FrameZone top_right{IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT};
    static const FrameZone bottom_left{IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT};
    static const FrameZone bottom_right{IDC_SIZENWSE, SC_SIZE | WMSZ_BOTTOMRIGHT};

    const bool between_top_and_bottom_corners = y >= 11 && y < bottom - 10;
    const bool between_left_and_right_corners = x >= 11 && x < right - 10;
    if (x <= margin && between_top_and_bottom_corners)
        return &left_edge;
    if (x >= right - margin && between_top_and_bottom_corners)
        return &right_edge;
    if (between_left_and_right_corners && y <= margin)
        return &top_edge;
    if (between_left_and_right_corners && y >= bottom - margin)
        return &bottom_edge;
    if (x <= 10 && y <= 10)
        return &top_left;
    if (x >= right - 10 && y <= 10)
        return &top_right;
    if (x <= 10 && y >= bottom - 10)
        return &bottom_left;
    if (x >= right - 10 && y >= bottom - 10)
        return &bottom_right;
    return nullptr;
}

} // namespace pantrove
