// Region: an area built from rectangles and paths, for filling, clipping and hit tests.
#pragma once

#include "gdiplus/object.h"

namespace pantrove::gdiplus {

class Graphics;
class GraphicsPath;

using Gdiplus::CombineMode;

class Region : public detail::Owned<GpRegion> {
public:
    Region() = default;

    // The infinite region.
    bool create();
    bool create(const RectF& rect);
    bool create(const GraphicsPath& path);

    bool combine(const RectF& rect, CombineMode mode);
    bool combine(const GraphicsPath& path, CombineMode mode);
    bool combine(const Region& other, CombineMode mode);
    bool translate(float dx, float dy);

    // Measured in the device space of graphics; an empty box when it cannot be read.
    [[nodiscard]] RectF bounds(const Graphics& graphics) const;
    [[nodiscard]] bool is_empty(const Graphics& graphics) const;
    // Whether the point lies in the region, in world coordinates (of graphics, when given).
    [[nodiscard]] bool contains(float x, float y, const Graphics* graphics = nullptr) const;
};

} // namespace pantrove::gdiplus
