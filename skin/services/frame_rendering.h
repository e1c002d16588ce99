// The composed image of a skinned window: what the window procedure and the caption and title-button painters
// share besides the SkinObject operations (paint_window, present_window, restore_caption_rect...).
#pragma once

#include "skin/core/skinned_window.h"

#include <windows.h>

namespace pantrove {

// Gives back everything a window's renders keep: background_dc with its composed bitmap (the DC's first
// bitmap selected back, the properties "Ck_Ycjdx" and "Ck_wtjbdx" removed) and the saved caption and status
// backgrounds. The record's handles are zero afterwards, so a second call does nothing.
void free_frame_images(SkinnedWindow& record);

// Leaves out of the DC's clip every visible direct child of the window that is not WS_EX_TRANSPARENT, so that a
// copy of the composed image paints around opaque controls and over transparent ones.
void exclude_opaque_children(HDC dc, HWND window);

// A DC of a window's client area (GetDC), released when it goes out of scope; optionally clipped around the
// opaque children.
class WindowDc {
public:
    explicit WindowDc(HWND window, bool around_opaque_children = false);
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc();

    [[nodiscard]] HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

} // namespace pantrove
