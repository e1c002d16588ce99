// Basic operations on code page 936 texts and byte blocks. Positions are 1-based byte positions; a search
// that finds nothing gives -1 and never matches at the second byte of a double-byte character. Every
// operation runs in time linear in its input.
#pragma once

#include "text/text_types.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace pantrove::rt {

// True for a byte that opens a double-byte character of code page 936.
constexpr bool is_lead_byte(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}

int length(std::string_view text);
TextValue left(std::string_view text, int n);
TextValue right(std::string_view text, int n);
TextValue mid(std::string_view text, int start, int n);

// First match at or after `start` (below 1 counts as 1). An empty `search` gives 1 for a non-empty text.
int find(std::string_view text, std::string_view search, int start = 1, bool ignore_case = false);
int find_last(std::string_view text, std::string_view search, bool ignore_case = false);

TextValue replace_all(std::string_view text, std::string_view old_text, std::string_view new_text,
                      bool case_sensitive = true);

// The items between separators, empty ones included; the last one only when it is not empty.
std::vector<TextValue> split(std::string_view text, std::string_view separator);

// A blank is the byte 0x20 or the full-width blank 0xA1 0xA1; tabs and line breaks are not blanks.
TextValue trim(std::string_view text);
TextValue remove_blanks(std::string_view text);

// A-Z only; double-byte characters are left alone.
TextValue to_lower(std::string_view text);

TextValue to_text(long long number);
// Leading blanks, an optional sign and the digits that follow; 0 when there are none. Saturates at the
// int32 limits.
int to_integer(std::string_view text);
// Upper case, no leading zeros.
TextValue hex_text(std::uint8_t byte);
// A one-byte text; code 0 gives the empty text.
TextValue char_from_code(std::uint8_t code);

ByteArray text_to_bytes(std::string_view text);
// The bytes up to the first zero byte.
TextValue bytes_to_text(const ByteArray& bytes);
ByteArray blank_bytes(int n);
TextValue blank_text(int n);

} // namespace pantrove::rt
