#include "skin/controls/composition.h"

#include "skin/core/background_dc.h"
#include "skin/core/drawing.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/skin_state.h"

#include <cstdint>
#include <cstdlib>

namespace pantrove {

namespace {

// GDI+ writes an alpha byte into the 32-bit image; wine's TransparentBlt compares whole pixels with the key, so
// opaque magenta would never match it. Only the colour counts for the key.
void clear_alpha(HDC dc) {
    GdiFlush();
    DIBSECTION dib{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBitsPixel != 32 ||
        !dib.dsBm.bmBits)
        return;
    auto* pixels = static_cast<std::uint32_t*>(dib.dsBm.bmBits);
    const auto count = static_cast<std::size_t>(dib.dsBm.bmWidthBytes / 4) * std::abs(dib.dsBm.bmHeight);
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] &= 0x00FFFFFF;
}

} // namespace

BackgroundImage::BackgroundImage(HWND control, const RECT& rect)
    : dc_(make_background_dc(control, rect)), width_(rect.right - rect.left), height_(rect.bottom - rect.top) {}

BackgroundImage::~BackgroundImage() {
    free_background_dc(dc_);
}

void BackgroundImage::copy_to(HDC target, int x, int y) const {
    if (dc_ && target)
        BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

void BackgroundImage::copy_keyed_to(HDC target, int x, int y, COLORREF key) const {
    if (!dc_ || !target)
        return;
    clear_alpha(dc_);
    TransparentBlt(target, x, y, width_, height_, dc_, 0, 0, width_, height_, key);
}

bool open_graphics(gdiplus::Graphics& graphics, const BackgroundImage& image) {
    return image && graphics.create_from_hdc(image.dc());
}

RECT client_rect_of(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

RECT window_rect_at_origin(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

void copy_to_frame(HWND window, const BackgroundImage& image, const RECT& inner, bool keyed) {
    const WindowDc dc(window, WindowDc::Area::whole_window);
    if (!dc)
        return;
    ExcludeClipRect(dc.get(), inner.left, inner.top, inner.right, inner.bottom);
    if (keyed)
        image.copy_keyed_to(dc.get());
    else
        image.copy_to(dc.get());
}

gdiplus::ARGB backdrop_colour() {
    return transparent_controls ? to_argb(0xFFFFFF, control_alpha) : 0xFFFFFFFF;
}

void paint_backdrop(gdiplus::Graphics& graphics, float x, float y, float width, float height) {
    const gdiplus::SolidBrush brush(backdrop_colour());
    graphics.fill_rectangle(brush, x, y, width, height);
}

gdiplus::LinearGradientBrush vertical_gradient(float y1, gdiplus::ARGB colour1, float y2, gdiplus::ARGB colour2) {
    return linear_gradient(gdiplus::PointF(0, y1), colour1, gdiplus::PointF(0, y2), colour2);
}

gdiplus::LinearGradientBrush linear_gradient(gdiplus::PointF from, gdiplus::ARGB colour1, gdiplus::PointF to,
                                             gdiplus::ARGB colour2) {
    gdiplus::LinearGradientBrush brush;
    brush.create(from, to, colour1, colour2, Gdiplus::WrapModeTileFlipXY);
    return brush;
}

} // namespace pantrove
