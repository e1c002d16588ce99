#include "text/regex_object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pantrove {
namespace {

constexpr size_t kFourMegabytes = 4 * 1024 * 1024;

struct Flags {
    bool case_sensitive = false;
    bool multiline = true;
    bool global = true;
};

constexpr Flags kCaseSensitive{true, true, true};
constexpr Flags kSingleLine{false, false, true};
constexpr Flags kFirstOnly{false, true, false};

// `prefix` and then `count` times `c`. (Built by appending: GCC 12 warns falsely about "literal" + string.)
TextValue prefixed_run(std::string_view prefix, size_t count, char c) {
    TextValue text(prefix);
    text.append(count, c);
    return text;
}

std::vector<TextValue> all_matches(const RegexObject& regex) {
    std::vector<TextValue> texts;
    for (int match = 1; match <= regex.match_count(); ++match)
        texts.push_back(regex.match_text(match));
    return texts;
}

TEST(RegexObject, ListsTheQuotedStringsOfAList) {
    RegexObject regex;
    ASSERT_TRUE(regex.execute("\"(.*?)\"", "\"a\",\"b\""));
    EXPECT_EQ(regex.match_count(), 2);
    EXPECT_EQ(regex.submatch_count(), 1);
    EXPECT_EQ(regex.submatch_text(1, 1), "a");
    EXPECT_EQ(regex.submatch_text(2, 1), "b");
    EXPECT_EQ(regex.match_text(2), "\"b\"");
    EXPECT_EQ(regex.get_pattern(), "\"(.*?)\"");
}

TEST(RegexObject, AnswersEmptyBeforeTheFirstRun) {
    const RegexObject regex;
    int position = 7;
    EXPECT_EQ(regex.match_text(1, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.submatch_count(), 0);
    EXPECT_EQ(regex.submatch_text(1, 1), "");
    EXPECT_EQ(regex.get_pattern(), "");
    EXPECT_EQ(regex.replace("x"), "");
}

TEST(RegexObject, ASubjectWithoutMatchesIsASuccessfulRun) {
    RegexObject regex;
    EXPECT_TRUE(regex.execute("z", "abc"));
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.submatch_count(), 0);
    EXPECT_EQ(regex.replace("x"), "abc");
}

TEST(RegexObject, ANewRunReplacesTheLastOneAndAFailedRunLeavesNothing) {
    RegexObject regex;
    ASSERT_TRUE(regex.execute("(a)(b)", "ab ab"));
    EXPECT_EQ(regex.match_count(), 2);
    EXPECT_FALSE(regex.execute("(a", "ab ab"));
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.submatch_count(), 0);
    EXPECT_EQ(regex.match_text(1), "");
    EXPECT_EQ(regex.replace("x"), "");
    EXPECT_EQ(regex.get_pattern(), "(a") << "the pattern is kept even when it does not compile";
}

TEST(RegexObject, CopiesAreIndependentValues) {
    RegexObject original;
    ASSERT_TRUE(original.execute("\\d", "a1b2"));
    const RegexObject copy = original;
    ASSERT_TRUE(original.execute("x", "y"));
    EXPECT_EQ(all_matches(copy), (std::vector<TextValue>{"1", "2"}));
    EXPECT_EQ(copy.get_pattern(), "\\d");
    EXPECT_EQ(copy.replace("#"), "a#b#");
    EXPECT_EQ(original.match_count(), 0);
}

TEST(RegexObject, TheQuoteMarkerStandsForADoubleQuoteOnlyWhenAskedFor) {
    RegexObject regex;
    ASSERT_TRUE(regex.execute("#引号(.*?)#引号", "x\"链接\"#引号", false, true, true, true));
    EXPECT_EQ(regex.get_pattern(), "\"(.*?)\"");
    EXPECT_EQ(all_matches(regex), std::vector<TextValue>{"\"链接\""});

    ASSERT_TRUE(regex.execute("#引号", "x\"链接\"#引号"));
    EXPECT_EQ(regex.get_pattern(), "#引号");
    EXPECT_EQ(all_matches(regex), std::vector<TextValue>{"#引号"});
}

// Positions are byte offsets in the stored code page 936 subject, where a Chinese character takes two
// bytes but one UTF-16 unit; a text that also occurs earlier must not be taken for the match.
TEST(RegexObject, PositionsAreByteOffsetsOfTheMatchItself) {
    RegexObject regex;
    int position = 0;
    ASSERT_TRUE(regex.execute("a", "中中aa"));
    EXPECT_EQ(regex.match_text(1, &position), "a");
    EXPECT_EQ(position, 4);
    EXPECT_EQ(regex.match_text(2, &position), "a");
    EXPECT_EQ(position, 5);

    ASSERT_TRUE(regex.execute("文(.)", "中文字文本"));
    EXPECT_EQ(regex.match_text(1, &position), "文字");
    EXPECT_EQ(position, 2);
    EXPECT_EQ(regex.submatch_text(1, 1, &position), "字");
    EXPECT_EQ(position, 4);
    EXPECT_EQ(regex.match_text(2, &position), "文本");
    EXPECT_EQ(position, 6);
    EXPECT_EQ(regex.submatch_text(2, 1, &position), "本");
    EXPECT_EQ(position, 8);

    ASSERT_TRUE(regex.execute("a(a)", "中aa"));
    EXPECT_EQ(regex.submatch_text(1, 1, &position), "a");
    EXPECT_EQ(position, 3);
}

TEST(RegexObject, GroupsThatTookNoPartAndIndicesOutOfRangeGiveNothing) {
    RegexObject regex;
    ASSERT_TRUE(regex.execute("(x)|(a)", "a"));
    EXPECT_EQ(regex.submatch_count(), 2);
    int position = 0;
    EXPECT_EQ(regex.submatch_text(1, 1, &position), "");
    EXPECT_EQ(position, -1);
    EXPECT_EQ(regex.submatch_text(1, 2, &position), "a");
    EXPECT_EQ(position, 0);
    for (const auto& [match, sub] : {std::pair{0, 1}, {2, 1}, {1, 0}, {1, 3}, {-1, -1}}) {
        position = 0;
        EXPECT_EQ(regex.submatch_text(match, sub, &position), "") << match << "," << sub;
        EXPECT_EQ(position, -1);
    }
    EXPECT_EQ(regex.match_text(0), "");
    EXPECT_EQ(regex.match_text(2), "");
}

// Each case runs one pattern with the given options and lists the texts of all matches.
struct MatchCase {
    const char* name;
    const char* pattern;
    TextValue subject;
    Flags flags;
    std::vector<TextValue> matches;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
    *out << c.name;
}

class RegexMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(RegexMatchTest, FindsWhatTheDialectMeans) {
    const MatchCase& c = GetParam();
    RegexObject regex;
    ASSERT_TRUE(regex.execute(c.pattern, c.subject, c.flags.case_sensitive, c.flags.multiline, c.flags.global));
    EXPECT_EQ(all_matches(regex), c.matches);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RegexMatchTest,
    testing::Values(MatchCase{"IgnoresCaseByDefault", "ABC", "xabc", {}, {"abc"}},
                    MatchCase{"CaseSensitiveWhenAsked", "ABC", "abc ABC", kCaseSensitive, {"ABC"}},
                    // full-width Latin, Greek and Cyrillic letters of code page 936
                    MatchCase{"FoldsTheLettersOfCodePage936", "Ａβд", "ａΒД", {}, {"ａΒД"}},
                    MatchCase{"FoldsRomanNumeralsAndYo", "ⅠЁ", "ⅰё", {}, {"ⅰё"}},
                    MatchCase{"FullWidthCaseMattersWhenCaseSensitive", "Ａ", "ａ", kCaseSensitive, {}},
                    MatchCase{"GlobalFindsAll", "a", "aaa", {}, {"a", "a", "a"}},
                    MatchCase{"NotGlobalFindsTheFirst", "a\\d", "a1a2", kFirstOnly, {"a1"}},
                    MatchCase{"MultilineAnchorsAtLineFeedAndReturn", "^\\w", "ab\ncd\ref", {}, {"a", "c", "e"}},
                    MatchCase{"MultilineDollarBeforeLineBreaks", "\\w$", "ab\ncd\ref", {}, {"b", "d", "f"}},
                    MatchCase{"SingleLineAnchorsAtTheEnds", "^\\w|\\w$", "ab\ncd", kSingleLine, {"a", "d"}},
                    MatchCase{"SingleLineDollarNotBeforeAFinalLineFeed", "b$", "ab\n", kSingleLine, {}},
                    MatchCase{"DotStopsAtALineFeedOnly", "a.b", "a\nb a\rb", {}, {"a\rb"}},
                    MatchCase{"EmptyMatchesStepOnByOne", "x*", "ab", {}, {"", "", ""}},
                    MatchCase{"AnEmptyMatchFollowsALongOne", "a*", "baa", {}, {"", "aa", ""}}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Syntax, RegexMatchTest,
    testing::Values(MatchCase{"ChineseLiterals", "中文", "英文中文", {}, {"中文"}},
                    MatchCase{"LazyStopsEarly", "<.+?>", "<a><b>", {}, {"<a>", "<b>"}},
                    MatchCase{"GreedyRunsOn", "<.+>", "<a><b>", {}, {"<a><b>"}},
                    MatchCase{"EmptyNegatedClassCrossesLines", "a[^]b", "a\nb", {}, {"a\nb"}},
                    MatchCase{"EmptyClassNeverMatches", "a[]", "a", {}, {}},
                    MatchCase{"ClassesWithRangesAndEscapes", "[^\\s\\d-]+", "ab 12-中x", {}, {"ab", "中x"}},
                    MatchCase{"IgnoreCaseAppliesToRanges", "[A-C]+", "xabcd", {}, {"abc"}},
                    MatchCase{"WordCharactersAreAscii", "\\w+", "ab中cd_9", {}, {"ab", "cd_9"}},
                    MatchCase{"WordBoundaryBesideChinese", "\\bab\\b", "中ab文 xab", {}, {"ab"}},
                    MatchCase{"DigitsAndSpaces", "\\d\\s\\D", "1 x2\tyz 3", {}, {"1 x", "2\ty"}},
                    MatchCase{"CharacterEscapes", "\\x41\\u4E2D\\101\\t\\cJ", "A中A\t\n", {}, {"A中A\t\n"}},
                    MatchCase{"IncompleteEscapesAreLetters", "\\x4\\u12\\c1", "x4u12\\c1", {}, {"x4u12\\c1"}},
                    MatchCase{"BackReferences", "(\\w)\\1", "abbcdd", {}, {"bb", "dd"}},
                    MatchCase{"UnsetBackReferenceMatchesEmpty", "(a)|\\1b", "b", {}, {"b"}},
                    MatchCase{"OctalWhenNoSuchGroup", "(a)\\2", "a\x02", {}, {"a\x02"}},
                    MatchCase{"Lookahead", "a(?=b)|a(?!c)", "ab ac ad", {}, {"a", "a"}},
                    MatchCase{"CountedRepeats", "a{2}|b{1,}|c{2,3}", "aaa bb cccc", {}, {"aa", "bb", "ccc"}},
                    MatchCase{"BraceWithoutCountIsALiteral", "a{,2}}", "a{,2}}", {}, {"a{,2}}"}},
                    // escapes and classes of larger regex languages are plain characters here
                    MatchCase{"OtherEscapesAreTheCharacter", "\\A\\z\\Q\\K", "AzQK", {}, {"AzQK"}},
                    MatchCase{"NoPosixClasses", "[[:digit:]]", "1 :]", {}, {":]"}}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

struct InvalidCase {
    const char* pattern;
};

void PrintTo(const InvalidCase& c, std::ostream* out) {
    *out << c.pattern;
}

class InvalidPatternTest : public testing::TestWithParam<InvalidCase> {};

TEST_P(InvalidPatternTest, FailsTheRunWithoutMatches) {
    RegexObject regex;
    EXPECT_FALSE(regex.execute(GetParam().pattern, "a aa ab (a) a{3,2} \\"));
    EXPECT_EQ(regex.match_count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Patterns, InvalidPatternTest,
                         testing::Values(InvalidCase{"(a"}, InvalidCase{"a)"}, InvalidCase{"*a"}, InvalidCase{"a|?"},
                                         InvalidCase{"a**"}, InvalidCase{"a*+"}, InvalidCase{"a*??"}, InvalidCase{"^*"},
                                         InvalidCase{"a{3,2}"}, InvalidCase{"[a"}, InvalidCase{"[b-a]"},
                                         InvalidCase{"\\"}, InvalidCase{"(?<=a)b"}, InvalidCase{"(?>a)"},
                                         InvalidCase{"(?i)a"}, InvalidCase{"(?<n>a)"}, InvalidCase{"(?#c)"}));

struct ReplaceCase {
    const char* pattern;
    TextValue subject;
    const char* replacement;
    bool global;
    TextValue expected;
};

void PrintTo(const ReplaceCase& c, std::ostream* out) {
    *out << c.pattern << " -> " << c.replacement << (c.global ? "" : " once");
}

class RegexReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(RegexReplaceTest, ReplacesTheMatchesOfTheLastRun) {
    const ReplaceCase& c = GetParam();
    RegexObject regex;
    ASSERT_TRUE(regex.execute(c.pattern, c.subject, false, true, c.global));
    EXPECT_EQ(regex.replace(c.replacement), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RegexReplaceTest,
                         testing::Values(ReplaceCase{"(\\w+) (\\w+)", "ab cd", "$2 $1", true, "cd ab"},
                                         ReplaceCase{"b", "abc", "[$&$`$'$$]", true, "a[bac$]c"},
                                         ReplaceCase{"a", "aaa", "x", false, "xaa"},
                                         ReplaceCase{"中", "中文中", "$&$&", true, "中中文中中"},
                                         // $2 names no group, $0 never does, $10 is group 1 and a zero
                                         ReplaceCase{"(a)", "a", "$2$0$10$", true, "$2$0a0$"},
                                         ReplaceCase{"x*", "ab", "-", true, "-a-b-"},
                                         ReplaceCase{"(x)?a", "a", "[$1]", true, "[]"}));

// The engine must come back, without a crash and in bounded time, from any subject a server may send and
// from patterns that backtrack without end.
class HostileRegexTest : public testing::Test {
protected:
    RegexObject regex;
};

TEST_F(HostileRegexTest, AnUnmatchedQuoteBeforeFourMegabytesFindsNothing) {
    const TextValue subject = prefixed_run("\"", kFourMegabytes, 'a');
    EXPECT_TRUE(regex.execute("\"(.*?)\"", subject));
    EXPECT_EQ(regex.match_count(), 0);
    TextValue chinese = "x\"";
    for (size_t i = 0; i < kFourMegabytes / 2; ++i)
        chinese += "中";
    EXPECT_TRUE(regex.execute("\"(.*?)\"", chinese));
    EXPECT_EQ(regex.match_count(), 0);
}

TEST_F(HostileRegexTest, FourMegabytesOfQuotesGiveEveryPair) {
    ASSERT_TRUE(regex.execute("\"(.*?)\"", TextValue(kFourMegabytes, '"')));
    const int pairs = static_cast<int>(kFourMegabytes / 2);
    EXPECT_EQ(regex.match_count(), pairs);
    int position = 0;
    EXPECT_EQ(regex.match_text(pairs, &position), "\"\"");
    EXPECT_EQ(position, static_cast<int>(kFourMegabytes) - 2);
}

TEST_F(HostileRegexTest, UnmatchedQuotesOnEveryLineFindNothing) {
    TextValue subject;
    while (subject.size() < kFourMegabytes)
        subject += "\"ab\n";
    EXPECT_TRUE(regex.execute("\"(.*?)\"", subject));
    EXPECT_EQ(regex.match_count(), 0);
}

struct RunawayCase {
    const char* pattern;
    TextValue subject;
};

void PrintTo(const RunawayCase& c, std::ostream* out) {
    *out << c.pattern << " over " << c.subject.size() << " bytes";
}

class RunawayPatternTest : public testing::TestWithParam<RunawayCase> {};

TEST_P(RunawayPatternTest, TheEngineGivesUpAndTheRunFails) {
    RegexObject regex;
    ASSERT_TRUE(regex.execute("a", "a"));
    EXPECT_FALSE(regex.execute(GetParam().pattern, GetParam().subject));
    EXPECT_EQ(regex.match_count(), 0);
    EXPECT_EQ(regex.replace("x"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunawayPatternTest,
    testing::Values(RunawayCase{"(a*)*b", TextValue(kFourMegabytes, 'a')}, RunawayCase{"(a|aa)*c", TextValue(40, 'a')},
                    // every search scans to the end before the second branch matches: quadratic work
                    RunawayCase{"a*c|a", TextValue(kFourMegabytes, 'a')},
                    RunawayCase{"(.*)*\"", prefixed_run("\"", kFourMegabytes, 'a')}));

// Bytes that are not valid code page 936 still map one to one onto the matched texts and positions.
TEST_F(HostileRegexTest, DamagedBytesKeepTextsAndPositionsConsistent) {
    TextValue subject;
    std::uint32_t seed = 12345;
    while (subject.size() < 1024 * 1024) {
        seed = seed * 1103515245u + 12345u;
        subject.push_back(static_cast<char>(seed >> 24));
    }
    ASSERT_TRUE(regex.execute("\"(.*?)\"", subject));
    ASSERT_GT(regex.match_count(), 0);
    for (int match = 1; match <= regex.match_count(); ++match) {
        int position = -1;
        const TextValue text = regex.match_text(match, &position);
        ASSERT_GE(position, 0);
        ASSERT_EQ(subject.substr(static_cast<size_t>(position), text.size()), text);
        ASSERT_EQ(text.front(), '"');
        ASSERT_EQ(text.back(), '"');
    }
}

} // namespace
} // namespace pantrove
