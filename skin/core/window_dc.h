// DCs of windows on the screen, released when they go out of scope.
#pragma once

#include <windows.h>

namespace pantrove {

// A DC of a window from GetDC (the client area) or GetWindowDC (the whole window), released on destruction.
// Counted among gdi::live_objects while held.
class WindowDc {
public:
    enum class Area { client, whole_window };

    explicit WindowDc(HWND window, Area area = Area::client);
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc();

    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Leaves out of the DC's clip every visible direct child of the window that is not WS_EX_TRANSPARENT, so that a
// copy of the composed image paints around opaque controls and over transparent ones.
void exclude_opaque_children(HDC dc, HWND window);

} // namespace pantrove
