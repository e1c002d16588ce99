#include "gdiplus/region.h"

#include "gdiplus/graphics.h"
#include "gdiplus/path.h"

namespace pantrove::gdiplus {

using detail::record;

bool Region::create() {
    return create_with([](GpRegion** out) { return flat::GdipCreateRegion(out); });
}

bool Region::create(const RectF& rect) {
    return create_with([&rect](GpRegion** out) { return flat::GdipCreateRegionRect(&rect, out); });
}

bool Region::create(const GraphicsPath& path) {
    return create_with([&path](GpRegion** out) { return flat::GdipCreateRegionPath(path.get_native(), out); });
}

bool Region::combine(const RectF& rect, CombineMode mode) {
    return record(flat::GdipCombineRegionRect(get_native(), &rect, mode));
}

bool Region::combine(const GraphicsPath& path, CombineMode mode) {
    return record(flat::GdipCombineRegionPath(get_native(), path.get_native(), mode));
}

bool Region::combine(const Region& other, CombineMode mode) {
    return record(flat::GdipCombineRegionRegion(get_native(), other.get_native(), mode));
}

bool Region::translate(float dx, float dy) {
    return record(flat::GdipTranslateRegion(get_native(), dx, dy));
}

RectF Region::bounds(const Graphics& graphics) const {
    RectF box;
    return record(flat::GdipGetRegionBounds(get_native(), graphics.get_native(), &box)) ? box : RectF();
}

bool Region::is_empty(const Graphics& graphics) const {
    BOOL empty = FALSE;
    return record(flat::GdipIsEmptyRegion(get_native(), graphics.get_native(), &empty)) && empty;
}

bool Region::contains(float x, float y, const Graphics* graphics) const {
    BOOL visible = FALSE;
    return record(flat::GdipIsVisibleRegionPoint(get_native(), x, y, graphics ? graphics->get_native() : nullptr,
                                                 &visible)) &&
           visible;
}

} // namespace pantrove::gdiplus
