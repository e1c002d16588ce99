#include "skin/services/window_background.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/path.h"
#include "skin/core/drawing.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"

#include <algorithm>

namespace pantrove {

namespace {

constexpr gdiplus::ARGB kOutsideBody = 0xFFFF00FF;

struct BackgroundPicture {
    const ByteArray& bytes;
    int mode;
};

// A window's own picture wins over the shared one.
BackgroundPicture background_picture(const SkinnedWindow& record) {
    if (!record.window_picture.empty())
        return {record.window_picture, record.window_picture_mode};
    return {skin_picture, picture_mode};
}

// Tiles the picture along a strip of the given width, every second tile mirrored left to right so that
// neighbouring tiles meet without a seam. The mirror image is a copy: the kept pixels stay as they are.
gdiplus::Bitmap mirrored_strip(DecodedPicture& tile, int width) {
    DecodedPicture mirror{tile.width, tile.height, tile.pixels, {}};
    for (auto row = mirror.pixels.begin(); row != mirror.pixels.end(); row += mirror.width)
        std::reverse(row, row + mirror.width);
    gdiplus::Bitmap source = bitmap_over(tile);
    gdiplus::Bitmap mirrored_source = bitmap_over(mirror);
    gdiplus::Bitmap strip;
    if (!source || !mirrored_source || width <= 0 || !strip.create(width, tile.height))
        return {};
    gdiplus::Graphics graphics;
    if (!graphics.create_from_image(strip))
        return {};
    const auto tile_width = static_cast<float>(tile.width);
    const auto tile_height = static_cast<float>(tile.height);
    bool mirrored = false;
    // The decoded width is at least 1, so the loop ends.
    for (int x = 0; x < width; x += tile.width, mirrored = !mirrored)
        graphics.draw_image(mirrored ? mirrored_source : source, static_cast<float>(x), 0, tile_width, tile_height);
    graphics.destroy();
    return strip;
}

// Where the picture goes for its mode, in client coordinates.
gdiplus::RectF placement(int mode, float client_width, float client_height, float width, float height) {
    switch (mode) {
    case 1:
        return {client_width - width, 0, width, height};
    case 2:
        return {(client_width - width) / 2, (client_height - height) / 2, width, height};
    case 3:
        return {0, 0, client_width, client_height};
    default:
        return {0, 0, width, height};
    }
}

} // namespace

BackgroundBitmap load_background_bitmap(int number, const RECT& client) {
    const SkinnedWindow* record = window_record(number);
    if (!record)
        return {};
    const BackgroundPicture picture = background_picture(*record);
    if (picture.mode < 0 || picture.mode > 4 || picture.bytes.empty())
        return {};
    BackgroundBitmap result;
    result.pixels = decoded_picture(picture.bytes);
    if (!result.pixels)
        return {};
    if (picture.mode == 4) {
        result.bitmap = mirrored_strip(*result.pixels, client.right - client.left);
        result.pixels.reset();
    } else {
        result.bitmap = bitmap_over(*result.pixels);
    }
    return result;
}

void SkinObject::paint_background(gdiplus::Graphics& graphics, int number) {
    const SkinnedWindow* record = window_record(number);
    if (!record)
        return;
    graphics.clear(kOutsideBody);
    RECT client{};
    GetClientRect(record->window, &client);
    const auto width = static_cast<float>(client.right - client.left);
    const auto height = static_cast<float>(client.bottom - client.top);

    gdiplus::GraphicsPath body(Gdiplus::FillModeAlternate);
    add_round_rect(body, 0, 0, width, height, 4);
    graphics.set_clip_path(body, Gdiplus::CombineModeReplace);
    const bool own_picture = !record->window_picture.empty();
    const gdiplus::SolidBrush fill(to_argb(own_picture ? record->window_picture_colour : back_colour));
    graphics.fill_path(fill, body);

    const BackgroundBitmap picture = load_background_bitmap(number, client);
    if (picture.bitmap) {
        const auto picture_width = static_cast<float>(picture.bitmap.width());
        const auto picture_height = static_cast<float>(picture.bitmap.height());
        const gdiplus::RectF target =
            placement(background_picture(*record).mode, width, height, picture_width, picture_height);
        graphics.draw_image(picture.bitmap, target.X, target.Y, target.Width, target.Height);
    }

    if (record->caption_gloss) {
        const auto caption = static_cast<float>(record->caption_height);
        gdiplus::LinearGradientBrush gloss;
        if (gloss.create({0, 0}, {0, caption}, 0x96FFFFFF, 0x00FFFFFF))
            graphics.fill_rectangle(gloss, 0, 0, width, caption);
    }
}

} // namespace pantrove
