#include "text/regex_object.h"

#include "text/codepage.h"
#include "text/regex_engine.h"
#include "text/runtime_text.h"
#include "text/text_encoding.h"

#include <climits>
#include <unordered_map>

namespace pantrove {
namespace {

bool is_trail_byte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFE);
}

// A code page 936 text in UTF-16, one unit per character, with the byte offset where each unit's character
// starts (and, last, the text's length) so that unit positions map back to bytes.
struct WideText {
    std::u16string units;
    std::vector<int> byte_offsets;
};

// The bytes of one character: a lead byte with its trail byte, or any other single byte. A lead byte
// without a valid trail stands alone, so that a damaged pair does not swallow the next character.
size_t character_length(std::string_view text, size_t pos) {
    const bool pair = rt::is_lead_byte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
                      is_trail_byte(static_cast<unsigned char>(text[pos + 1]));
    return pair ? 2 : 1;
}

WideText widen_with_offsets(std::string_view text) {
    WideText wide;
    wide.byte_offsets.reserve(text.size() + 1);
    for (size_t pos = 0; pos < text.size(); pos += character_length(text, pos))
        wide.byte_offsets.push_back(static_cast<int>(pos));
    wide.byte_offsets.push_back(static_cast<int>(text.size()));

    wide.units = codepage::to_utf16(text, codepage::kGbk);
    if (wide.units.size() + 1 == wide.byte_offsets.size())
        return wide;
    // Some character did not convert to exactly one unit (invalid or unassigned bytes): convert each
    // distinct character on its own, which keeps one unit per character.
    wide.units.clear();
    wide.units.reserve(wide.byte_offsets.size());
    std::unordered_map<std::string_view, char16_t> converted;
    for (size_t i = 0; i + 1 < wide.byte_offsets.size(); ++i) {
        const auto begin = static_cast<size_t>(wide.byte_offsets[i]);
        const std::string_view character = text.substr(begin, static_cast<size_t>(wide.byte_offsets[i + 1]) - begin);
        auto [known, added] = converted.try_emplace(character, u'\uFFFD');
        if (added) {
            const std::u16string unit = codepage::to_utf16(character, codepage::kGbk);
            if (unit.size() == 1)
                known->second = unit[0];
        }
        wide.units.push_back(known->second);
    }
    return wide;
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool RegexObject::execute(std::string_view pattern, std::string_view subject, bool case_sensitive, bool multiline,
                          bool global, bool quote_marker) {
    succeeded_ = false;
    group_count_ = 0;
    spans_.clear();
    try {
        pattern_ = quote_marker ? rt::replace_all(pattern, kQuoteMarker, "\"") : TextValue(pattern);
        subject_ = subject;
        if (subject_.size() > static_cast<size_t>(INT_MAX) - 1)
            return false; // beyond what an int32 position can name
        const WideText wide = widen_with_offsets(subject_);
        const auto matches = regex_engine::find_matches(codepage::to_utf16(pattern_, codepage::kGbk), wide.units,
                                                        {!case_sensitive, multiline, global});
        if (!matches)
            return false;
        spans_.reserve(matches->spans.size());
        for (const regex_engine::Span& span : matches->spans) {
            if (span.begin < 0)
                spans_.push_back({});
            else
                spans_.push_back({wide.byte_offsets[static_cast<size_t>(span.begin)],
                                  wide.byte_offsets[static_cast<size_t>(span.end)]});
        }
        group_count_ = matches->group_count;
        succeeded_ = true;
        return true;
    } catch (...) {
        // out of memory for a huge subject or match list: the run failed
        spans_.clear();
        return false;
    }
}

int RegexObject::match_count() const {
    return static_cast<int>(spans_.size() / static_cast<size_t>(group_count_ + 1));
}

int RegexObject::submatch_count() const {
    return match_count() > 0 ? group_count_ : 0;
}

const RegexObject::Span* RegexObject::find_span(int match, int group) const {
    if (match < 1 || match > match_count() || group < 0 || group > group_count_)
        return nullptr;
    return &spans_[static_cast<size_t>(match - 1) * static_cast<size_t>(group_count_ + 1) + static_cast<size_t>(group)];
}

TextValue RegexObject::span_text(const Span* span, int* position) const {
    const bool found = span != nullptr && span->begin >= 0;
    if (position != nullptr)
        *position = found ? span->begin : -1;
    if (!found)
        return {};
    return subject_.substr(static_cast<size_t>(span->begin), static_cast<size_t>(span->end - span->begin));
}

TextValue RegexObject::match_text(int match, int* position) const {
    return span_text(find_span(match, 0), position);
}

TextValue RegexObject::submatch_text(int match, int sub, int* position) const {
    return span_text(sub < 1 ? nullptr : find_span(match, sub), position);
}

TextValue RegexObject::replace(std::string_view replacement) const {
    if (!succeeded_)
        return {};
    try {
        TextValue out;
        size_t copied = 0;
        for (int match = 1; match <= match_count(); ++match) {
            const Span& whole = *find_span(match, 0);
            out.append(subject_, copied, static_cast<size_t>(whole.begin) - copied);
            for (size_t pos = 0; pos < replacement.size(); ++pos) {
                const char c = replacement[pos];
                const char next = pos + 1 < replacement.size() ? replacement[pos + 1] : '\0';
                if (c != '$' || next == '\0') {
                    out.push_back(c);
                } else if (next == '$') {
                    out.push_back('$');
                    ++pos;
                } else if (next == '&') {
                    out += span_text(&whole, nullptr);
                    ++pos;
                } else if (next == '`') {
                    out.append(subject_, 0, static_cast<size_t>(whole.begin));
                    ++pos;
                } else if (next == '\'') {
                    out.append(subject_, static_cast<size_t>(whole.end));
                    ++pos;
                } else if (is_digit(next)) {
                    // two digits when they name a group, else one digit when it does, else a plain "$"
                    const char after = pos + 2 < replacement.size() ? replacement[pos + 2] : '\0';
                    const int two = is_digit(after) ? (next - '0') * 10 + (after - '0') : 0;
                    const int one = next - '0';
                    if (two >= 1 && two <= group_count_) {
                        out += span_text(find_span(match, two), nullptr);
                        pos += 2;
                    } else if (one >= 1 && one <= group_count_) {
                        out += span_text(find_span(match, one), nullptr);
                        pos += 1;
                    } else {
                        out.push_back(c);
                    }
                } else {
                    out.push_back(c);
                }
            }
            copied = static_cast<size_t>(whole.end);
        }
        out.append(subject_, copied);
        return out;
    } catch (...) {
        return {};
    }
}

} // namespace pantrove
