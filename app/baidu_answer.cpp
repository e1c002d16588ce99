#include "app/baidu_answer.h"

#include "app/result_messages.h"
#include "text/regex_object.h"
#include "text/runtime_text.h"
#include "text/text_encoding.h"

namespace pantrove {

TextValue baidu_request_url(std::string_view host, std::string_view link, std::string_view password) {
    return "http://" + TextValue(host) + "/sharelinks?shareurl=" + url_encode(link, false, true) +
           "&pass=" + TextValue(password);
}

BaiduAnswer read_baidu_answer(const ByteArray& body) {
    const TextValue text = url_decode(rt::bytes_to_text(body), true);
    if (rt::find(text, "处理请求时遇到错误") != -1)
        return {TextValue(kRefusedStatus), {}};

    const TextValue cut = text_between(text, ":[", "]}}");
    BaiduAnswer answer{TextValue(cut.empty() ? kFailedStatus : kResolvedStatus), {}};
    RegexObject regex;
    regex.execute("\"(.*?)\"", cut);
    const int count = regex.match_count();
    answer.links.reserve(static_cast<size_t>(count));
    for (int match = 1; match <= count; ++match)
        answer.links.push_back(regex.submatch_text(match, 1));
    return answer;
}

} // namespace pantrove
