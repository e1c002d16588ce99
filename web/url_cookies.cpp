#include "web/url_cookies.h"

#include "text/runtime_text.h"
#include "text/text_encoding.h"

namespace pantrove {
namespace {

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";
constexpr std::string_view kDeleted = "=deleted";
constexpr std::string_view kItemSeparator = "; ";

bool starts_with_https(std::string_view url) {
    return rt::to_lower(rt::left(url, 5)) == "https";
}

// Where the host search of url_path may start: after the scheme when the URL opens with one, so that a
// host such as "h" or "tp" is not found inside "http://" itself.
int after_scheme(std::string_view url) {
    const TextValue head = rt::to_lower(rt::left(url, rt::length(kHttps)));
    if (head == kHttps)
        return rt::length(kHttps) + 1;
    if (head.starts_with(kHttp))
        return rt::length(kHttp) + 1;
    return 1;
}

} // namespace

TextValue header_value(std::string_view line) {
    const int colon = rt::find(line, ":");
    if (colon == -1)
        return {};
    return rt::trim(line.substr(static_cast<size_t>(colon)));
}

TextValue url_host(std::string_view url, bool keep_port) {
    TextValue s = rt::to_lower(url);
    if (!s.ends_with('/'))
        s += '/';
    std::string_view marker = kHttps;
    if (rt::left(s, rt::length(kHttps)) != kHttps) {
        if (rt::find(s, kHttp) == -1)
            s.insert(0, kHttp);
        marker = kHttp;
    }
    s = text_between(s, marker, "/");
    const int colon = rt::find(s, ":");
    if (keep_port || colon == -1)
        return s;
    return rt::left(s, colon - 1);
}

int url_port(std::string_view url) {
    const TextValue host_and_port = url_host(url, true);
    const int colon = rt::find_last(host_and_port, ":");
    if (colon == -1)
        return starts_with_https(url) ? 443 : 80;
    return rt::to_integer(std::string_view(host_and_port).substr(static_cast<size_t>(colon)));
}

TextValue url_path(std::string_view url) {
    const int host_at = rt::find(url, url_host(url), after_scheme(url), true);
    const int slash = rt::find(url, "/", host_at, true);
    if (slash <= 0)
        return "/";
    return TextValue(url.substr(static_cast<size_t>(slash - 1)));
}

TextValue merge_cookies(TextValue& old_cookies, TextValue& new_cookies) {
    old_cookies = rt::remove_blanks(old_cookies);
    new_cookies = rt::remove_blanks(new_cookies);
    std::vector<TextValue> merged = rt::split(new_cookies, ";");
    for (const TextValue& old_item : rt::split(old_cookies, ";")) {
        // merged grows here, so of several old items with one name only the first is taken
        if (!has_cookie_named(merged, cookie_name(old_item)))
            merged.push_back(old_item);
    }
    TextValue result;
    for (const TextValue& item : merged) {
        if (rt::right(item, rt::length(kDeleted)) != kDeleted)
            result += item + TextValue(kItemSeparator);
    }
    result = rt::left(result, rt::length(result) - rt::length(kItemSeparator));
    result = remove_duplicate_items(result, kItemSeparator);
    old_cookies = result;
    return result;
}

TextValue cookie_name(std::string_view item) {
    const int equals = rt::find(item, "=");
    return rt::trim(equals == -1 ? item : item.substr(0, static_cast<size_t>(equals - 1)));
}

bool has_cookie_named(const std::vector<TextValue>& items, std::string_view name) {
    for (const TextValue& item : items) {
        if (cookie_name(item) == name)
            return true;
    }
    return false;
}

TextValue remove_duplicate_items(std::string_view text, std::string_view separator) {
    std::vector<TextValue> kept;
    for (TextValue& item : rt::split(text, separator)) {
        if (item_index(kept, item) == -1)
            kept.push_back(std::move(item));
    }
    TextValue result;
    for (const TextValue& item : kept)
        result += item + TextValue(separator);
    return rt::left(result, rt::length(result) - rt::length(separator));
}

int item_index(const std::vector<TextValue>& items, std::string_view text) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text)
            return static_cast<int>(i + 1);
    }
    return -1;
}

} // namespace pantrove
