// Brushes: solid, linear gradient and path gradient. The shared Brush part is what Graphics and Pen take.
#pragma once

#include "gdiplus/object.h"
#include "gdiplus/transform.h"

#include <array>
#include <span>

namespace pantrove::gdiplus {

class GraphicsPath;

using Gdiplus::WrapMode;

class Brush : public detail::Owned<GpBrush> {
protected:
    Brush() = default;
};

class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    explicit SolidBrush(ARGB colour) { create(colour); }

    bool create(ARGB colour);
    bool set_colour(ARGB colour);
    // 0 when the colour cannot be read.
    [[nodiscard]] ARGB colour() const;

private:
    GpSolidFill* fill() const { return static_cast<GpSolidFill*>(get_native()); }
};

namespace detail {
struct LineTransformCalls {
    static Status translate(GpLineGradient* handle, float dx, float dy, MatrixOrder order);
    static Status scale(GpLineGradient* handle, float sx, float sy, MatrixOrder order);
    static Status rotate(GpLineGradient* handle, float degrees, MatrixOrder order);
    static Status reset(GpLineGradient* handle);
    static Status get(GpLineGradient* handle, GpMatrix* matrix);
};
struct PathGradientTransformCalls {
    static Status translate(GpPathGradient* handle, float dx, float dy, MatrixOrder order);
    static Status scale(GpPathGradient* handle, float sx, float sy, MatrixOrder order);
    static Status rotate(GpPathGradient* handle, float degrees, MatrixOrder order);
    static Status reset(GpPathGradient* handle);
    static Status get(GpPathGradient* handle, GpMatrix* matrix);
};
} // namespace detail

class LinearGradientBrush : public Brush, public detail::TransformOps<LinearGradientBrush, detail::LineTransformCalls> {
public:
    LinearGradientBrush() = default;

    // A gradient from colour1 at from to colour2 at to, repeated beyond them as the wrap mode says.
    bool create(PointF from, PointF to, ARGB colour1, ARGB colour2, WrapMode wrap = Gdiplus::WrapModeTile);
    // The start and end colours; zeros when they cannot be read.
    [[nodiscard]] std::array<ARGB, 2> colours() const;
    // Colours at positions 0..1 along the gradient; both lists must have the same length.
    bool set_preset_blend(std::span<const ARGB> colours, std::span<const float> positions);

private:
    friend class detail::TransformOps<LinearGradientBrush, detail::LineTransformCalls>;
    GpLineGradient* transform_handle() const { return static_cast<GpLineGradient*>(get_native()); }
};

class PathGradientBrush : public Brush,
                          public detail::TransformOps<PathGradientBrush, detail::PathGradientTransformCalls> {
public:
    PathGradientBrush() = default;

    bool create(std::span<const PointF> points, WrapMode wrap = Gdiplus::WrapModeClamp);
    bool create(const GraphicsPath& path);
    bool set_centre_colour(ARGB colour);
    [[nodiscard]] ARGB centre_colour() const;
    bool set_centre_point(PointF point);
    [[nodiscard]] PointF centre_point() const;
    // One colour per boundary point; a shorter list repeats its last colour.
    bool set_surround_colours(std::span<const ARGB> colours);

private:
    friend class detail::TransformOps<PathGradientBrush, detail::PathGradientTransformCalls>;
    GpPathGradient* transform_handle() const { return static_cast<GpPathGradient*>(get_native()); }
};

} // namespace pantrove::gdiplus
