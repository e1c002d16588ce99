#include "web/request_text.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

TEST(UserAgent, ComesFromTheCallersLineOrIsTheDefault) {
    EXPECT_EQ(user_agent(""), kDefaultUserAgent);
    EXPECT_EQ(user_agent("Accept: */*"), kDefaultUserAgent);
    EXPECT_EQ(user_agent("user-agent:  Y \r\nAccept: */*"), "Y");
    EXPECT_EQ(user_agent("Accept: */*\r\nUSER-AGENT: Z\r\n"), "Z");
    // a single line without CR LF is read through the value of the whole text
    EXPECT_EQ(user_agent("User-Agent: X"), "X");
    EXPECT_EQ(user_agent("X-A: 1\r\nUser-Agent: Z"), "1\r\nUser-Agent: Z");
}

struct DefaultHeadersCase {
    const char* name;
    const char* headers;
    const char* cookies;
    const char* expected;
};

void PrintTo(const DefaultHeadersCase& c, std::ostream* out) {
    *out << c.name;
}

class DefaultHeadersTest : public testing::TestWithParam<DefaultHeadersCase> {};

TEST_P(DefaultHeadersTest, AreAppendedInOrderWhenMissing) {
    TextValue headers = GetParam().headers;
    add_default_headers(headers, "http://a.b/c", GetParam().cookies);
    EXPECT_EQ(headers, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultHeadersTest,
    testing::Values(
        DefaultHeadersCase{"none_given", "", "",
                           "Referer: http://a.b/c\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                           "Content-Type: application/x-www-form-urlencoded"},
        DefaultHeadersCase{"cookies_last", "X-A: 1", "k=v; m=n",
                           "X-A: 1\r\nReferer: http://a.b/c\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                           "Content-Type: application/x-www-form-urlencoded\r\nCookie: k=v; m=n"},
        DefaultHeadersCase{"all_given", "Content-Type: text/plain\r\nAccept-Language: en\r\nAccept: x/y\r\nReferer: r",
                           "", "Content-Type: text/plain\r\nAccept-Language: en\r\nAccept: x/y\r\nReferer: r"},
        // the presence tests are case-sensitive
        DefaultHeadersCase{"lower_case_referer", "referer: a", "",
                           "referer: a\r\nReferer: http://a.b/c\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                           "Content-Type: application/x-www-form-urlencoded"},
        // "Accept-Language:" does not count as "Accept:"
        DefaultHeadersCase{"language_only", "Accept-Language: en\r\nReferer: r", "",
                           "Accept-Language: en\r\nReferer: r\r\nAccept: */*\r\n"
                           "Content-Type: application/x-www-form-urlencoded"}));

TEST(RequestFlags, FollowTheSchemeCookiesAndRedirectChoice) {
    using namespace request_flag;
    const std::uint32_t base = kReload | kNeedFile;
    EXPECT_EQ(request_flags("http://a.b/", false, false), base | kIgnoreRedirectToHttps);
    EXPECT_EQ(request_flags("a.b", false, false), base | kIgnoreRedirectToHttps);
    EXPECT_EQ(request_flags("HTTPS://a.b/", false, false), base | kSecure);
    EXPECT_EQ(request_flags("hTtPs://a.b/", false, false), base | kSecure);
    EXPECT_EQ(request_flags("https://a.b/", true, true), base | kSecure | kNoCookies | kNoAutoRedirect);
    EXPECT_EQ(request_flags("http://a.b/", true, false), base | kIgnoreRedirectToHttps | kNoCookies);
    EXPECT_EQ(request_flags("", false, true), base | kIgnoreRedirectToHttps | kNoAutoRedirect);
}

TEST(ResponseHeaders, LastLocationWinsAndCookiesAreJoined) {
    const ResponseHeaderValues values = read_response_headers(
        "HTTP/1.1 302 Found\r\nLocation: /a\r\nSet-Cookie: a=1; path=/\r\nLocation: http://x/b\r\n"
        "Set-Cookie: b=2; HttpOnly\r\n\r\n");
    EXPECT_EQ(values.location, "http://x/b");
    EXPECT_EQ(values.returned_cookies, "a=1; b=2");
}

TEST(ResponseHeaders, WithoutLocationTheRawTextIsTheLocation) {
    const TextValue raw = "HTTP/1.1 200 OK\r\nX-A: 1\r\n\r\n";
    const ResponseHeaderValues values = read_response_headers(raw);
    EXPECT_EQ(values.location, raw);
    EXPECT_EQ(values.returned_cookies, "");
    EXPECT_EQ(read_response_headers("").location, "");
}

TEST(ResponseHeaders, ACookieLineWithoutSemicolonGivesAnEmptyItem) {
    EXPECT_EQ(read_response_headers("Set-Cookie: a=1; p\r\nSet-Cookie: c=3\r\nSet-Cookie: b=2;\r\n").returned_cookies,
              "a=1; ; b=2");
}

} // namespace
} // namespace pantrove
