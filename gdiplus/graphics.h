// Graphics: a GDI+ drawing surface on a device context or on an image.
#pragma once

#include "gdiplus/object.h"
#include "gdiplus/transform.h"

#include <span>
#include <string_view>

namespace pantrove::gdiplus {

class Brush;
class Font;
class GraphicsPath;
class Image;
class Pen;
class Region;
class StringFormat;

using Gdiplus::CombineMode;
using Gdiplus::CompositingQuality;
using Gdiplus::CoordinateSpace;
using Gdiplus::InterpolationMode;
using Gdiplus::PixelOffsetMode;
using Gdiplus::SmoothingMode;
using Gdiplus::Unit;

namespace detail {
struct GraphicsTransformCalls {
    static Status translate(GpGraphics* handle, float dx, float dy, MatrixOrder order);
    static Status scale(GpGraphics* handle, float sx, float sy, MatrixOrder order);
    static Status rotate(GpGraphics* handle, float degrees, MatrixOrder order);
    static Status reset(GpGraphics* handle);
    static Status get(GpGraphics* handle, GpMatrix* matrix);
};
} // namespace detail

// Every operation returns true when GDI+ answered Ok (see last_status); on an empty wrapper GDI+ refuses
// the call. Texts are code page 936.
class Graphics : public detail::Owned<GpGraphics>,
                 public detail::TransformOps<Graphics, detail::GraphicsTransformCalls> {
public:
    Graphics() = default;

    bool create_from_hdc(HDC dc);
    // Draws on the image, which must outlive this object.
    bool create_from_image(const Image& image);

    bool set_compositing_quality(CompositingQuality quality);
    bool set_smoothing_mode(SmoothingMode mode);
    bool set_interpolation_mode(InterpolationMode mode);
    bool set_pixel_offset_mode(PixelOffsetMode mode);

    // Converts the points in place from one coordinate space to another.
    bool transform_points(CoordinateSpace to, CoordinateSpace from, std::span<PointF> points) const;

    // Completes every drawing operation before GDI touches the same device context.
    bool flush();

    bool clear(ARGB colour);
    bool draw_line(const Pen& pen, float x1, float y1, float x2, float y2);
    bool draw_rectangle(const Pen& pen, float x, float y, float width, float height);
    bool draw_ellipse(const Pen& pen, float x, float y, float width, float height);
    bool draw_path(const Pen& pen, const GraphicsPath& path);
    bool fill_rectangle(const Brush& brush, float x, float y, float width, float height);
    bool fill_rectangle(const Brush& brush, const RectF& rect);
    bool fill_ellipse(const Brush& brush, float x, float y, float width, float height);
    bool fill_path(const Brush& brush, const GraphicsPath& path);
    bool fill_region(const Brush& brush, const Region& region);

    // Draws text into the layout rectangle; without a format, GDI+'s default one (near, near).
    bool draw_string(std::string_view text, const Font& font, const RectF& layout, const Brush& brush,
                     const StringFormat* format = nullptr);
    // The bounding box of the text laid out in layout; an empty box when it cannot be measured.
    [[nodiscard]] RectF measure_string(std::string_view text, const Font& font, const RectF& layout,
                                       const StringFormat* format = nullptr) const;

    // Draws the image at (x, y) at its physical size: GDI+ scales by the ratio of the image's resolution
    // to the surface's. Use the rectangle form to draw pixel for pixel.
    bool draw_image(const Image& image, float x, float y);
    // Draws the whole image into the rectangle; the unit applies to both rectangles.
    bool draw_image(const Image& image, float x, float y, float width, float height, Unit unit = Gdiplus::UnitPixel);

    bool set_clip_rect(float x, float y, float width, float height, CombineMode mode = Gdiplus::CombineModeReplace);
    bool set_clip_path(const GraphicsPath& path, CombineMode mode = Gdiplus::CombineModeReplace);
    bool set_clip_region(const Region& region, CombineMode mode = Gdiplus::CombineModeReplace);
    bool reset_clip();

private:
    friend class detail::TransformOps<Graphics, detail::GraphicsTransformCalls>;
    GpGraphics* transform_handle() const { return get_native(); }
};

} // namespace pantrove::gdiplus
