#include "skin/services/decoded_pictures.h"

#include "skin/core/skin_state.h"

#include <algorithm>
#include <new>

namespace pantrove {

namespace {

// Plain memory only: it may outlive GDI+.
std::vector<std::shared_ptr<DecodedPicture>> kept_pictures;

bool in_use(const ByteArray& source) {
    if (source == skin_picture)
        return true;
    for (int number = 1; number <= window_count(); ++number) {
        const SkinnedWindow& record = *window_record(number);
        if (record.window_picture == source)
            return true;
        for (const TitleButton& button : record.title_buttons) {
            if (button.image == source || button.alt_image == source)
                return true;
        }
        for (const StatusPane& pane : record.status_panes) {
            if (pane.pane_picture == source)
                return true;
        }
    }
    return false;
}

std::shared_ptr<DecodedPicture> decode(const ByteArray& bytes) {
    gdiplus::Bitmap bitmap;
    if (!bitmap.load_from_bytes(bytes))
        return nullptr;
    const auto width = static_cast<int>(bitmap.width());
    const auto height = static_cast<int>(bitmap.height());
    if (width <= 0 || height <= 0)
        return nullptr;
    auto picture = std::make_shared<DecodedPicture>();
    picture->width = width;
    picture->height = height;
    picture->pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    if (!bitmap.read_pixels(picture->pixels))
        return nullptr;
    picture->source = bytes;
    return picture;
}

} // namespace

std::shared_ptr<DecodedPicture> decoded_picture(const ByteArray& bytes) {
    std::erase_if(kept_pictures, [](const auto& picture) { return !in_use(picture->source); });
    const auto kept = std::find_if(kept_pictures.begin(), kept_pictures.end(),
                                   [&bytes](const auto& picture) { return picture->source == bytes; });
    if (kept != kept_pictures.end())
        return *kept;
    try {
        std::shared_ptr<DecodedPicture> picture = decode(bytes);
        if (picture)
            kept_pictures.push_back(picture);
        return picture;
    } catch (const std::bad_alloc&) {
        // A picture too large to keep is not drawn; the body colour shows.
        return nullptr;
    }
}

gdiplus::Bitmap bitmap_over(DecodedPicture& picture) {
    gdiplus::Bitmap bitmap;
    bitmap.create(picture.width, picture.height, picture.width * 4, PixelFormat32bppARGB,
                  reinterpret_cast<BYTE*>(picture.pixels.data()));
    return bitmap;
}

} // namespace pantrove
