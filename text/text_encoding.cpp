#include "text/text_encoding.h"

#include "text/runtime_text.h"

namespace pantrove {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool is_unreserved(unsigned char byte) {
    return (byte >= 0x2D && byte <= 0x39 && byte != 0x2F) || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

// The value of one escape digit. A digit outside the table counts as position -1 (value -2); a digit
// missing because the text ended counts as position 1 (value 0).
int escape_digit_value(std::string_view text, size_t pos) {
    if (pos >= text.size())
        return 0;
    char digit = text[pos];
    if (digit >= 'a' && digit <= 'z')
        digit = static_cast<char>(digit - ('a' - 'A'));
    const size_t index = kHexDigits.find(digit);
    return index == std::string_view::npos ? -2 : static_cast<int>(index);
}

} // namespace

TextValue url_encode(std::string_view text, bool keep_unreserved, bool as_utf8) {
    const TextValue source = as_utf8 ? gbk_to_utf8(text) : TextValue(text);
    TextValue out;
    out.reserve(source.size() * 3);
    for (char ch : source) {
        const auto byte = static_cast<unsigned char>(ch);
        if (keep_unreserved && is_unreserved(byte)) {
            out.push_back(ch);
        } else {
            out.push_back('%');
            out.push_back(kHexDigits[byte >> 4]);
            out.push_back(kHexDigits[byte & 15]);
        }
    }
    return out;
}

TextValue url_decode(std::string_view text, bool from_utf8) {
    TextValue out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '%') {
            out.push_back(text[pos]);
            continue;
        }
        const int value = escape_digit_value(text, pos + 1) * 16 + escape_digit_value(text, pos + 2);
        const auto byte = static_cast<unsigned char>(((value % 256) + 256) % 256);
        if (byte != 0)
            out.push_back(static_cast<char>(byte));
        pos += 2;
    }
    return from_utf8 ? utf8_to_gbk(out) : out;
}

ByteArray to_wide(std::string_view text, unsigned code_page) {
    if (text.empty())
        return {};
    const std::u16string units = codepage::to_utf16(text, code_page);
    ByteArray bytes;
    bytes.reserve(units.size() * 2 + 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

TextValue from_wide(const ByteArray& utf16le, unsigned code_page) {
    std::u16string units;
    units.reserve(utf16le.size() / 2);
    for (size_t i = 0; i + 1 < utf16le.size(); i += 2) {
        const auto unit = static_cast<char16_t>(utf16le[i] | utf16le[i + 1] << 8);
        if (unit == 0)
            break;
        units.push_back(unit);
    }
    return codepage::from_utf16(units, code_page);
}

TextValue gbk_to_utf8(std::string_view text) {
    return codepage::from_utf16(codepage::to_utf16(text, codepage::kGbk), codepage::kUtf8);
}

TextValue utf8_to_gbk(std::string_view utf8) {
    return codepage::from_utf16(codepage::to_utf16(utf8, codepage::kUtf8), codepage::kGbk);
}

TextValue text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker, int start,
                       bool case_sensitive) {
    const TextValue left = rt::replace_all(left_marker, kQuoteMarker, "\"");
    const TextValue right = rt::replace_all(right_marker, kQuoteMarker, "\"");
    int p = rt::find(text, left, start, !case_sensitive);
    if (p == -1)
        return {};
    p += rt::length(left);
    const int q = rt::find(text, right, p, !case_sensitive);
    if (q == -1)
        return {};
    return rt::mid(text, p, q - p);
}

TextValue text_after_last(std::string_view text, std::string_view marker, bool ignore_case) {
    const int p = rt::find_last(text, marker, ignore_case);
    if (p == -1)
        return {};
    return rt::right(text, rt::length(text) - rt::length(marker) - p + 1);
}

} // namespace pantrove
