#include "app/start_up_pages.h"

#include "text/runtime_text.h"
#include "text/text_encoding.h"

namespace pantrove {

VersionFields read_version_fields(const ByteArray& body) {
    const TextValue page = url_decode(rt::bytes_to_text(body), true);
    return {text_between(page, "当前版本", "-"), text_between(page, "最新版本", "-"),
            text_between(page, "下载地址", "-")};
}

std::optional<TextValue> update_address(const VersionFields& fields) {
    if (fields.current == fields.latest)
        return std::nullopt;
    return fields.download;
}

TextValue counter_url(std::string_view host, std::string_view counter_id) {
    return "http://" + TextValue(host) + "/count1/count.asp?id=" + TextValue(counter_id) + "&sx=1&ys=9";
}

TextValue usage_label_text(const ByteArray& body) {
    return "使用人数统计：" + text_between(rt::bytes_to_text(body), "累计访问：", "&#10");
}

} // namespace pantrove
