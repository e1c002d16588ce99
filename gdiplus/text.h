// Text objects: font families, fonts and string formats. Names are code page 936 texts.
#pragma once

#include "gdiplus/object.h"
#include "text/text_types.h"

#include <string_view>

namespace pantrove::gdiplus {

using Gdiplus::FontStyle;
using Gdiplus::StringAlignment;
using Gdiplus::StringTrimming;

class FontFamily : public detail::Owned<GpFontFamily> {
public:
    FontFamily() = default;
    explicit FontFamily(std::string_view name) { create(name); }

    // Fails (FontFamilyNotFound) for a family the system does not have.
    bool create(std::string_view name);
    // The family's name in the neutral language; empty when it cannot be read.
    [[nodiscard]] TextValue name() const;

private:
    friend class Font;
};

class Font : public detail::Owned<GpFont> {
public:
    Font() = default;

    bool create(const FontFamily& family, float size, int style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitPixel);
    // Through a family made for the call and deleted after it.
    bool create(std::string_view family_name, float size, int style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitPixel);
    // The GDI font as the device context would draw it; with no font, or one whose description cannot be
    // read, the font currently selected into the device context.
    bool create_from_hdc(HDC dc, HFONT font = nullptr);

    // A new family object; empty when it cannot be read.
    [[nodiscard]] FontFamily family() const;
    // FontStyle bits; 0 when they cannot be read.
    [[nodiscard]] int style() const;
    // The em size in the font's unit; 0 when it cannot be read.
    [[nodiscard]] float size() const;
};

class StringFormat : public detail::Owned<GpStringFormat> {
public:
    StringFormat() = default;

    bool create(int flags = 0, LANGID language = LANG_NEUTRAL);
    bool set_flags(int flags);
    // Horizontal alignment (left to right text).
    bool set_align(StringAlignment alignment);
    // Vertical alignment.
    bool set_line_align(StringAlignment alignment);
    bool set_trimming(StringTrimming trimming);
};

} // namespace pantrove::gdiplus
