#include "gdiplus/pen.h"

#include "gdiplus/brushes.h"

namespace pantrove::gdiplus {

using detail::record;

namespace detail {
Status PenTransformCalls::translate(GpPen* handle, float dx, float dy, MatrixOrder order) {
    return flat::GdipTranslatePenTransform(handle, dx, dy, order);
}
Status PenTransformCalls::scale(GpPen* handle, float sx, float sy, MatrixOrder order) {
    return flat::GdipScalePenTransform(handle, sx, sy, order);
}
Status PenTransformCalls::rotate(GpPen* handle, float degrees, MatrixOrder order) {
    return flat::GdipRotatePenTransform(handle, degrees, order);
}
Status PenTransformCalls::reset(GpPen* handle) {
    return flat::GdipResetPenTransform(handle);
}
Status PenTransformCalls::get(GpPen* handle, GpMatrix* matrix) {
    return flat::GdipGetPenTransform(handle, matrix);
}
} // namespace detail

bool Pen::create(ARGB colour, float width, Gdiplus::Unit unit) {
    return create_with([&](GpPen** out) { return flat::GdipCreatePen1(colour, width, unit, out); });
}

bool Pen::create(const Brush& brush, float width, Gdiplus::Unit unit) {
    return create_with([&](GpPen** out) { return flat::GdipCreatePen2(brush.get_native(), width, unit, out); });
}

bool Pen::set_width(float width) {
    return record(flat::GdipSetPenWidth(get_native(), width));
}

float Pen::width() const {
    float width = 0;
    return record(flat::GdipGetPenWidth(get_native(), &width)) ? width : 0;
}

bool Pen::set_colour(ARGB colour) {
    return record(flat::GdipSetPenColor(get_native(), colour));
}

ARGB Pen::colour() const {
    ARGB colour = 0;
    return record(flat::GdipGetPenColor(get_native(), &colour)) ? colour : 0;
}

} // namespace pantrove::gdiplus
