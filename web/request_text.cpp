#include "web/request_text.h"

#include "text/runtime_text.h"
#include "text/text_encoding.h"
#include "web/url_cookies.h"

namespace pantrove {
namespace {

constexpr std::string_view kCrLf = "\r\n";

bool contains(std::string_view text, std::string_view search) {
    return rt::find(text, search) != -1;
}

void append_line(TextValue& headers, std::string_view line) {
    headers += kCrLf;
    headers += line;
}

} // namespace

TextValue user_agent(std::string_view headers) {
    if (rt::find(headers, "User-Agent:", 1, true) == -1)
        return TextValue(kDefaultUserAgent);
    TextValue agent = rt::trim(text_between(headers, "User-Agent:", kCrLf));
    if (agent.empty())
        agent = header_value(headers);
    return agent;
}

void add_default_headers(TextValue& headers, std::string_view url, std::string_view cookies) {
    if (!contains(headers, "Referer:")) {
        const TextValue referer = "Referer: " + TextValue(url);
        if (headers.empty())
            headers = referer;
        else
            append_line(headers, referer);
    }
    if (!contains(headers, "Accept:"))
        append_line(headers, "Accept: */*");
    if (!contains(headers, "Accept-Language:"))
        append_line(headers, "Accept-Language: zh-cn");
    if (!contains(headers, "Content-Type:"))
        append_line(headers, "Content-Type: application/x-www-form-urlencoded");
    if (!cookies.empty())
        append_line(headers, "Cookie: " + TextValue(cookies));
}

std::uint32_t request_flags(std::string_view url, bool cookies_supplied, bool no_redirect) {
    std::uint32_t flags = request_flag::kReload | request_flag::kNeedFile;
    if (cookies_supplied)
        flags |= request_flag::kNoCookies;
    if (no_redirect)
        flags |= request_flag::kNoAutoRedirect;
    if (rt::to_lower(rt::left(url, 5)) == "https")
        flags |= request_flag::kSecure;
    else
        flags |= request_flag::kIgnoreRedirectToHttps;
    return flags;
}

ResponseHeaderValues read_response_headers(std::string_view raw_headers) {
    ResponseHeaderValues values;
    for (const TextValue& line : rt::split(raw_headers, kCrLf)) {
        if (contains(line, "Location:"))
            values.location = header_value(line);
        if (contains(line, "Set-Cookie"))
            values.returned_cookies += rt::trim(text_between(line, "Set-Cookie:", ";")) + "; ";
    }
    values.returned_cookies = rt::left(values.returned_cookies, rt::length(values.returned_cookies) - 2);
    if (values.location.empty())
        values.location = TextValue(raw_headers);
    return values;
}

} // namespace pantrove
