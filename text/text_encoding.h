// Percent encoding, code page conversions and the two text cutters the request and resolution code uses.
// Texts are code page 936 unless a routine says it holds UTF-8 bytes.
#pragma once

#include "text/codepage.h"
#include "text/text_types.h"

#include <string_view>

namespace pantrove {

// Every byte becomes %XX (two upper-case digits); with keep_unreserved, "-", ".", digits and ASCII letters
// stay as they are. With as_utf8 the text is converted to UTF-8 first.
TextValue url_encode(std::string_view text, bool keep_unreserved = false, bool as_utf8 = false);

// Decodes %XX escapes ("+" stays "+"); with from_utf8 the whole result is then converted from UTF-8, so this
// also turns a UTF-8 page into code page 936.
TextValue url_decode(std::string_view text, bool from_utf8 = false);

// UTF-16LE code units with the terminating zero unit; empty for an empty text.
ByteArray to_wide(std::string_view text, unsigned code_page = codepage::kUtf8);
// The units up to the first zero unit, converted to `code_page`.
TextValue from_wide(const ByteArray& utf16le, unsigned code_page = codepage::kAnsi);

TextValue gbk_to_utf8(std::string_view text);
TextValue utf8_to_gbk(std::string_view utf8);

// Marker written in place of a double quote in the markers of text_between and in regular expressions.
inline constexpr std::string_view kQuoteMarker = "#引号";

// The text between the first `left_marker` at or after `start` and the next `right_marker`; empty when
// either is missing.
TextValue text_between(std::string_view text, std::string_view left_marker, std::string_view right_marker,
                       int start = 1, bool case_sensitive = false);

// Everything after the last occurrence of `marker`; empty when it does not occur.
TextValue text_after_last(std::string_view text, std::string_view marker, bool ignore_case = false);

} // namespace pantrove
