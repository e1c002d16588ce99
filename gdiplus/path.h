// GraphicsPath: figures of lines, arcs and shapes, filled, stroked or used as a clip.
#pragma once

#include "gdiplus/object.h"

#include <vector>

namespace pantrove::gdiplus {

using Gdiplus::FillMode;

class GraphicsPath : public detail::Owned<GpPath> {
public:
    GraphicsPath() = default;
    explicit GraphicsPath(FillMode mode) { create(mode); }

    bool create(FillMode mode = Gdiplus::FillModeAlternate);
    // Removes every figure.
    bool reset();
    bool start_figure();
    bool close_figure();

    bool add_line(float x1, float y1, float x2, float y2);
    bool add_arc(float x, float y, float width, float height, float start_angle, float sweep_angle);
    bool add_rectangle(float x, float y, float width, float height);
    bool add_ellipse(float x, float y, float width, float height);
    // A closed rectangle whose corners are quarter ellipses of width·percent/100 × height·percent/100
    // (truncated to whole numbers; a plain rectangle when one of them is 0); percent is taken as 1 below 1
    // and as 100 above 100.
    bool add_rounded_rectangle(float x, float y, float width, float height, int percent);

    [[nodiscard]] int point_count() const;
    [[nodiscard]] std::vector<PointF> points() const;
    // The bounding box of all figures; an empty box when it cannot be read.
    [[nodiscard]] RectF bounds() const;
};

} // namespace pantrove::gdiplus
