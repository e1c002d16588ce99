#include "skin/services/skin_picture.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <random>

namespace pantrove {

namespace {

constexpr int kSamples = 2000;
// A fixed start for the sample positions: one picture always gives one colour, so switching back to a
// picture gives back its body colour exactly.
constexpr unsigned kSampleSeed = 20130517;

template <class Picture> bool load_picture(Picture& image, std::string_view file_name, const ByteArray& picture) {
    return file_name.empty() ? image.load_from_bytes(picture) : image.load_from_file(file_name);
}

// Fills the band with a gradient from `from` at `start` to `to` at `end`. A band without width is skipped:
// GDI+ refuses a gradient between equal points.
void fill_band(gdiplus::Graphics& graphics, gdiplus::PointF start, gdiplus::PointF end, gdiplus::ARGB from,
               gdiplus::ARGB to, const gdiplus::RectF& band) {
    gdiplus::LinearGradientBrush brush;
    if (brush.create(start, end, from, to))
        graphics.fill_rectangle(brush, band);
}

// Every visible skinned window is rendered again at once, through its own WM_PAINT, so that its composed image
// is current before its controls, invalidated here, repaint from it.
void rerender_visible_windows() {
    for (int number = 1; number <= window_count(); ++number) {
        SkinnedWindow& record = *window_record(number);
        HWND window = record.window;
        if (!IsWindowVisible(window))
            continue;
        record.needs_render = true;
        InvalidateRect(window, nullptr, FALSE);
        for (HWND child = FindWindowExW(window, nullptr, nullptr, nullptr); child;
             child = FindWindowExW(window, child, nullptr, nullptr)) {
            if (IsWindowVisible(child))
                InvalidateRect(child, nullptr, TRUE);
        }
        record.header_list.for_each([](HeaderEntry& header) {
            if (header.handle)
                InvalidateRect(header.handle, nullptr, FALSE);
        });
        UpdateWindow(window);
    }
}

} // namespace

COLORREF average_colour(std::string_view file_name, const ByteArray& picture) {
    unsigned long red = 0, green = 0, blue = 0;
    gdiplus::Bitmap bitmap;
    if (load_picture(bitmap, file_name, picture)) {
        const auto width = static_cast<int>(bitmap.width());
        const auto height = static_cast<int>(bitmap.height());
        if (width > 0 && height > 0) {
            std::minstd_rand random(kSampleSeed);
            std::uniform_int_distribution<int> column(0, width - 1);
            std::uniform_int_distribution<int> row(0, height - 1);
            for (int i = 0; i < kSamples; ++i) {
                const int x = column(random);
                const gdiplus::ARGB pixel = bitmap.pixel(x, row(random));
                red += (pixel >> 16) & 0xFF;
                green += (pixel >> 8) & 0xFF;
                blue += pixel & 0xFF;
            }
        }
    }
    const auto mean = [](unsigned long sum) { return static_cast<BYTE>((sum + kSamples / 2) / kSamples); };
    return 0xFF000000 | RGB(mean(red), mean(green), mean(blue));
}

ByteArray prepare_picture(std::string_view file_name, const ByteArray& picture, COLORREF fade_colour,
                          FadeDirection direction) {
    gdiplus::Image image;
    if (!load_picture(image, file_name, picture))
        return {};
    const auto w = static_cast<int>(image.width());
    const auto h = static_cast<int>(image.height());
    gdiplus::Bitmap canvas;
    if (w <= 0 || h <= 0 || !canvas.create(w, h, PixelFormat32bppARGB))
        return {};
    {
        gdiplus::Graphics graphics;
        if (!graphics.create_from_image(canvas))
            return {};
        graphics.set_compositing_quality(Gdiplus::CompositingQualityGammaCorrected);
        const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
        graphics.draw_image(image, 0, 0, fw, fh);
        // The bottom band is as deep as the side band is wide: 30 % of the width.
        const int a = w * 3 / 10;
        const auto fa = static_cast<float>(a);
        const gdiplus::ARGB opaque = to_argb(fade_colour, 255);
        if (direction == FadeDirection::Right) {
            fill_band(graphics, {fw - fa, 0}, {fw, 0}, 0x00FFFFFF, opaque, {fw - fa + 1, 0, fa, fh});
        } else {
            fill_band(graphics, {0, 0}, {fa, 0}, opaque, 0x00FFFFFF, {0, 0, fa, fh});
        }
        fill_band(graphics, {0, fh - fa}, {0, fh}, to_argb(fade_colour, 0), opaque, {0, fh - fa + 1, fw, fa});
    }
    return canvas.save_to_bytes(gdiplus::image_format::png);
}

ByteArray picture_for_mode(std::string_view file_name, const ByteArray& picture, COLORREF fade_colour, int mode) {
    if (mode == 0 || mode == 1)
        return prepare_picture(file_name, picture, fade_colour, mode == 0 ? FadeDirection::Right : FadeDirection::Left);
    if (file_name.empty())
        return picture;
    gdiplus::Image image;
    if (!image.load_from_file(file_name))
        return {};
    return image.save_to_bytes(gdiplus::image_format::png);
}

void SkinObject::set_skin_picture(std::optional<std::string_view> file_name, const ByteArray& picture,
                                  std::optional<COLORREF> back, std::optional<COLORREF> theme,
                                  std::optional<int> mode) {
    const bool theme_from_back = theme == kThemeFromBack;
    if (!theme_from_back)
        theme_colour = theme.value_or(kDefaultThemeColour);
    const std::string_view file = file_name.value_or(std::string_view{});
    if (picture.empty() && !back && file.empty())
        return;
    if (!file.empty() || !picture.empty()) {
        // A named file wins: the bytes are not looked at.
        const ByteArray no_bytes;
        const ByteArray& bytes = file.empty() ? picture : no_bytes;
        back_colour = back ? *back : average_colour(file, bytes);
        picture_mode = mode.value_or(4);
        skin_picture = picture_for_mode(file, bytes, back_colour, picture_mode);
    } else {
        skin_picture.clear();
        back_colour = *back;
    }
    if (theme_from_back)
        theme_colour = back_colour;
    rerender_visible_windows();
}

void SkinObject::set_control_options(int skin_controls, std::optional<int> alpha, int trackbar) {
    skin_controls_enabled = skin_controls;
    control_alpha = alpha.value_or(160);
    transparent_controls = alpha ? 1 : 0;
    trackbar_style = trackbar;
}

bool SkinObject::set_window_picture(HWND window, const ByteArray& picture, std::optional<int> mode) {
    SkinnedWindow* record = window_record(props::get_int(window, props::kOwnNumber));
    // A control's own number counts in its family list: it must not pick a window record.
    if (!record || record->window != window || picture.empty())
        return false;
    if (mode)
        record->window_picture_mode = *mode;
    record->window_picture_colour = average_colour({}, picture);
    record->window_picture = picture_for_mode({}, picture, record->window_picture_colour, record->window_picture_mode);
    record->needs_render = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

COLORREF SkinObject::get_back_colour() const {
    return back_colour;
}

} // namespace pantrove
