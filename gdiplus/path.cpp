#include "gdiplus/path.h"

#include <algorithm>
#include <cmath>

namespace pantrove::gdiplus {

using detail::record;

bool GraphicsPath::create(FillMode mode) {
    return create_with([mode](GpPath** out) { return flat::GdipCreatePath(mode, out); });
}

bool GraphicsPath::reset() {
    return record(flat::GdipResetPath(get_native()));
}

bool GraphicsPath::start_figure() {
    return record(flat::GdipStartPathFigure(get_native()));
}

bool GraphicsPath::close_figure() {
    return record(flat::GdipClosePathFigure(get_native()));
}

bool GraphicsPath::add_line(float x1, float y1, float x2, float y2) {
    return record(flat::GdipAddPathLine(get_native(), x1, y1, x2, y2));
}

bool GraphicsPath::add_arc(float x, float y, float width, float height, float start_angle, float sweep_angle) {
    return record(flat::GdipAddPathArc(get_native(), x, y, width, height, start_angle, sweep_angle));
}

bool GraphicsPath::add_rectangle(float x, float y, float width, float height) {
    return record(flat::GdipAddPathRectangle(get_native(), x, y, width, height));
}

bool GraphicsPath::add_ellipse(float x, float y, float width, float height) {
    return record(flat::GdipAddPathEllipse(get_native(), x, y, width, height));
}

bool GraphicsPath::add_rounded_rectangle(float x, float y, float width, float height, int percent) {
    const float share = static_cast<float>(std::clamp(percent, 1, 100)) / 100.0f;
    const float rx = std::trunc(width * share);
    const float ry = std::trunc(height * share);
    // A corner under one pixel is square: an arc of zero size is no arc.
    if (rx < 1 || ry < 1)
        return add_rectangle(x, y, width, height);
    return start_figure() && add_arc(x + width - rx, y, rx, ry, 270, 90) &&
           add_arc(x + width - rx, y + height - ry, rx, ry, 0, 90) && add_arc(x, y + height - ry, rx, ry, 90, 90) &&
           add_arc(x, y, rx, ry, 180, 90) && close_figure();
}

int GraphicsPath::point_count() const {
    INT count = 0;
    return record(flat::GdipGetPointCount(get_native(), &count)) ? count : 0;
}

std::vector<PointF> GraphicsPath::points() const {
    std::vector<PointF> points(static_cast<std::size_t>(point_count()));
    if (points.empty() ||
        !record(flat::GdipGetPathPoints(get_native(), points.data(), static_cast<INT>(points.size()))))
        return {};
    return points;
}

RectF GraphicsPath::bounds() const {
    RectF box;
    return record(flat::GdipGetPathWorldBounds(get_native(), &box, nullptr, nullptr)) ? box : RectF();
}

} // namespace pantrove::gdiplus
