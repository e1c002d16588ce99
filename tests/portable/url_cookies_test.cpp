#include "web/url_cookies.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

struct UrlCase {
    const char* url;
    const char* host;
    const char* host_with_port;
    int port;
    const char* path;
};

void PrintTo(const UrlCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.url));
}

class UrlPartsTest : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlPartsTest, TakesTheUrlApart) {
    const UrlCase& c = GetParam();
    EXPECT_EQ(url_host(c.url), c.host);
    EXPECT_EQ(url_host(c.url, true), c.host_with_port);
    EXPECT_EQ(url_port(c.url), c.port);
    EXPECT_EQ(url_path(c.url), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlPartsTest,
    testing::Values(UrlCase{"HTTP://A.B:8080/x", "a.b", "a.b:8080", 8080, "/x"}, UrlCase{"a.b", "a.b", "a.b", 80, "/"},
                    UrlCase{"127.0.0.1:8080/x/y", "127.0.0.1", "127.0.0.1:8080", 8080, "/x/y"},
                    UrlCase{"http://a.b/s?x=1&y=2", "a.b", "a.b", 80, "/s?x=1&y=2"},
                    UrlCase{"HTTPS://A.B/Path/To?Q=A", "a.b", "a.b", 443, "/Path/To?Q=A"},
                    UrlCase{"hTTpS://a.b:8443", "a.b", "a.b:8443", 8443, "/"},
                    // a query right after the host stays part of it
                    UrlCase{"http://a.b?x=1", "a.b?x=1", "a.b?x=1", 80, "/"},
                    // hosts that also occur inside the scheme
                    UrlCase{"http://h/p", "h", "h", 80, "/p"}, UrlCase{"https://s:99/x", "s", "s:99", 99, "/x"},
                    UrlCase{"http://tp/a/b", "tp", "tp", 80, "/a/b"},
                    // double-byte characters of the path are kept byte for byte
                    UrlCase{"http://a.b/\xD6\xD0?k=\xCE\xC4", "a.b", "a.b", 80, "/\xD6\xD0?k=\xCE\xC4"},
                    UrlCase{"http://a.b:/x", "a.b", "a.b:", 0, "/x"}, UrlCase{"", "", "", 80, "/"}));

TEST(HeaderValue, TakesWhatFollowsTheFirstColonTrimmed) {
    EXPECT_EQ(header_value("Location: http://x/y"), "http://x/y");
    EXPECT_EQ(header_value("A:b: c "), "b: c");
    EXPECT_EQ(header_value("X: \xA1\xA1v\xA1\xA1"), "v");
    EXPECT_EQ(header_value("X:   "), "");
    EXPECT_EQ(header_value("no colon"), "");
    EXPECT_EQ(header_value(""), "");
}

TEST(CookieName, IsTheTrimmedTextBeforeTheFirstEqualsSign) {
    EXPECT_EQ(cookie_name("a=1"), "a");
    EXPECT_EQ(cookie_name(" a =1=2"), "a");
    EXPECT_EQ(cookie_name(" flag "), "flag");
    EXPECT_EQ(cookie_name("=v"), "");
    EXPECT_TRUE(has_cookie_named({"a=1", "flag"}, "flag"));
    EXPECT_TRUE(has_cookie_named({"x", "a=1"}, "a"));
    EXPECT_FALSE(has_cookie_named({"a=1"}, "A"));
    EXPECT_FALSE(has_cookie_named({}, ""));
}

TEST(DuplicateItems, KeepTheFirstOccurrenceInOrder) {
    EXPECT_EQ(remove_duplicate_items("a; b; a", "; "), "a; b");
    EXPECT_EQ(remove_duplicate_items("b; a; b; b; c", "; "), "b; a; c");
    EXPECT_EQ(remove_duplicate_items("a=1; a=2", "; "), "a=1; a=2");
    EXPECT_EQ(remove_duplicate_items("a,,a,", ","), "a,");
    EXPECT_EQ(remove_duplicate_items("", "; "), "");
    EXPECT_EQ(item_index({"x", "y", "x"}, "x"), 1);
    EXPECT_EQ(item_index({"x", "y", "x"}, "y"), 2);
    EXPECT_EQ(item_index({"x", "y"}, "X"), -1);
    EXPECT_EQ(item_index({}, ""), -1);
}

struct MergeCase {
    const char* old_cookies;
    const char* new_cookies;
    const char* merged;
    const char* new_after;
};

void PrintTo(const MergeCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.old_cookies)) << " + "
         << testing::PrintToString(std::string(c.new_cookies));
}

class MergeCookiesTest : public testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, PutsTheNewCookiesFirstAndStoresTheResultInOld) {
    const MergeCase& c = GetParam();
    TextValue old_cookies = c.old_cookies;
    TextValue new_cookies = c.new_cookies;
    EXPECT_EQ(merge_cookies(old_cookies, new_cookies), c.merged);
    EXPECT_EQ(old_cookies, c.merged);
    EXPECT_EQ(new_cookies, c.new_after);
}

INSTANTIATE_TEST_SUITE_P(Cases, MergeCookiesTest,
                         testing::Values(MergeCase{"a=1; b=2", "a=3", "a=3; b=2", "a=3"},
                                         MergeCase{"a=1; b=2", "a=deleted", "b=2", "a=deleted"},
                                         MergeCase{"", "", "", ""}, MergeCase{"", "x=1; y=2", "x=1; y=2", "x=1;y=2"},
                                         MergeCase{"a=1; b=2", "", "a=1; b=2", ""},
                                         MergeCase{"b=2", "c=3; a=1", "c=3; a=1; b=2", "c=3;a=1"},
                                         // of several old items with one name only the first is taken
                                         MergeCase{"a=1; a=2", "", "a=1", ""},
                                         // exact duplicates among the new ones go
                                         MergeCase{"", "b=2; b=2; c=1", "b=2; c=1", "b=2;b=2;c=1"},
                                         // every blank goes, the full-width one too
                                         MergeCase{"s = a b", "t=\xA1\xA1x", "t=x; s=ab", "t=x"},
                                         MergeCase{"flag; k=v", "k=deleted; flag", "flag", "k=deleted;flag"}));

} // namespace
} // namespace pantrove
