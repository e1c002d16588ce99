// Off-screen composition of a control: the part of the owning window's composed image behind the control,
// drawn over with GDI+, then copied to the control in one piece, either whole or around the areas cleared to
// the colour key. Also the translucent backdrop of the controls that show the window's picture.
#pragma once

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "skin/core/window_dc.h"

#include <windows.h>

namespace pantrove {

// Areas of a composed control image cleared to this colour keep the control's own pixels when the image is
// copied with copy_keyed_to.
inline constexpr COLORREF kColourKey = 0xFF00FF;
inline constexpr gdiplus::ARGB kColourKeyArgb = 0xFFFF00FF;

// The part of the owning skinned window's composed image behind a rectangle of a control (in the control's
// window coordinates), from make_background_dc, given back with free_background_dc on destruction. Empty when
// the control lies outside every skinned window or the rectangle is empty.
class BackgroundImage {
public:
    BackgroundImage(HWND control, const RECT& rect);
    BackgroundImage(const BackgroundImage&) = delete;
    BackgroundImage& operator=(const BackgroundImage&) = delete;
    ~BackgroundImage();

    [[nodiscard]] HDC dc() const { return dc_; }
    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    explicit operator bool() const { return dc_ != nullptr; }

    // Copies the whole image to target at (x, y).
    void copy_to(HDC target, int x = 0, int y = 0) const;
    // Copies the image to target at (x, y) except its pixels of the key colour.
    void copy_keyed_to(HDC target, int x = 0, int y = 0, COLORREF key = kColourKey) const;

private:
    HDC dc_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

// Opens graphics on a composed image. The graphics must be gone before the image is copied: GDI+ may hold
// drawing back until then.
bool open_graphics(gdiplus::Graphics& graphics, const BackgroundImage& image);

// The client area of a window: (0, 0, width, height).
[[nodiscard]] RECT client_rect_of(HWND window);
// The window rectangle moved to (0, 0): what frame painters compose.
[[nodiscard]] RECT window_rect_at_origin(HWND window);

// Copies a composed image of the whole window (see window_rect_at_origin) to its non-client frame only:
// the inner rectangle (window coordinates) is left to the control, and so, when keyed, are the image's
// pixels of the colour key.
void copy_to_frame(HWND window, const BackgroundImage& image, const RECT& inner, bool keyed);

// The colour of the client area of edit boxes, combo boxes and list controls: the window's picture under a
// white veil of control_alpha when transparent_controls is set, else opaque white.
[[nodiscard]] gdiplus::ARGB backdrop_colour();
void paint_backdrop(gdiplus::Graphics& graphics, float x, float y, float width, float height);

// A brush of a vertical gradient from colour1 at y1 to colour2 at y2, mirrored beyond them.
[[nodiscard]] gdiplus::LinearGradientBrush vertical_gradient(float y1, gdiplus::ARGB colour1, float y2,
                                                             gdiplus::ARGB colour2);
// A brush of a gradient between two points, mirrored beyond them.
[[nodiscard]] gdiplus::LinearGradientBrush linear_gradient(gdiplus::PointF from, gdiplus::ARGB colour1,
                                                           gdiplus::PointF to, gdiplus::ARGB colour2);

} // namespace pantrove
