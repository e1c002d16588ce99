#include "skin/services/glow_text.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/text.h"
#include "skin/core/drawing.h"

#include <algorithm>
#include <utility>

namespace pantrove {

namespace {

// Opacity of the four sharp copies drawn over the blurred glow.
constexpr int kGlowCopyAlpha = 60;

gdiplus::RectF moved_box(float x, float y, int width, int height) {
    return {x, y, static_cast<float>(width), static_cast<float>(height)};
}

// A transparent ARGB image and graphics on it; false when either cannot be made.
bool open_image(gdiplus::Bitmap& image, gdiplus::Graphics& graphics, int width, int height) {
    return width > 0 && height > 0 && image.create(width, height) && graphics.create_from_image(image);
}

} // namespace

void draw_glow_text(gdiplus::Graphics& graphics, std::string_view text, const gdiplus::RectF& box, COLORREF text_colour,
                    COLORREF glow_colour, int scale, std::string_view font_name, float font_size) {
    const auto width = static_cast<int>(box.Width);
    const auto height = static_cast<int>(box.Height);
    // GDI+ takes a layout box without width or height as one without limit.
    if (width <= 0 || height <= 0)
        return;
    gdiplus::Font font;
    if (!font.create(font_name, font_size, Gdiplus::FontStyleRegular, Gdiplus::UnitWorld))
        return;
    gdiplus::StringFormat format;
    format.create(0, LANG_NEUTRAL);
    format.set_align(Gdiplus::StringAlignmentNear);
    format.set_line_align(Gdiplus::StringAlignmentNear);
    const gdiplus::SolidBrush text_brush(to_argb(text_colour, 255));
    const gdiplus::RectF target(box.X, box.Y, static_cast<float>(width), static_cast<float>(height));

    const int d = std::max(scale, 1);
    const float half = static_cast<float>(d) / 2;
    gdiplus::Bitmap sharp;
    gdiplus::Graphics on_sharp;
    gdiplus::Bitmap shrunk;
    gdiplus::Graphics on_shrunk;
    gdiplus::Bitmap glow;
    gdiplus::Graphics on_glow;
    if (!open_image(sharp, on_sharp, width, height) || !open_image(shrunk, on_shrunk, width / d, height / d) ||
        !open_image(glow, on_glow, width, height)) {
        graphics.draw_string(text, font, target, text_brush, &format);
        return;
    }

    on_sharp.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
    on_sharp.set_compositing_quality(Gdiplus::CompositingQualityGammaCorrected);
    on_sharp.set_interpolation_mode(Gdiplus::InterpolationModeHighQualityBicubic);
    on_sharp.set_pixel_offset_mode(Gdiplus::PixelOffsetModeNone);
    on_sharp.draw_string(
        text, font, gdiplus::RectF(half, half, static_cast<float>(width) + half, static_cast<float>(height) + half),
        gdiplus::SolidBrush(to_argb(glow_colour, 255)), &format);
    on_sharp.flush();

    on_shrunk.set_interpolation_mode(Gdiplus::InterpolationModeHighQualityBicubic);
    on_shrunk.set_compositing_quality(Gdiplus::CompositingQualityHighQuality);
    on_shrunk.set_pixel_offset_mode(Gdiplus::PixelOffsetModeNone);
    on_shrunk.draw_image(sharp, 0, 0, static_cast<float>(width / d), static_cast<float>(height / d));
    on_shrunk.flush();

    on_glow.set_compositing_quality(Gdiplus::CompositingQualityGammaCorrected);
    on_glow.set_interpolation_mode(Gdiplus::InterpolationModeHighQualityBicubic);
    on_glow.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
    on_glow.draw_image(shrunk, 0, 0, static_cast<float>(width), static_cast<float>(height));
    const gdiplus::SolidBrush faint(to_argb(glow_colour, kGlowCopyAlpha));
    const float down = 0.7f * static_cast<float>(d);
    for (const auto& [dx, dy] :
         {std::pair{half - 1, down}, std::pair{half + 1, down}, std::pair{half, down - 1}, std::pair{half, down + 1}})
        on_glow.draw_string(text, font, moved_box(dx, dy, width, height), faint, &format);
    on_glow.flush();

    graphics.set_smoothing_mode(Gdiplus::SmoothingModeAntiAlias);
    graphics.draw_image(glow, box.X - half, box.Y - 0.6f * static_cast<float>(d), static_cast<float>(width),
                        static_cast<float>(height));
    graphics.draw_string(text, font, target, text_brush, &format);
}

} // namespace pantrove
