// fetch_page against the fake web services on 127.0.0.1: what arrives at the server, and what comes back.
#include "tests/windows/fake_services.h"
#include "text/runtime_text.h"
#include "text/text_encoding.h"
#include "web/fetch_page.h"
#include "web/request_text.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pantrove {
namespace {

using test::FakeSession;
using test::LoggedRequest;

std::string text_of(const ByteArray& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The values of every header line of the request with this name (any case), in order.
std::vector<std::string> header_values(const LoggedRequest& request, std::string_view name) {
    std::vector<std::string> values;
    for (const std::string& line : request.header_lines) {
        const size_t colon = line.find(':');
        if (colon != std::string::npos && rt::to_lower(line.substr(0, colon)) == rt::to_lower(name))
            values.push_back(rt::trim(line.substr(colon + 1)));
    }
    return values;
}

// After a request that got no answer: no status line, nothing left of the values given before.
void expect_no_response_headers(const FetchOptions& options) {
    EXPECT_EQ(options.raw_headers.find("HTTP/"), std::string::npos) << options.raw_headers;
    EXPECT_EQ(options.raw_headers.find("stale"), std::string::npos) << options.raw_headers;
    EXPECT_EQ(options.location, options.raw_headers);
}

class FetchPageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(test::fake_services_port(), 0) << "the fake services are not running"; }

    std::string host() const { return "127.0.0.1:" + std::to_string(test::fake_services_port()); }

    FakeSession session;
};

TEST_F(FetchPageTest, AUrlAloneSendsTheDefaultAgentAndHeaderLinesInOrder) {
    const std::string url = session.url("echo?q=1");
    const ByteArray body = fetch_page(url);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].request_line, "GET " + session.path("echo?q=1") + " HTTP/1.1");
    EXPECT_EQ(log[0].header_lines, (std::vector<std::string>{
                                       "Host: " + host(),
                                       "User-Agent: " + std::string(kDefaultUserAgent),
                                       "Referer: " + url,
                                       "Accept: */*",
                                       "Accept-Language: zh-cn",
                                       "Content-Type: application/x-www-form-urlencoded",
                                   }));
    EXPECT_EQ(log[0].body, "");
    EXPECT_EQ(test::parse_request(text_of(body)).header_lines, log[0].header_lines);
}

TEST_F(FetchPageTest, WritesBackTheHeadersAndTheRawResponseHeaders) {
    FetchOptions options;
    options.headers = "X-Mine: 1";
    const ByteArray body = fetch_page(session.url("headers?X-Fake=yes"), options);

    EXPECT_EQ(text_of(body), "headers");
    EXPECT_EQ(options.headers, "X-Mine: 1\r\nReferer: " + session.url("headers?X-Fake=yes") +
                                   "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"
                                   "Content-Type: application/x-www-form-urlencoded");
    EXPECT_TRUE(options.raw_headers.starts_with("HTTP/1.1 200 OK\r\n")) << options.raw_headers;
    EXPECT_NE(options.raw_headers.find("\r\nX-Fake: yes\r\n"), std::string::npos) << options.raw_headers;
    EXPECT_EQ(options.location, options.raw_headers);
    EXPECT_EQ(options.returned_cookies, "");
    EXPECT_FALSE(options.cookies.has_value());
    ASSERT_EQ(session.log().size(), 1u);
    EXPECT_EQ(session.log()[0].header_lines[2], "X-Mine: 1");
}

struct BodyCase {
    const char* name;
    int method;
    std::string post_text;
    ByteArray post_bytes;
    const char* verb;
    std::string sent;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
    *out << c.name;
}

class FetchPageBodyTest : public FetchPageTest, public testing::WithParamInterface<BodyCase> {};

TEST_P(FetchPageBodyTest, SendsTheBodyAndWritesBackItsBytes) {
    const BodyCase& c = GetParam();
    FetchOptions options;
    options.method = c.method;
    options.post_text = c.post_text;
    options.post_bytes = c.post_bytes;
    fetch_page(session.url("echo"), options);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].request_line, c.verb + (" " + session.path("echo")) + " HTTP/1.1");
    EXPECT_EQ(log[0].body, c.sent);
    const ByteArray expected_bytes = c.method == 0 ? c.post_bytes : rt::text_to_bytes(c.sent);
    EXPECT_EQ(options.post_bytes, expected_bytes);
    if (c.method != 0) {
        EXPECT_EQ(header_values(log[0], "Content-Length"), std::vector<std::string>{std::to_string(c.sent.size())});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FetchPageBodyTest,
    testing::Values(
        BodyCase{"post_text_fills_post_bytes", 1, "x=1", {}, "POST", "x=1"},
        BodyCase{"post_bytes_win_over_text", 1, "ignored", {'a', 0, 'b', 0xFF}, "POST", std::string("a\0b\xFF", 4)},
        BodyCase{"other_methods_send_a_body_with_get", 2, "k=v", {}, "GET", "k=v"},
        BodyCase{"method_0_sends_no_body", 0, "x=1", {}, "GET", ""}, BodyCase{"empty_post", 1, "", {}, "POST", ""}));

struct AgentCase {
    const char* name;
    const char* headers;
    std::string agent;
};

void PrintTo(const AgentCase& c, std::ostream* out) {
    *out << c.name;
}

class FetchPageAgentTest : public FetchPageTest, public testing::WithParamInterface<AgentCase> {};

TEST_P(FetchPageAgentTest, SendsTheAgentOfTheCallersLine) {
    FetchOptions options;
    options.headers = GetParam().headers;
    fetch_page(session.url("echo"), options);
    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(header_values(log[0], "User-Agent"), std::vector<std::string>{GetParam().agent});
}

INSTANTIATE_TEST_SUITE_P(Cases, FetchPageAgentTest,
                         testing::Values(AgentCase{"default", "", std::string(kDefaultUserAgent)},
                                         AgentCase{"single_line_without_crlf", "User-Agent: X", "X"},
                                         AgentCase{"lower_case_line", "user-agent: Y\r\nX-A: 1", "Y"}));

TEST_F(FetchPageTest, KeepsTheCallersRefererAndAddsOneToALowerCaseLine) {
    FetchOptions kept;
    kept.headers = "Referer: a";
    fetch_page(session.url("echo"), kept);
    FetchOptions added;
    added.headers = "referer: a";
    fetch_page(session.url("echo"), added);

    EXPECT_EQ(rt::find(kept.headers, "Referer:"), 1);
    EXPECT_EQ(rt::find(kept.headers, "Referer:", 2), -1);
    EXPECT_EQ(rt::find(added.headers, "referer: a\r\nReferer: " + session.url("echo")), 1);
    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(header_values(log[0], "Referer"), std::vector<std::string>{"a"});
    // WinINet lets a later line replace an earlier one of the same name in any case
    EXPECT_EQ(header_values(log[1], "Referer"), std::vector<std::string>{session.url("echo")});
}

TEST_F(FetchPageTest, TheLastLocationLineIsTheLocation) {
    FetchOptions options;
    fetch_page(session.url("headers?Location=/a&Location=http://x/b"), options);
    EXPECT_EQ(options.location, "http://x/b");
    EXPECT_NE(options.raw_headers.find("Location: /a\r\n"), std::string::npos) << options.raw_headers;

    // the same options again, for an answer without Location: nothing of the first one stays
    options.headers.clear();
    fetch_page(session.url("headers?Set-Cookie=k%3Dv"), options);
    EXPECT_EQ(options.location, options.raw_headers);
    EXPECT_EQ(options.raw_headers.find("Location:"), std::string::npos) << options.raw_headers;
    // a Set-Cookie line without ";" gives an empty item
    EXPECT_EQ(options.returned_cookies, "");
}

TEST_F(FetchPageTest, SetCookieLinesBecomeTheReturnedCookies) {
    // the session's path keeps WinINet's own cookie store clean for other tests of the same process
    const std::string path = url_encode(session.path(""));
    FetchOptions options;
    fetch_page(session.url("headers?Set-Cookie=a%3D1%3B%20path%3D" + path + "&Set-Cookie=b%3D2%3B%20HttpOnly"),
               options);
    EXPECT_EQ(options.returned_cookies, "a=1; b=2");
    EXPECT_FALSE(options.cookies.has_value());
}

TEST_F(FetchPageTest, SuppliedCookiesAreSentLastAndMergedWithTheReturnedOnes) {
    FetchOptions options;
    options.cookies = "a=1; b=2; c=3";
    fetch_page(session.url("headers?Set-Cookie=a%3D9%3B%20path%3D%2F&Set-Cookie=c%3Ddeleted%3B%20path%3D%2F"), options);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].header_lines.back(), "Cookie: a=1; b=2; c=3");
    EXPECT_EQ(options.cookies, "a=9; b=2");
    // the merge takes the blanks out of the returned cookies as well
    EXPECT_EQ(options.returned_cookies, "a=9;c=deleted");
}

TEST_F(FetchPageTest, SuppliedCookiesSwitchWinInetsCookieStoreOff) {
    fetch_page(session.url("headers?Set-Cookie=w%3D1%3B%20path%3D" + session.path("")));
    fetch_page(session.url("echo"));
    FetchOptions mine;
    mine.cookies = "c=5";
    fetch_page(session.url("echo"), mine);
    FetchOptions none;
    none.cookies = "";
    fetch_page(session.url("echo"), none);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(header_values(log[1], "Cookie"), std::vector<std::string>{"w=1"});
    EXPECT_EQ(header_values(log[2], "Cookie"), std::vector<std::string>{"c=5"});
    EXPECT_EQ(header_values(log[3], "Cookie"), std::vector<std::string>{});
    EXPECT_EQ(none.cookies, "");
}

TEST_F(FetchPageTest, FollowsARedirect) {
    FetchOptions options;
    const ByteArray body = fetch_page(session.url("redirect?to=echo"), options);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[1].request_line, "GET " + session.path("echo") + " HTTP/1.1");
    EXPECT_EQ(test::parse_request(text_of(body)).request_line, log[1].request_line);
    EXPECT_TRUE(options.raw_headers.starts_with("HTTP/1.1 200")) << options.raw_headers;
    EXPECT_EQ(options.location, options.raw_headers);
}

TEST_F(FetchPageTest, WithNoRedirectReturnsTheRedirectItself) {
    FetchOptions options;
    options.no_redirect = true;
    const ByteArray body = fetch_page(session.url("redirect?to=echo"), options);

    EXPECT_EQ(session.log().size(), 1u);
    EXPECT_EQ(text_of(body), "moved");
    EXPECT_EQ(options.location, session.path("echo"));
    EXPECT_TRUE(options.raw_headers.starts_with("HTTP/1.1 302")) << options.raw_headers;
}

TEST_F(FetchPageTest, GoesThroughTheProxyWhenOneIsGiven) {
    FetchOptions options;
    options.proxy = host();
    const std::string url = "http://pantrove.invalid" + session.path("echo?k=v");
    const ByteArray body = fetch_page(url, options);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    // wine's WinINet names the port in the absolute address
    const std::string with_port = "http://pantrove.invalid:80" + session.path("echo?k=v");
    EXPECT_TRUE(log[0].request_line == "GET " + url + " HTTP/1.1" ||
                log[0].request_line == "GET " + with_port + " HTTP/1.1")
        << log[0].request_line;
    EXPECT_EQ(header_values(log[0], "Host"), std::vector<std::string>{"pantrove.invalid"});
    EXPECT_EQ(header_values(log[0], "Referer"), std::vector<std::string>{url});
    EXPECT_EQ(test::parse_request(text_of(body)).request_line, log[0].request_line);
}

// Every double-byte character of code page 936 has a lead byte 0x81..0xFE and a trail byte 0x40..0xFE.
std::string high_bytes() {
    std::string bytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        bytes += static_cast<char>(byte);
    return bytes + "\x81\x40\xD6\xD0";
}

TEST_F(FetchPageTest, SendsTheBytesOfUrlAndHeadersAsGiven) {
    FetchOptions options;
    options.headers = "X-Name: " + high_bytes();
    fetch_page(session.url("echo?k=" + high_bytes()), options);

    const std::vector<LoggedRequest> log = session.log();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].request_line, "GET " + session.path("echo?k=" + high_bytes()) + " HTTP/1.1");
    EXPECT_EQ(header_values(log[0], "X-Name"), std::vector<std::string>{high_bytes()});
}

TEST_F(FetchPageTest, KeepsResponseHeadersLongerThanTheFirstBuffer) {
    FetchOptions options;
    // 30 lines of 1000 bytes; WinINet itself keeps no more than about 4 KB of one line
    fetch_page(session.url("big-headers?lines=30&bytes=1000"), options);
    for (int line = 1; line <= 30; ++line) {
        const std::string expected = "\r\nX-Big-" + std::to_string(line) + ": " + std::string(1000, 'b') + "\r\n";
        EXPECT_NE(options.raw_headers.find(expected), std::string::npos) << "line " << line;
    }
    EXPECT_TRUE(options.raw_headers.ends_with("\r\n\r\n"));
    EXPECT_EQ(options.location, options.raw_headers);
}

struct StreamCase {
    std::size_t sent;
    std::size_t received;
};

void PrintTo(const StreamCase& c, std::ostream* out) {
    *out << c.sent << "_bytes";
}

class FetchPageStreamTest : public FetchPageTest, public testing::WithParamInterface<StreamCase> {};

TEST_P(FetchPageStreamTest, ReadsTheBodyUpToTheCap) {
    const ByteArray body = fetch_page(session.url("stream?bytes=" + std::to_string(GetParam().sent)));
    ASSERT_EQ(body.size(), GetParam().received);
    for (std::size_t at : {std::size_t{0}, body.size() / 2, body.size() - 1})
        EXPECT_EQ(body[at], 'a' + at % (1 << 16) % 26) << "at " << at;
}

INSTANTIATE_TEST_SUITE_P(Cases, FetchPageStreamTest,
                         testing::Values(StreamCase{1, 1}, StreamCase{100003, 100003},
                                         StreamCase{kFetchBodyCap, kFetchBodyCap},
                                         StreamCase{kFetchBodyCap + 3 * 1024 * 1024 + 5, kFetchBodyCap}));

TEST_F(FetchPageTest, ASilentServerAnswersWithTheEmptyBodyAfterTheTimeLimit) {
    FetchOptions options;
    options.location = "stale";
    options.raw_headers = "stale";
    const ByteArray body = fetch_page(session.url("silent"), options);
    EXPECT_TRUE(body.empty());
    EXPECT_EQ(session.log().size(), 1u);
    expect_no_response_headers(options);
}

TEST_F(FetchPageTest, AHostThatNeverAcceptsAnswersWithTheEmptyBody) {
    const std::string port = test::plain_get("/__stalled-port");
    ASSERT_FALSE(port.empty());
    FetchOptions options;
    options.raw_headers = "before";
    EXPECT_TRUE(fetch_page("http://127.0.0.1:" + port + "/x", options).empty());
    EXPECT_EQ(options.raw_headers, "before");
    // the thread left waiting for the connection does not stand in the way of the next request
    EXPECT_EQ(text_of(fetch_page(session.url("headers"))), "headers");
}

TEST_F(FetchPageTest, AServerThatNeverReadsTheBodyAnswersWithTheEmptyBody) {
    FetchOptions options;
    options.method = 1;
    options.post_bytes.assign(64 * 1024 * 1024, 'p');
    options.location = "stale";
    options.raw_headers = "stale";
    EXPECT_TRUE(fetch_page(session.url("silent"), options).empty());
    EXPECT_EQ(session.log().size(), 1u);
    // WinINet's send limit ended it: the request was made and its (missing) headers were read
    expect_no_response_headers(options);
}

TEST_F(FetchPageTest, AMissingServerAnswersWithTheEmptyBody) {
    FetchOptions options;
    options.location = "stale";
    options.raw_headers = "stale";
    EXPECT_TRUE(fetch_page("http://127.0.0.1:" + std::to_string(test::unused_port()) + "/x", options).empty());
    expect_no_response_headers(options);
}

TEST_F(FetchPageTest, AnUnusablePortMakesNoRequestAndLeavesTheOptionsAlone) {
    FetchOptions options;
    options.returned_cookies = "r";
    options.location = "l";
    options.raw_headers = "h";
    options.method = 1;
    options.post_text = "x=1";
    EXPECT_TRUE(fetch_page("http://127.0.0.1:70000/x", options).empty());
    EXPECT_EQ(options.headers, "");
    EXPECT_EQ(options.post_bytes, ByteArray{});
    EXPECT_EQ(options.returned_cookies, "r");
    EXPECT_EQ(options.location, "l");
    EXPECT_EQ(options.raw_headers, "h");
}

class FetchPageBadUrlTest : public testing::TestWithParam<const char*> {};

TEST_P(FetchPageBadUrlTest, GivesTheEmptyBody) {
    EXPECT_TRUE(fetch_page(GetParam()).empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, FetchPageBadUrlTest,
                         testing::Values("", "http://", "https://", "://", "http://127.0.0.1:99999/x",
                                         "http://127.0.0.1:-5/x", "http://127.0.0.1:abc/x", "\xFF\xFE\x81"));

TEST_F(FetchPageTest, AnHttpsUrlOfAnyCaseSpeaksTls) {
    for (const char* scheme : {"https://", "HTTPS://"}) {
        EXPECT_TRUE(fetch_page(scheme + host() + session.path("tls")).empty());
    }
    const std::vector<LoggedRequest> plain = test::read_log("");
    const auto hellos = std::count_if(plain.begin(), plain.end(), [](const LoggedRequest& r) {
        return !r.request_line.empty() && r.request_line[0] == '\x16';
    });
    EXPECT_GE(hellos, 2);
    EXPECT_TRUE(session.log().empty());
}

} // namespace
} // namespace pantrove
