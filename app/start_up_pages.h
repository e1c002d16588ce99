// What the two start-up tasks read from their pages: the version page (which is also the help page) and the
// hit counter.
#pragma once

#include "text/text_types.h"

#include <optional>
#include <string_view>

namespace pantrove {

// The version page's fields, each a label followed by a value that ends at the next "-".
struct VersionFields {
    TextValue current;  // "当前版本"
    TextValue latest;   // "最新版本"
    TextValue download; // "下载地址"
};

// Reads the fields from the page body (UTF-8, percent escapes allowed); missing fields are empty.
VersionFields read_version_fields(const ByteArray& body);

// The address to open when the page announces another version than the current one; none when the two
// fields are equal (also when both are missing).
std::optional<TextValue> update_address(const VersionFields& fields);

// The hit counter's address: path /count1/count.asp with the counter id and its two display options.
TextValue counter_url(std::string_view host, std::string_view counter_id);

// The text of usage_label for the counter's answer (code page 936): "使用人数统计：" and the total that
// follows "累计访问：" up to "&#10"; nothing after the label when the marker is missing.
TextValue usage_label_text(const ByteArray& body);

} // namespace pantrove
