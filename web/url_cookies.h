// Taking a URL apart for WinINet, reading a header line's value, and merging the cookies of a response into
// the ones a caller keeps. Texts are code page 936; every result is a new text.
#pragma once

#include "text/text_types.h"

#include <string_view>
#include <vector>

namespace pantrove {

// The text after the first colon, both ends trimmed; empty when the line has no colon.
TextValue header_value(std::string_view line);

// The host in lower case; with keep_port, its colon and port follow when the URL names one. A query that
// follows the host without a "/" stays part of it ("a.b?x=1").
TextValue url_host(std::string_view url, bool keep_port = false);

// The port the URL names, else 443 for "https" and 80 for everything else.
int url_port(std::string_view url);

// The path with its query, case kept, from the first "/" after the host; "/" when there is none.
TextValue url_path(std::string_view url);

// Blanks are removed from both texts (the variables keep the blank-free texts). The result lists the new
// cookies in their order, then the old ones the new text does not name; an item whose value is "deleted"
// is dropped with its old value. Items are joined by "; "; the result is also stored into old_cookies.
TextValue merge_cookies(TextValue& old_cookies, TextValue& new_cookies);

// The part of a name=value item before its first "=", trimmed; the whole item, trimmed, without "=".
TextValue cookie_name(std::string_view item);

bool has_cookie_named(const std::vector<TextValue>& items, std::string_view name);

// The text with exact duplicate items removed, first occurrences kept in order.
TextValue remove_duplicate_items(std::string_view text, std::string_view separator);

// 1-based index of the first item equal to text, or -1.
int item_index(const std::vector<TextValue>& items, std::string_view text);

} // namespace pantrove
