// Runs a pattern of RegexObject's dialect (text/regex_syntax.h) over UTF-16 text. The engine is
// Boost.Regex, which backtracks on a heap stack rather than recursing, so a long subject cannot overflow the
// thread's stack. Each search may visit a number of states that grows with the subject, and all searches of
// one call share a budget of character reads, so a hostile pattern or subject ends in bounded time.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace pantrove::regex_engine {

struct Options {
    bool ignore_case = true;
    bool multiline = true;
    bool global = true; // every match, or only the first
};

// A range of UTF-16 code units; a group that took no part in its match has begin == end == -1.
struct Span {
    int begin = -1;
    int end = -1;
};

struct Matches {
    int group_count = 0;
    // group_count + 1 spans per match: the whole match, then each group in order
    std::vector<Span> spans;
};

// Successive matches scan on from the end of the previous one, one unit further after an empty match.
// Nothing when the pattern is invalid, or when the engine gave up (complexity limit, read budget, memory).
std::optional<Matches> find_matches(std::u16string_view pattern, std::u16string_view subject, const Options& options);

} // namespace pantrove::regex_engine
