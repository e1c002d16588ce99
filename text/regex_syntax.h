// The pattern language of RegexObject (the VBScript RegExp dialect) rewritten for the matching engine.
//
// The dialect: literals, ".", classes "[...]" and "[^...]" with ranges, the escapes \d \D \w \W \s \S
// (ASCII digits, ASCII word characters [A-Za-z0-9_], and [ \f\n\r\t\v]), \b \B, \f \n \r \t \v, \cX, \xHH,
// \uHHHH, octal escapes and back references \1..\N; groups "(...)", "(?:...)", lookaheads "(?=...)" and
// "(?!...)"; the quantifiers * + ? {n} {n,} {n,m}, each optionally lazy with a following "?"; anchors ^ $.
// Any other escaped character stands for itself. "." matches anything but "\n". With multiline, ^ and $
// also match after / before "\n" and "\r"; without it they match only at the ends of the subject.
// A back reference to a group that has not taken part matches the empty text.
//
// The result is written for the engine's Perl syntax with the traits of regex_engine.cpp: every character
// that is not an ASCII letter or digit is written as an \x{...} escape, so nothing of the engine's larger
// syntax ([[:alpha:]], \A, (?>...), possessive quantifiers, ...) can be reached from a pattern.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pantrove {

// The engine's pattern, or nothing when `pattern` is not valid in the dialect.
std::optional<std::u16string> translate_pattern(std::u16string_view pattern, bool multiline);

} // namespace pantrove
