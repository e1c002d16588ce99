#include "gdiplus/image.h"

#include "gdiplus/graphics.h"
#include "text/wide_text.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace pantrove::gdiplus {

using detail::record;

namespace {

// The class identifier of the installed encoder for the format; none (status UnknownImageFormat) when no
// encoder writes it.
std::optional<CLSID> encoder_for(const GUID& format) {
    UINT count = 0;
    UINT size = 0;
    if (!record(flat::GdipGetImageEncodersSize(&count, &size)))
        return std::nullopt;
    if (count > 0 && size >= count * sizeof(Gdiplus::ImageCodecInfo)) {
        // The codec records are followed by the strings they point to, all in one block.
        std::vector<Gdiplus::ImageCodecInfo> codecs(size / sizeof(Gdiplus::ImageCodecInfo) + 1);
        if (!record(flat::GdipGetImageEncoders(count, size, codecs.data())))
            return std::nullopt;
        for (UINT i = 0; i < count; ++i) {
            if (codecs[i].FormatID == format)
                return codecs[i].Clsid;
        }
    }
    record(Gdiplus::UnknownImageFormat);
    return std::nullopt;
}

} // namespace

bool Image::load_from_file(std::string_view file_name) {
    destroy();
    const std::wstring wide = widen(file_name);
    return create_with([&wide](GpImage** out) { return flat::GdipLoadImageFromFile(wide.c_str(), out); });
}

bool Image::load_from_bytes(const ByteArray& bytes) {
    return load_stream_with(bytes,
                            [](IStream* stream, GpImage** out) { return flat::GdipLoadImageFromStream(stream, out); });
}

bool Image::destroy() {
    const bool disposed = Owned::destroy();
    stream_.close();
    return disposed;
}

bool Image::save_to_file(std::string_view file_name, const GUID& format) const {
    const std::optional<CLSID> encoder = encoder_for(format);
    if (!encoder)
        return false;
    const std::wstring wide = widen(file_name);
    return record(flat::GdipSaveImageToFile(get_native(), wide.c_str(), &*encoder, nullptr));
}

ByteArray Image::save_to_bytes(std::optional<GUID> format) const {
    if (!format)
        format = raw_format();
    if (!format)
        return {};
    const std::optional<CLSID> encoder = encoder_for(*format);
    if (!encoder)
        return {};
    MemoryStream target;
    if (!target.open({})) {
        record(Gdiplus::OutOfMemory);
        return {};
    }
    if (!record(flat::GdipSaveImageToStream(get_native(), target.stream(), &*encoder, nullptr)))
        return {};
    return target.bytes();
}

unsigned Image::width() const {
    UINT width = 0;
    return record(flat::GdipGetImageWidth(get_native(), &width)) ? width : 0;
}

unsigned Image::height() const {
    UINT height = 0;
    return record(flat::GdipGetImageHeight(get_native(), &height)) ? height : 0;
}

std::optional<GUID> Image::raw_format() const {
    GUID format{};
    if (!record(flat::GdipGetImageRawFormat(get_native(), &format)))
        return std::nullopt;
    return format;
}

bool Image::rotate_flip(RotateFlipType type) {
    return record(flat::GdipImageRotateFlip(get_native(), type));
}

std::optional<std::vector<std::int32_t>> Image::frame_delays() const {
    UINT size = 0;
    if (!record(flat::GdipGetPropertyItemSize(get_native(), PropertyTagFrameDelay, &size)) ||
        size < sizeof(Gdiplus::PropertyItem))
        return std::nullopt;
    // The item's value follows it in the same block.
    std::vector<Gdiplus::PropertyItem> block(size / sizeof(Gdiplus::PropertyItem) + 1);
    Gdiplus::PropertyItem& item = block.front();
    if (!record(flat::GdipGetPropertyItem(get_native(), PropertyTagFrameDelay, size, &item)) || !item.value)
        return std::nullopt;
    std::vector<std::int32_t> delays(item.length / sizeof(std::int32_t));
    std::memcpy(delays.data(), item.value, delays.size() * sizeof(std::int32_t));
    return delays;
}

bool Bitmap::load_from_file(std::string_view file_name) {
    destroy();
    const std::wstring wide = widen(file_name);
    return create_with([&wide](GpImage** out) {
        GpBitmap* bitmap = nullptr;
        const Status status = flat::GdipCreateBitmapFromFile(wide.c_str(), &bitmap);
        *out = bitmap;
        return status;
    });
}

bool Bitmap::load_from_bytes(const ByteArray& bytes) {
    return load_stream_with(bytes, [](IStream* stream, GpImage** out) {
        GpBitmap* bitmap = nullptr;
        const Status status = flat::GdipCreateBitmapFromStream(stream, &bitmap);
        *out = bitmap;
        return status;
    });
}

bool Bitmap::create(int width, int height, PixelFormat format) {
    return create(width, height, 0, format, nullptr);
}

bool Bitmap::create(int width, int height, int stride, PixelFormat format, BYTE* pixels) {
    destroy();
    return create_with([&](GpImage** out) {
        GpBitmap* bitmap = nullptr;
        const Status status = flat::GdipCreateBitmapFromScan0(width, height, stride, format, pixels, &bitmap);
        *out = bitmap;
        return status;
    });
}

bool Bitmap::create_from_hicon(HICON icon) {
    destroy();
    return create_with([icon](GpImage** out) {
        GpBitmap* bitmap = nullptr;
        const Status status = flat::GdipCreateBitmapFromHICON(icon, &bitmap);
        *out = bitmap;
        return status;
    });
}

HBITMAP Bitmap::to_hbitmap(ARGB background) const {
    HBITMAP result = nullptr;
    return record(flat::GdipCreateHBITMAPFromBitmap(bitmap(), &result, background)) ? result : nullptr;
}

ARGB Bitmap::pixel(int x, int y) const {
    ARGB colour = 0;
    return record(flat::GdipBitmapGetPixel(bitmap(), x, y, &colour)) ? colour : 0;
}

bool Bitmap::read_pixels(std::span<std::uint32_t> argb) const {
    const UINT w = width();
    const UINT h = height();
    if (argb.size() != static_cast<std::size_t>(w) * h)
        return record(Gdiplus::InvalidParameter);
    // Locked with the caller's buffer as the target, GDI+ converts straight into it.
    Gdiplus::BitmapData data{};
    data.Width = w;
    data.Height = h;
    data.Stride = static_cast<INT>(w * sizeof(std::uint32_t));
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = argb.data();
    const Gdiplus::Rect area(0, 0, static_cast<INT>(w), static_cast<INT>(h));
    if (!record(flat::GdipBitmapLockBits(bitmap(), &area,
                                         Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                                         PixelFormat32bppARGB, &data)))
        return false;
    return record(flat::GdipBitmapUnlockBits(bitmap(), &data));
}

bool Bitmap::set_pixel(int x, int y, ARGB colour) {
    return record(flat::GdipBitmapSetPixel(bitmap(), x, y, colour));
}

bool Bitmap::set_resolution(float dpi_x, float dpi_y) {
    return record(flat::GdipBitmapSetResolution(bitmap(), dpi_x, dpi_y));
}

SizeF Bitmap::rotated_size(float width, float height, float degrees) {
    // The widest horizontal and vertical spans between opposite corners of the rotated rectangle.
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return SizeF(static_cast<float>(std::abs(width * c) + std::abs(height * s)),
                 static_cast<float>(std::abs(width * s) + std::abs(height * c)));
}

Bitmap Bitmap::rotated_copy(float degrees, std::optional<ARGB> background,
                            std::optional<Gdiplus::InterpolationMode> interpolation, std::optional<SIZE> size) const {
    const auto source_width = static_cast<float>(width());
    const auto source_height = static_cast<float>(height());
    if (source_width <= 0 || source_height <= 0)
        return {};
    if (!size) {
        const SizeF box = rotated_size(source_width, source_height, degrees);
        size = SIZE{static_cast<LONG>(box.Width), static_cast<LONG>(box.Height)};
    }
    float dpi_x = 0;
    float dpi_y = 0;
    Bitmap copy;
    if (!record(flat::GdipGetImageHorizontalResolution(get_native(), &dpi_x)) ||
        !record(flat::GdipGetImageVerticalResolution(get_native(), &dpi_y)) ||
        !copy.create(size->cx, size->cy, PixelFormat32bppARGB) || !copy.set_resolution(dpi_x, dpi_y))
        return {};
    const auto target_width = static_cast<float>(size->cx);
    const auto target_height = static_cast<float>(size->cy);
    Graphics graphics;
    // Each step is prepended, so a source point is first moved by half the size difference, then centred on
    // the origin, rotated, and moved to the centre of the target.
    const bool drawn =
        graphics.create_from_image(copy) && (!background || graphics.clear(*background)) &&
        (!interpolation || graphics.set_interpolation_mode(*interpolation)) &&
        graphics.translate_transform(target_width / 2, target_height / 2) && graphics.rotate_transform(degrees) &&
        graphics.translate_transform(-target_width / 2, -target_height / 2) &&
        graphics.translate_transform((target_width - source_width) / 2, (target_height - source_height) / 2) &&
        graphics.draw_image(*this, 0, 0, source_width, source_height);
    if (!drawn)
        return {};
    return copy;
}

} // namespace pantrove::gdiplus
