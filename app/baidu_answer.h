// The window-free part of the Baidu resolution: the resolver request and the reading of its answer.
#pragma once

#include "text/text_types.h"

#include <string_view>
#include <vector>

namespace pantrove {

// "http://" + host + "/sharelinks?shareurl=" + the link's UTF-8 bytes, every one %XX-escaped, + "&pass=" +
// the password as it is (not encoded: an "&" in it splits the query).
TextValue baidu_request_url(std::string_view host, std::string_view link, std::string_view password);

struct BaiduAnswer {
    TextValue status;             // the text for status_label once the links are listed
    std::vector<TextValue> links; // one row each, in the answer's order, spelled as the answer spells them
};

// Reads the resolver's answer: the body up to its first zero byte, decoded from UTF-8 with its percent
// escapes; a refusal when it contains "处理请求时遇到错误"; otherwise the quoted strings between the first
// ":[" and the next "]}}". The status follows the cut alone: a list part without quoted strings gives the
// success text and no links. (The quoted-string search reads each character a few times at most, so the
// regular-expression engine never gives up on it, whatever the answer.)
BaiduAnswer read_baidu_answer(const ByteArray& body);

} // namespace pantrove
