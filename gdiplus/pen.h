// Pen: outlines in a colour or painted with a brush.
#pragma once

#include "gdiplus/object.h"
#include "gdiplus/transform.h"

namespace pantrove::gdiplus {

class Brush;

namespace detail {
struct PenTransformCalls {
    static Status translate(GpPen* handle, float dx, float dy, MatrixOrder order);
    static Status scale(GpPen* handle, float sx, float sy, MatrixOrder order);
    static Status rotate(GpPen* handle, float degrees, MatrixOrder order);
    static Status reset(GpPen* handle);
    static Status get(GpPen* handle, GpMatrix* matrix);
};
} // namespace detail

class Pen : public detail::Owned<GpPen>, public detail::TransformOps<Pen, detail::PenTransformCalls> {
public:
    Pen() = default;
    Pen(ARGB colour, float width) { create(colour, width); }

    bool create(ARGB colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // A pen whose strokes are painted with the brush; the pen keeps its own copy of it.
    bool create(const Brush& brush, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool set_width(float width);
    // 0 when the width cannot be read.
    [[nodiscard]] float width() const;
    bool set_colour(ARGB colour);
    // 0 when the colour cannot be read.
    [[nodiscard]] ARGB colour() const;

private:
    friend class detail::TransformOps<Pen, detail::PenTransformCalls>;
    GpPen* transform_handle() const { return get_native(); }
};

} // namespace pantrove::gdiplus
