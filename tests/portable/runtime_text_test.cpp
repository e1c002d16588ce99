#include "text/runtime_text.h"

#include <gtest/gtest.h>

namespace pantrove::rt {
namespace {

// "中" is D6 D0; "啊" is B0 A1; the full-width blank is A1 A1.
TEST(RuntimeText, CutsByBytePositions) {
    EXPECT_EQ(left("abc", 2), "ab");
    EXPECT_EQ(left("abc", 9), "abc");
    EXPECT_EQ(left("abc", 0), "");
    EXPECT_EQ(right("abc", 2), "bc");
    EXPECT_EQ(right("abc", -1), "");
    EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
    EXPECT_EQ(mid("abcdef", 5, 9), "ef");
    EXPECT_EQ(mid("abc", 0, 2), "");
    EXPECT_EQ(mid("abc", 4, 1), "");
    EXPECT_EQ(mid("abc", 1, 0), "");
}

struct FindCase {
    const char* text;
    const char* search;
    int start;
    bool ignore_case;
    int expected;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << testing::PrintToString(std::string(c.text)) << " / " << testing::PrintToString(std::string(c.search))
         << " from " << c.start << (c.ignore_case ? " ignoring case" : "");
}

class FindTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindTest, FindsFirstMatchAtCharacterStart) {
    const FindCase& c = GetParam();
    EXPECT_EQ(find(c.text, c.search, c.start, c.ignore_case), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FindTest,
                         testing::Values(FindCase{"abcabc", "bc", 1, false, 2}, FindCase{"abcabc", "bc", 3, false, 5},
                                         FindCase{"abcabc", "bc", -5, false, 2}, FindCase{"abcabc", "BC", 1, false, -1},
                                         FindCase{"abcabc", "BC", 1, true, 2}, FindCase{"abc", "x", 1, false, -1},
                                         FindCase{"abc", "", 1, false, 1}, FindCase{"", "", 1, false, -1},
                                         FindCase{"abc", "c", 4, false, -1},
                                         // "\xB0\xA1" + "\xA1\xB0": the bytes A1 B0... never match at a trail byte
                                         FindCase{"\xB0\xA1\xA1\xB0", "\xA1\xA1", 1, false, -1},
                                         FindCase{"\xB0\xA1\xA1\xA1", "\xA1\xA1", 1, false, 3},
                                         // a trail byte that looks like "A" is not a letter for ignore-case searching
                                         FindCase{"\x81\x41x", "a", 1, true, -1},
                                         FindCase{"\x81\x41xA", "a", 1, true, 4}));

TEST(RuntimeText, FindLastSkipsTrailBytes) {
    EXPECT_EQ(find_last("a/b/c", "/"), 4);
    EXPECT_EQ(find_last("abc", "x"), -1);
    EXPECT_EQ(find_last("xAxa", "a", true), 4);
    // The second "\xA1\xA1" overlaps the trail byte of the first character only.
    EXPECT_EQ(find_last("\xA1\xA1\xB0\xA1\xA1", "\xA1\xA1"), 1);
}

TEST(RuntimeText, ReplacesEveryOccurrence) {
    EXPECT_EQ(replace_all("a-b-c", "-", "+"), "a+b+c");
    EXPECT_EQ(replace_all("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replace_all("ABab", "ab", "x", false), "xx");
    EXPECT_EQ(replace_all("ABab", "ab", "x", true), "ABx");
    EXPECT_EQ(replace_all("abc", "", "x"), "abc");
    EXPECT_EQ(replace_all("\xB0\xA1\xA1 ", "\xA1\xA1", "!"), "\xB0\xA1\xA1 ");
}

TEST(RuntimeText, SplitsKeepingEmptyItemsButNotAnEmptyLast) {
    using V = std::vector<TextValue>;
    EXPECT_EQ(split("a;b;;c", ";"), (V{"a", "b", "", "c"}));
    EXPECT_EQ(split("a;b;", ";"), (V{"a", "b"}));
    EXPECT_EQ(split(";a", ";"), (V{"", "a"}));
    EXPECT_EQ(split("", ";"), V{});
    EXPECT_EQ(split("abc", ";"), V{"abc"});
    EXPECT_EQ(split("a; b; c", "; "), (V{"a", "b", "c"}));
}

TEST(RuntimeText, TrimsHalfAndFullWidthBlanksOnly) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("\xA1\xA1x\xA1\xA1 "), "x");
    EXPECT_EQ(trim("\tx\r\n"), "\tx\r\n");
    EXPECT_EQ(trim("   "), "");
    // "啊" ends in A1: the A1 that follows it is no full-width blank with it.
    EXPECT_EQ(trim("\xB0\xA1\xA1"), "\xB0\xA1\xA1");
    EXPECT_EQ(remove_blanks(" a\xA1\xA1 b "), "ab");
}

TEST(RuntimeText, LowerCasesAsciiLettersOnly) {
    EXPECT_EQ(to_lower("AbC-Z"), "abc-z");
    EXPECT_EQ(to_lower("\x81\x41"
                       "A"),
              "\x81\x41"
              "a");
}

TEST(RuntimeText, NumbersAndBytes) {
    EXPECT_EQ(to_text(-42), "-42");
    EXPECT_EQ(to_integer("8080"), 8080);
    EXPECT_EQ(to_integer(" -12x"), -12);
    EXPECT_EQ(to_integer("x"), 0);
    EXPECT_EQ(to_integer("99999999999"), 2147483647);
    EXPECT_EQ(hex_text(0x0A), "A");
    EXPECT_EQ(hex_text(0xFF), "FF");
    EXPECT_EQ(hex_text(0), "0");
    EXPECT_EQ(char_from_code('a'), "a");
    EXPECT_EQ(char_from_code(0), "");
    EXPECT_EQ(text_to_bytes("ab"), (ByteArray{'a', 'b'}));
    EXPECT_EQ(bytes_to_text(ByteArray{'a', 0, 'b'}), "a");
    EXPECT_EQ(blank_bytes(2), (ByteArray{0, 0}));
    EXPECT_EQ(blank_text(3), "   ");
}

// A 10 MB page of double-byte text with the match at its end. A quadratic scan would run into the
// test time limit; a linear one takes a fraction of a second.
TEST(RuntimeText, LargeTextsStayLinear) {
    TextValue page;
    page.reserve(10 * 1024 * 1024 + 3);
    for (int i = 0; i < 5 * 1024 * 1024; ++i)
        page += "\xB0\xA1";
    page += "]}}";
    EXPECT_EQ(find(page, "]}}"), 10 * 1024 * 1024 + 1);
    EXPECT_EQ(find(page, "]}}", 1, true), 10 * 1024 * 1024 + 1);
    EXPECT_EQ(find_last(page, "\xA1\xB0"), -1);
    EXPECT_EQ(split(page, "\xA1\xB0").size(), 1u);
    EXPECT_EQ(trim(page).size(), page.size());
}

} // namespace
} // namespace pantrove::rt
