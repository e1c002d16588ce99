// The window-free part of one HTTP request: the user agent, the default header lines, the request flags and
// the reading of the response headers. fetch_page puts these around its WinINet calls.
#pragma once

#include "text/text_types.h"

#include <cstdint>
#include <string_view>

namespace pantrove {

inline constexpr std::string_view kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; KX7TL; .NET CLR 2.0.50727; .NET CLR 3.0.04506.648; "
    ".NET CLR 3.5.21022)";

// WinINet's request flags, by value so that the choice can be made and tested away from Windows.
namespace request_flag {
inline constexpr std::uint32_t kReload = 0x80000000;
inline constexpr std::uint32_t kNeedFile = 0x10;
inline constexpr std::uint32_t kNoCookies = 0x80000;
inline constexpr std::uint32_t kNoAutoRedirect = 0x200000;
inline constexpr std::uint32_t kSecure = 0x800000;
inline constexpr std::uint32_t kIgnoreRedirectToHttps = 0x4000;
} // namespace request_flag

// The agent named by a "User-Agent:" line of the caller's header text (any case), else the default one.
// A last line without CR LF is read as everything after the first colon of the whole text.
TextValue user_agent(std::string_view headers);

// Appends, each only when the header text lacks it (case-sensitive), "Referer: <url>", "Accept: */*",
// "Accept-Language: zh-cn" and "Content-Type: application/x-www-form-urlencoded", then "Cookie: <cookies>"
// when cookies is not empty. Lines are separated by CR LF, with none at the end.
void add_default_headers(TextValue& headers, std::string_view url, std::string_view cookies);

// Always reload and keep a cache file; no cookie store of WinINet's own when the caller keeps the cookies;
// secure for an "https" URL (any case), else no redirect to https.
std::uint32_t request_flags(std::string_view url, bool cookies_supplied, bool no_redirect);

struct ResponseHeaderValues {
    // The last "Location:" value, or the whole raw header text when there is none.
    TextValue location;
    // The name=value items of the "Set-Cookie" lines, joined by "; ".
    TextValue returned_cookies;
};

ResponseHeaderValues read_response_headers(std::string_view raw_headers);

} // namespace pantrove
