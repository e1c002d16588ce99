// RegexObject runs a regular expression over a code page 936 text and hands out the matches and their
// groups as code page 936 texts. Matching is done on the UTF-16 form of the text, in the pattern language of
// the VBScript RegExp object (text/regex_syntax.h); positions are 0-based byte offsets in the stored text.
//
// A plain value: copies are independent and carry the last run's pattern, subject and matches. Nothing is
// reported by exception: a failed run leaves no matches, a query that finds nothing yields the empty text,
// 0, and position -1.
#pragma once

#include "text/text_types.h"

#include <string_view>
#include <vector>

namespace pantrove {

class RegexObject {
public:
    // Runs `pattern` over `subject` and keeps the matches, replacing those of any earlier run. With
    // quote_marker, every "#引号" of the pattern stands for a double quote. True when the run produced a
    // match list (also an empty one); false for an invalid pattern and when the engine gave up on a
    // pathological pattern or subject (complexity or time budget), which then leaves no matches.
    bool execute(std::string_view pattern, std::string_view subject, bool case_sensitive = false, bool multiline = true,
                 bool global = true, bool quote_marker = false);

    // The pattern of the last run, quote markers replaced; empty before the first run.
    TextValue get_pattern() const { return pattern_; }

    // The stored subject with every match of the last run (only the first unless global) replaced by
    // `replacement`, in which $& is the match, $` and $' the texts before and after it, $1..$99 a group and
    // $$ a dollar sign. Empty before a run and after a failed one.
    TextValue replace(std::string_view replacement) const;

    int match_count() const;

    // The text of match `match` (1-based); `position`, when given, receives its byte offset.
    TextValue match_text(int match, int* position = nullptr) const;

    // Group `sub` (1-based) of match `match`; a group that took no part gives the empty text, position -1.
    TextValue submatch_text(int match, int sub, int* position = nullptr) const;

    // The number of groups of the first match; 0 when there is no match.
    int submatch_count() const;

private:
    struct Span {
        int begin = -1; // byte offsets in subject_; -1 for a group that took no part
        int end = -1;
    };

    const Span* find_span(int match, int group) const;
    TextValue span_text(const Span* span, int* position) const;

    TextValue pattern_;
    TextValue subject_;
    bool succeeded_ = false;
    int group_count_ = 0;
    std::vector<Span> spans_; // group_count_ + 1 per match: the whole match, then each group
};

} // namespace pantrove
