#include "gdiplus/text.h"

#include "text/wide_text.h"

namespace pantrove::gdiplus {

using detail::record;

bool FontFamily::create(std::string_view name) {
    const std::wstring wide = widen(name);
    return create_with(
        [&wide](GpFontFamily** out) { return flat::GdipCreateFontFamilyFromName(wide.c_str(), nullptr, out); });
}

TextValue FontFamily::name() const {
    WCHAR buffer[LF_FACESIZE] = {};
    if (!record(flat::GdipGetFamilyName(get_native(), buffer, LANG_NEUTRAL)))
        return {};
    return narrow(buffer);
}

bool Font::create(const FontFamily& family, float size, int style, Gdiplus::Unit unit) {
    return create_with([&](GpFont** out) { return flat::GdipCreateFont(family.get_native(), size, style, unit, out); });
}

bool Font::create(std::string_view family_name, float size, int style, Gdiplus::Unit unit) {
    const FontFamily family(family_name);
    if (!family) {
        const Status status = last_status();
        return create_with([status](GpFont**) { return status; });
    }
    return create(family, size, style, unit);
}

bool Font::create_from_hdc(HDC dc, HFONT font) {
    LOGFONTW description{};
    if (font && GetObjectW(font, sizeof description, &description) == sizeof description)
        return create_with([&](GpFont** out) { return flat::GdipCreateFontFromLogfontW(dc, &description, out); });
    return create_with([dc](GpFont** out) { return flat::GdipCreateFontFromDC(dc, out); });
}

FontFamily Font::family() const {
    FontFamily family;
    GpFontFamily* handle = nullptr;
    if (record(flat::GdipGetFamily(get_native(), &handle)))
        family.set_native(handle);
    return family;
}

int Font::style() const {
    INT style = 0;
    return record(flat::GdipGetFontStyle(get_native(), &style)) ? style : 0;
}

float Font::size() const {
    float size = 0;
    return record(flat::GdipGetFontSize(get_native(), &size)) ? size : 0;
}

bool StringFormat::create(int flags, LANGID language) {
    return create_with(
        [flags, language](GpStringFormat** out) { return flat::GdipCreateStringFormat(flags, language, out); });
}

bool StringFormat::set_flags(int flags) {
    return record(flat::GdipSetStringFormatFlags(get_native(), flags));
}

bool StringFormat::set_align(StringAlignment alignment) {
    return record(flat::GdipSetStringFormatAlign(get_native(), alignment));
}

bool StringFormat::set_line_align(StringAlignment alignment) {
    return record(flat::GdipSetStringFormatLineAlign(get_native(), alignment));
}

bool StringFormat::set_trimming(StringTrimming trimming) {
    return record(flat::GdipSetStringFormatTrimming(get_native(), trimming));
}

} // namespace pantrove::gdiplus
