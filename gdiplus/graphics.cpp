#include "gdiplus/graphics.h"

#include "gdiplus/brushes.h"
#include "gdiplus/image.h"
#include "gdiplus/path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/text.h"
#include "text/wide_text.h"

namespace pantrove::gdiplus {

using detail::record;

namespace detail {
Status GraphicsTransformCalls::translate(GpGraphics* handle, float dx, float dy, MatrixOrder order) {
    return flat::GdipTranslateWorldTransform(handle, dx, dy, order);
}
Status GraphicsTransformCalls::scale(GpGraphics* handle, float sx, float sy, MatrixOrder order) {
    return flat::GdipScaleWorldTransform(handle, sx, sy, order);
}
Status GraphicsTransformCalls::rotate(GpGraphics* handle, float degrees, MatrixOrder order) {
    return flat::GdipRotateWorldTransform(handle, degrees, order);
}
Status GraphicsTransformCalls::reset(GpGraphics* handle) {
    return flat::GdipResetWorldTransform(handle);
}
Status GraphicsTransformCalls::get(GpGraphics* handle, GpMatrix* matrix) {
    return flat::GdipGetWorldTransform(handle, matrix);
}
} // namespace detail

bool Graphics::create_from_hdc(HDC dc) {
    return create_with([dc](GpGraphics** out) { return flat::GdipCreateFromHDC(dc, out); });
}

bool Graphics::create_from_image(const Image& image) {
    return create_with(
        [&image](GpGraphics** out) { return flat::GdipGetImageGraphicsContext(image.get_native(), out); });
}

bool Graphics::set_compositing_quality(CompositingQuality quality) {
    return record(flat::GdipSetCompositingQuality(get_native(), quality));
}

bool Graphics::set_smoothing_mode(SmoothingMode mode) {
    return record(flat::GdipSetSmoothingMode(get_native(), mode));
}

bool Graphics::set_interpolation_mode(InterpolationMode mode) {
    return record(flat::GdipSetInterpolationMode(get_native(), mode));
}

bool Graphics::set_pixel_offset_mode(PixelOffsetMode mode) {
    return record(flat::GdipSetPixelOffsetMode(get_native(), mode));
}

bool Graphics::transform_points(CoordinateSpace to, CoordinateSpace from, std::span<PointF> points) const {
    return record(flat::GdipTransformPoints(get_native(), to, from, points.data(), static_cast<INT>(points.size())));
}

bool Graphics::flush() {
    return record(flat::GdipFlush(get_native(), Gdiplus::FlushIntentionSync));
}

bool Graphics::clear(ARGB colour) {
    return record(flat::GdipGraphicsClear(get_native(), colour));
}

bool Graphics::draw_line(const Pen& pen, float x1, float y1, float x2, float y2) {
    return record(flat::GdipDrawLine(get_native(), pen.get_native(), x1, y1, x2, y2));
}

bool Graphics::draw_rectangle(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawRectangle(get_native(), pen.get_native(), x, y, width, height));
}

bool Graphics::draw_ellipse(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawEllipse(get_native(), pen.get_native(), x, y, width, height));
}

bool Graphics::draw_path(const Pen& pen, const GraphicsPath& path) {
    return record(flat::GdipDrawPath(get_native(), pen.get_native(), path.get_native()));
}

bool Graphics::fill_rectangle(const Brush& brush, float x, float y, float width, float height) {
    return record(flat::GdipFillRectangle(get_native(), brush.get_native(), x, y, width, height));
}

bool Graphics::fill_rectangle(const Brush& brush, const RectF& rect) {
    return fill_rectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

bool Graphics::fill_ellipse(const Brush& brush, float x, float y, float width, float height) {
    return record(flat::GdipFillEllipse(get_native(), brush.get_native(), x, y, width, height));
}

bool Graphics::fill_path(const Brush& brush, const GraphicsPath& path) {
    return record(flat::GdipFillPath(get_native(), brush.get_native(), path.get_native()));
}

bool Graphics::fill_region(const Brush& brush, const Region& region) {
    return record(flat::GdipFillRegion(get_native(), brush.get_native(), region.get_native()));
}

bool Graphics::draw_string(std::string_view text, const Font& font, const RectF& layout, const Brush& brush,
                           const StringFormat* format) {
    const std::wstring wide = widen(text);
    return record(flat::GdipDrawString(get_native(), wide.c_str(), static_cast<INT>(wide.size()), font.get_native(),
                                       &layout, format ? format->get_native() : nullptr, brush.get_native()));
}

RectF Graphics::measure_string(std::string_view text, const Font& font, const RectF& layout,
                               const StringFormat* format) const {
    const std::wstring wide = widen(text);
    RectF box;
    if (!record(flat::GdipMeasureString(get_native(), wide.c_str(), static_cast<INT>(wide.size()), font.get_native(),
                                        &layout, format ? format->get_native() : nullptr, &box, nullptr, nullptr)))
        return RectF();
    return box;
}

bool Graphics::draw_image(const Image& image, float x, float y) {
    return record(flat::GdipDrawImage(get_native(), image.get_native(), x, y));
}

bool Graphics::draw_image(const Image& image, float x, float y, float width, float height, Unit unit) {
    const auto source_width = static_cast<float>(image.width());
    const auto source_height = static_cast<float>(image.height());
    return record(flat::GdipDrawImageRectRect(get_native(), image.get_native(), x, y, width, height, 0, 0, source_width,
                                              source_height, unit, nullptr, nullptr, nullptr));
}

bool Graphics::set_clip_rect(float x, float y, float width, float height, CombineMode mode) {
    return record(flat::GdipSetClipRect(get_native(), x, y, width, height, mode));
}

bool Graphics::set_clip_path(const GraphicsPath& path, CombineMode mode) {
    return record(flat::GdipSetClipPath(get_native(), path.get_native(), mode));
}

bool Graphics::set_clip_region(const Region& region, CombineMode mode) {
    return record(flat::GdipSetClipRegion(get_native(), region.get_native(), mode));
}

bool Graphics::reset_clip() {
    return record(flat::GdipResetClip(get_native()));
}

} // namespace pantrove::gdiplus
