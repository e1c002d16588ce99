#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

const TextValue kZhong = "\xD6\xD0"; // 中 in code page 936

TEST(UrlEncode, EscapesEveryByteOrKeepsTheUnreservedOnes) {
    const TextValue text = "a b/" + kZhong;
    EXPECT_EQ(url_encode(text, false, true), "%61%20%62%2F%E4%B8%AD");
    EXPECT_EQ(url_encode(text, true, true), "a%20b%2F%E4%B8%AD");
    EXPECT_EQ(url_encode(text), "%61%20%62%2F%D6%D0");
    EXPECT_EQ(url_encode("\n"), "%0A");
    EXPECT_EQ(url_encode("-._~09AZaz", true), "-.%5F%7E09AZaz");
    EXPECT_EQ(url_encode(""), "");
}

struct DecodeCase {
    const char* text;
    bool from_utf8;
    TextValue expected;
};

void PrintTo(const DecodeCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.text)) << (c.from_utf8 ? " from UTF-8" : "");
}

class UrlDecodeTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(UrlDecodeTest, DecodesByTheEscapeArithmetic) {
    EXPECT_EQ(url_decode(GetParam().text, GetParam().from_utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UrlDecodeTest,
                         testing::Values(DecodeCase{"%e4%b8%ad", true, "\xD6\xD0"}, DecodeCase{"100%", false, "100"},
                                         DecodeCase{"x%4", false, "x\x40"}, DecodeCase{"a+b", false, "a+b"},
                                         DecodeCase{"%41%2f", false, "A/"},
                                         // "G" is not a digit: (-2) * 16 + 1 = -31, which is 225 modulo 256
                                         DecodeCase{"%G1", false, "\xE1"}, DecodeCase{"%00z", false, "z"},
                                         // unescaped UTF-8 is converted as well: the whole page becomes code page 936
                                         DecodeCase{"\xE4\xB8\xAD%3A[", true, "\xD6\xD0:["}));

TEST(CodePages, ConvertBetweenCodePage936Utf8AndUtf16) {
    EXPECT_EQ(gbk_to_utf8(kZhong), "\xE4\xB8\xAD");
    EXPECT_EQ(utf8_to_gbk("\xE4\xB8\xAD"), kZhong);
    EXPECT_EQ(to_wide(kZhong, codepage::kGbk), (ByteArray{0x2D, 0x4E, 0, 0}));
    EXPECT_EQ(to_wide("A"), (ByteArray{'A', 0, 0, 0}));
    EXPECT_EQ(to_wide(""), ByteArray{});
    EXPECT_EQ(from_wide(ByteArray{0x2D, 0x4E, 0, 0}, codepage::kGbk), kZhong);
    EXPECT_EQ(from_wide(ByteArray{0x2D, 0x4E, 0, 0, 'x', 0}, codepage::kUtf8), "\xE4\xB8\xAD");
    EXPECT_EQ(from_wide(ByteArray{}), "");
    EXPECT_EQ(gbk_to_utf8(""), "");
}

TEST(CodePages, InvalidInputYieldsATextNotACrash) {
    EXPECT_FALSE(utf8_to_gbk("a\xFF"
                             "b")
                     .empty());
    EXPECT_FALSE(gbk_to_utf8("a\x81").empty());
}

TEST(TextBetween, CutsBetweenTheFirstLeftAndTheNextRightMarker) {
    EXPECT_EQ(text_between("x:[1,2]}}", ":[", "]}}"), "1,2");
    EXPECT_EQ(text_between("x:[1,2]}}", "@", "]}}"), "");
    EXPECT_EQ(text_between("x:[1,2", ":[", "]}}"), "");
    EXPECT_EQ(text_between("xaYBz", "A", "b"), "Y");
    EXPECT_EQ(text_between("xaYBz", "A", "b", 1, true), "");
    EXPECT_EQ(text_between("ab", "a", "b"), "");
    EXPECT_EQ(text_between("a1a2b", "a", "b", 2), "2");
    EXPECT_EQ(text_between("[a][b]", "[", "]"), "a");
}

TEST(TextBetween, QuoteMarkerStandsForADoubleQuote) {
    const TextValue marker = TextValue(kQuoteMarker) + "k" + TextValue(kQuoteMarker) + ":";
    EXPECT_EQ(text_between("{\"k\":7}", marker, "}"), "7");
    EXPECT_EQ(text_between("{k:7}", marker, "}"), "");
}

TEST(TextAfterLast, TakesWhatFollowsTheLastMarker) {
    EXPECT_EQ(text_after_last("x/com/abc", "com/"), "abc");
    EXPECT_EQ(text_after_last("abc", "com/"), "");
    EXPECT_EQ(text_after_last("a.com/b.com/c", "com/"), "c");
    EXPECT_EQ(text_after_last("x/com/", "com/"), "");
    EXPECT_EQ(text_after_last("x/COM/abc", "com/"), "");
    EXPECT_EQ(text_after_last("x/COM/abc", "com/", true), "abc");
}

// Inputs of any size: a 10 MB page with its markers far apart.
TEST(TextBetween, LargePage) {
    const TextValue page = ":[" + TextValue(10 * 1024 * 1024, 'x') + "]}}";
    EXPECT_EQ(text_between(page, ":[", "]}}").size(), 10u * 1024 * 1024);
    EXPECT_EQ(url_decode(page).size(), page.size());
    EXPECT_EQ(url_encode(page.substr(0, 1024 * 1024)).size(), 3u * 1024 * 1024);
}

} // namespace
} // namespace pantrove
