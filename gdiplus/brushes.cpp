#include "gdiplus/brushes.h"

#include "gdiplus/path.h"

namespace pantrove::gdiplus {

using detail::record;

namespace detail {
Status LineTransformCalls::translate(GpLineGradient* handle, float dx, float dy, MatrixOrder order) {
    return flat::GdipTranslateLineTransform(handle, dx, dy, order);
}
Status LineTransformCalls::scale(GpLineGradient* handle, float sx, float sy, MatrixOrder order) {
    return flat::GdipScaleLineTransform(handle, sx, sy, order);
}
Status LineTransformCalls::rotate(GpLineGradient* handle, float degrees, MatrixOrder order) {
    return flat::GdipRotateLineTransform(handle, degrees, order);
}
Status LineTransformCalls::reset(GpLineGradient* handle) {
    return flat::GdipResetLineTransform(handle);
}
Status LineTransformCalls::get(GpLineGradient* handle, GpMatrix* matrix) {
    return flat::GdipGetLineTransform(handle, matrix);
}

Status PathGradientTransformCalls::translate(GpPathGradient* handle, float dx, float dy, MatrixOrder order) {
    return flat::GdipTranslatePathGradientTransform(handle, dx, dy, order);
}
Status PathGradientTransformCalls::scale(GpPathGradient* handle, float sx, float sy, MatrixOrder order) {
    return flat::GdipScalePathGradientTransform(handle, sx, sy, order);
}
Status PathGradientTransformCalls::rotate(GpPathGradient* handle, float degrees, MatrixOrder order) {
    return flat::GdipRotatePathGradientTransform(handle, degrees, order);
}
Status PathGradientTransformCalls::reset(GpPathGradient* handle) {
    return flat::GdipResetPathGradientTransform(handle);
}
Status PathGradientTransformCalls::get(GpPathGradient* handle, GpMatrix* matrix) {
    return flat::GdipGetPathGradientTransform(handle, matrix);
}
} // namespace detail

bool SolidBrush::create(ARGB colour) {
    return create_with([colour](GpBrush** out) {
        GpSolidFill* fill = nullptr;
        const Status status = flat::GdipCreateSolidFill(colour, &fill);
        *out = fill;
        return status;
    });
}

bool SolidBrush::set_colour(ARGB colour) {
    return record(flat::GdipSetSolidFillColor(fill(), colour));
}

ARGB SolidBrush::colour() const {
    ARGB colour = 0;
    return record(flat::GdipGetSolidFillColor(fill(), &colour)) ? colour : 0;
}

bool LinearGradientBrush::create(PointF from, PointF to, ARGB colour1, ARGB colour2, WrapMode wrap) {
    return create_with([&](GpBrush** out) {
        GpLineGradient* brush = nullptr;
        const Status status = flat::GdipCreateLineBrush(&from, &to, colour1, colour2, wrap, &brush);
        *out = brush;
        return status;
    });
}

std::array<ARGB, 2> LinearGradientBrush::colours() const {
    std::array<ARGB, 2> colours{};
    if (!record(flat::GdipGetLineColors(transform_handle(), colours.data())))
        return {};
    return colours;
}

bool LinearGradientBrush::set_preset_blend(std::span<const ARGB> colours, std::span<const float> positions) {
    if (colours.size() != positions.size())
        return record(Gdiplus::InvalidParameter);
    return record(flat::GdipSetLinePresetBlend(transform_handle(), colours.data(), positions.data(),
                                               static_cast<INT>(colours.size())));
}

bool PathGradientBrush::create(std::span<const PointF> points, WrapMode wrap) {
    return create_with([&](GpBrush** out) {
        GpPathGradient* brush = nullptr;
        const Status status =
            flat::GdipCreatePathGradient(points.data(), static_cast<INT>(points.size()), wrap, &brush);
        *out = brush;
        return status;
    });
}

bool PathGradientBrush::create(const GraphicsPath& path) {
    return create_with([&](GpBrush** out) {
        GpPathGradient* brush = nullptr;
        const Status status = flat::GdipCreatePathGradientFromPath(path.get_native(), &brush);
        *out = brush;
        return status;
    });
}

bool PathGradientBrush::set_centre_colour(ARGB colour) {
    return record(flat::GdipSetPathGradientCenterColor(transform_handle(), colour));
}

ARGB PathGradientBrush::centre_colour() const {
    ARGB colour = 0;
    return record(flat::GdipGetPathGradientCenterColor(transform_handle(), &colour)) ? colour : 0;
}

bool PathGradientBrush::set_centre_point(PointF point) {
    return record(flat::GdipSetPathGradientCenterPoint(transform_handle(), &point));
}

PointF PathGradientBrush::centre_point() const {
    PointF point;
    return record(flat::GdipGetPathGradientCenterPoint(transform_handle(), &point)) ? point : PointF();
}

bool PathGradientBrush::set_surround_colours(std::span<const ARGB> colours) {
    INT count = static_cast<INT>(colours.size());
    return record(flat::GdipSetPathGradientSurroundColorsWithCount(transform_handle(), colours.data(), &count));
}

} // namespace pantrove::gdiplus
