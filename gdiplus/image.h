// Images and bitmaps: loaded from files or bytes, drawn, saved as files or bytes, rotated.
#pragma once

#include "gdiplus/memory_stream.h"
#include "gdiplus/object.h"
#include "text/text_types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace pantrove::gdiplus {

using Gdiplus::PixelFormat;
using Gdiplus::RotateFlipType;

// Image format identifiers: what an encoder is looked up by, and what raw_format() reports.
namespace image_format {
inline constexpr GUID memory_bmp{0xb96b3caa, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID bmp{0xb96b3cab, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID jpeg{0xb96b3cae, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID png{0xb96b3caf, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
inline constexpr GUID gif{0xb96b3cb0, 0x0728, 0x11d3, {0x9d, 0x7b, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
} // namespace image_format

class Image : public detail::Owned<GpImage> {
public:
    Image() = default;
    Image(Image&&) = default;
    Image& operator=(Image&&) = default;
    // The image goes before the stream it may still read from.
    ~Image() { destroy(); }

    // GDI+ keeps the file open while the image lives.
    bool load_from_file(std::string_view file_name);
    // Decodes a copy of bytes kept in a memory stream until the image is destroyed: GDI+ reads lazily.
    bool load_from_bytes(const ByteArray& bytes);
    // Disposes of the image, then closes its stream. False, calling nothing, when nothing is held.
    bool destroy();

    // Encoded with the encoder of the format. False, writing nothing, when no encoder has that format.
    bool save_to_file(std::string_view file_name, const GUID& format = image_format::bmp) const;
    // Encoded with the encoder of the format, by default the image's own; empty when no encoder has it.
    [[nodiscard]] ByteArray save_to_bytes(std::optional<GUID> format = std::nullopt) const;

    // 0 when unknown.
    [[nodiscard]] unsigned width() const;
    [[nodiscard]] unsigned height() const;
    [[nodiscard]] std::optional<GUID> raw_format() const;
    bool rotate_flip(RotateFlipType type);
    // The delay of every frame (in hundredths of a second) of an animated image; empty when it has none.
    [[nodiscard]] std::optional<std::vector<std::int32_t>> frame_delays() const;

protected:
    // Loads through a GDI+ reader of a stream over a copy of bytes; the stream lives as long as the image.
    template <class Read> bool load_stream_with(const ByteArray& bytes, Read&& read) {
        destroy();
        MemoryStream stream;
        if (!stream.open(bytes))
            return detail::record(Gdiplus::OutOfMemory);
        if (!create_with([&](GpImage** out) { return read(stream.stream(), out); }))
            return false;
        stream_ = std::move(stream);
        return true;
    }

private:
    MemoryStream stream_;
};

class Bitmap : public Image {
public:
    Bitmap() = default;

    bool load_from_file(std::string_view file_name);
    bool load_from_bytes(const ByteArray& bytes);
    // A blank (transparent) bitmap.
    bool create(int width, int height, PixelFormat format = PixelFormat32bppARGB);
    // A bitmap over pixels the caller keeps: rows of stride bytes, read and written in place. They must
    // outlive the bitmap.
    bool create(int width, int height, int stride, PixelFormat format, BYTE* pixels);
    bool create_from_hicon(HICON icon);

    // A new GDI bitmap of the picture over the background colour; the caller owns it. Null on failure.
    [[nodiscard]] HBITMAP to_hbitmap(ARGB background) const;
    // 0 when the pixel cannot be read.
    [[nodiscard]] ARGB pixel(int x, int y) const;
    // Copies the whole picture as 32-bit ARGB, top row first, into argb, which holds width × height values.
    bool read_pixels(std::span<std::uint32_t> argb) const;
    bool set_pixel(int x, int y, ARGB colour);
    bool set_resolution(float dpi_x, float dpi_y);

    // A copy rotated by degrees about the centre, in a 32-bit ARGB bitmap with this one's resolution. Its
    // size is the given one, else the whole rotated picture's (rotated_size, truncated). The corners are
    // transparent unless a background colour is given. Empty on failure.
    [[nodiscard]] Bitmap rotated_copy(float degrees, std::optional<ARGB> background = std::nullopt,
                                      std::optional<Gdiplus::InterpolationMode> interpolation = std::nullopt,
                                      std::optional<SIZE> size = std::nullopt) const;
    // The size of the bounding box of a width × height rectangle rotated by degrees.
    [[nodiscard]] static SizeF rotated_size(float width, float height, float degrees);

private:
    GpBitmap* bitmap() const { return static_cast<GpBitmap*>(get_native()); }
};

} // namespace pantrove::gdiplus
