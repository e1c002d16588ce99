// World transforms of the objects that carry one (Graphics, Pen and the two gradient brushes), including
// scaling and rotating about a point.
#pragma once

#include "gdiplus/object.h"

#include <optional>

namespace pantrove::gdiplus {

using Gdiplus::MatrixOrder;
using Gdiplus::MatrixOrderAppend;
using Gdiplus::MatrixOrderPrepend;

// The six elements of a GDI+ matrix: a point (x, y) goes to (x·m11 + y·m21 + dx, x·m12 + y·m22 + dy).
struct Transform {
    float m11, m12, m21, m22, dx, dy;
};

namespace detail {

// The transform operations over one object's flat functions. Calls supplies static translate, scale, rotate,
// reset and get for the handle type; Derived supplies transform_handle().
template <class Derived, class Calls> class TransformOps {
public:
    bool translate_transform(float dx, float dy, MatrixOrder order = MatrixOrderPrepend) {
        return record(Calls::translate(handle(), dx, dy, order));
    }
    bool scale_transform(float sx, float sy, MatrixOrder order = MatrixOrderPrepend) {
        return record(Calls::scale(handle(), sx, sy, order));
    }
    bool rotate_transform(float degrees, MatrixOrder order = MatrixOrderPrepend) {
        return record(Calls::rotate(handle(), degrees, order));
    }
    bool reset_transform() { return record(Calls::reset(handle())); }

    // Scales about centre. With MatrixOrderPrepend the centre is in the object's own (inner) coordinates,
    // with MatrixOrderAppend in the outer ones. Stops at the first failing step.
    bool scale_at(float sx, float sy, PointF centre, MatrixOrder order = MatrixOrderPrepend) {
        return about(centre, order, [&] { return Calls::scale(handle(), sx, sy, order); });
    }
    // Rotates by degrees about centre, with the same meaning of order as scale_at.
    bool rotate_at(float degrees, PointF centre, MatrixOrder order = MatrixOrderPrepend) {
        return about(centre, order, [&] { return Calls::rotate(handle(), degrees, order); });
    }

    // The current transform; empty when it cannot be read.
    [[nodiscard]] std::optional<Transform> transform() const;

private:
    auto handle() const { return static_cast<const Derived&>(*this).transform_handle(); }

    // Moves centre to the origin, applies the step, moves back: each move in the sense that makes the
    // composition act about centre for the given order.
    template <class Step> bool about(PointF centre, MatrixOrder order, Step&& step) {
        const float sign = order == MatrixOrderPrepend ? 1.0f : -1.0f;
        return record(Calls::translate(handle(), sign * centre.X, sign * centre.Y, order)) && record(step()) &&
               record(Calls::translate(handle(), -sign * centre.X, -sign * centre.Y, order));
    }
};

// A temporary matrix, for reading transforms.
class Matrix : public Owned<GpMatrix> {
public:
    Matrix() {
        create_with([](GpMatrix** out) { return flat::GdipCreateMatrix(out); });
    }
    [[nodiscard]] std::optional<Transform> elements() const;
};

template <class Derived, class Calls> std::optional<Transform> TransformOps<Derived, Calls>::transform() const {
    Matrix matrix;
    if (!matrix || !record(Calls::get(handle(), matrix.get_native())))
        return std::nullopt;
    return matrix.elements();
}

} // namespace detail
} // namespace pantrove::gdiplus
