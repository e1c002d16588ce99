#include "text/regex_engine.h"

#include "text/regex_syntax.h"

// Only the traits below are used; the engine's Win32 locale traits are left out.
#define BOOST_REGEX_NO_W32
#include <boost/regex.hpp>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <locale>
#include <string>

namespace pantrove::regex_engine {
namespace {

// Simple case folding of the letter pairs code page 936 holds: ASCII, Latin-1, Greek, Cyrillic, Roman
// numerals and full-width Latin. A fixed table keeps matching the same on every system and locale.
char16_t fold_case(char16_t c) {
    const auto shifted = [c](int by) { return static_cast<char16_t>(c + by); };
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? shifted(0x20) : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return shifted(0x20);
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return shifted(0x20);
    if (c >= 0x400 && c <= 0x40F)
        return shifted(0x50);
    if (c >= 0x410 && c <= 0x42F)
        return shifted(0x20);
    if (c >= 0x2160 && c <= 0x216F)
        return shifted(0x10);
    if (c >= 0xFF21 && c <= 0xFF3A)
        return shifted(0x20);
    return c;
}

// Character traits for UTF-16 code units with the dialect's classes: \d, \w and \s are ASCII-only, as
// are the word characters of \b.
struct Utf16Traits {
    using char_type = char16_t;
    using size_type = std::size_t;
    using string_type = std::u16string;
    using locale_type = std::locale;
    using char_class_type = std::uint32_t;

    static constexpr char_class_type kDigit = 1;
    static constexpr char_class_type kWord = 2;
    static constexpr char_class_type kSpace = 4;
    static constexpr char_class_type kLower = 8;
    static constexpr char_class_type kUpper = 16;
    static constexpr char_class_type kAlpha = kLower | kUpper;

    static size_type length(const char_type* p) { return std::char_traits<char16_t>::length(p); }

    char_type translate(char_type c) const { return c; }
    char_type translate_nocase(char_type c) const { return fold_case(c); }

    template <class It> string_type transform(It first, It last) const { return string_type(first, last); }
    template <class It> string_type transform_primary(It first, It last) const { return string_type(first, last); }
    template <class It> string_type lookup_collatename(It, It) const { return {}; }

    template <class It> char_class_type lookup_classname(It first, It last) const {
        const string_type name(first, last);
        if (name == u"d" || name == u"D")
            return kDigit;
        if (name == u"w" || name == u"W")
            return kWord;
        if (name == u"s" || name == u"S")
            return kSpace;
        if (name == u"lower")
            return kLower;
        if (name == u"upper")
            return kUpper;
        if (name == u"alpha")
            return kAlpha;
        return 0;
    }

    bool isctype(char_type c, char_class_type mask) const { return (classes_of(c) & mask) != 0; }

    static char_class_type classes_of(char_type c) {
        if (c >= u'0' && c <= u'9')
            return kDigit | kWord;
        if (c >= u'a' && c <= u'z')
            return kLower | kWord;
        if (c >= u'A' && c <= u'Z')
            return kUpper | kWord;
        if (c == u'_')
            return kWord;
        if (c == u' ' || (c >= u'\t' && c <= u'\r'))
            return kSpace;
        return 0;
    }

    int value(char_type c, int radix) const {
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        return digit < radix ? digit : -1;
    }

    locale_type imbue(locale_type locale) { return locale; }
    locale_type getloc() const { return locale_type(); }
};

using Regex = boost::basic_regex<char16_t, Utf16Traits>;

// Thrown by ReadCounter when the budget of one find_matches call is spent.
struct BudgetSpent {};

// Limits of one find_matches call: well under a second of work for a 4 MB subject (see regex_benchmark).
// Legitimate searches stay far below them: the resolver's pattern reads each unit about 4 times and visits
// about one state per unit in a search that fails.
constexpr std::int64_t kBaseReadBudget = 20'000'000;
constexpr std::int64_t kReadsPerUnit = 16;
constexpr std::int64_t kBaseStateLimit = 1'000'000;
constexpr std::int64_t kStatesPerUnit = 8;

// A random-access iterator over the subject that spends one unit of a shared budget on every read. Nearly
// all of the engine's work reads characters, so this bounds a whole run of searches, however many there are.
class ReadCounter {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = char16_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const char16_t*;
    using reference = const char16_t&;

    ReadCounter() = default;
    ReadCounter(const char16_t* p, std::int64_t* budget) : p_(p), budget_(budget) {}

    reference operator*() const {
        if (--*budget_ < 0)
            throw BudgetSpent{};
        return *p_;
    }
    reference operator[](difference_type n) const { return *(*this + n); }

    ReadCounter& operator++() {
        ++p_;
        return *this;
    }
    ReadCounter operator++(int) {
        ReadCounter old = *this;
        ++p_;
        return old;
    }
    ReadCounter& operator--() {
        --p_;
        return *this;
    }
    ReadCounter operator--(int) {
        ReadCounter old = *this;
        --p_;
        return old;
    }
    ReadCounter& operator+=(difference_type n) {
        p_ += n;
        return *this;
    }
    ReadCounter& operator-=(difference_type n) {
        p_ -= n;
        return *this;
    }
    friend ReadCounter operator+(ReadCounter it, difference_type n) { return it += n; }
    friend ReadCounter operator+(difference_type n, ReadCounter it) { return it += n; }
    friend ReadCounter operator-(ReadCounter it, difference_type n) { return it -= n; }
    friend difference_type operator-(const ReadCounter& a, const ReadCounter& b) { return a.p_ - b.p_; }
    friend bool operator==(const ReadCounter& a, const ReadCounter& b) { return a.p_ == b.p_; }
    friend auto operator<=>(const ReadCounter& a, const ReadCounter& b) { return a.p_ <=> b.p_; }

private:
    const char16_t* p_ = nullptr;
    std::int64_t* budget_ = nullptr;
};

using MatchResults = boost::match_results<ReadCounter>;

} // namespace
} // namespace pantrove::regex_engine

// The engine's own limit on the states one search may visit grows with the square of the pattern's length
// times the subject's length: a long pattern with nested repeats over a 4 MB subject would get minutes.
// This limit grows only with the subject. It also ends backtracking that piles up states while rereading
// few characters (nested repeats such as (a*)*b), which the read budget alone would let run for seconds.
template <>
void boost::BOOST_REGEX_DETAIL_NS::perl_matcher<
    pantrove::regex_engine::ReadCounter, pantrove::regex_engine::MatchResults::allocator_type,
    pantrove::regex_engine::Utf16Traits>::estimate_max_state_count(std::random_access_iterator_tag*) {
    using namespace pantrove::regex_engine;
    const std::int64_t limit = kBaseStateLimit + kStatesPerUnit * static_cast<std::int64_t>(last - base);
    max_state_count = static_cast<std::ptrdiff_t>(std::min<std::int64_t>(limit, PTRDIFF_MAX));
}

namespace pantrove::regex_engine {
namespace {

std::optional<Matches> search_all(const Regex& regex, std::u16string_view subject, bool global) {
    std::int64_t budget = kBaseReadBudget + kReadsPerUnit * static_cast<std::int64_t>(subject.size());
    const ReadCounter begin(subject.data(), &budget);
    const ReadCounter end = begin + static_cast<std::ptrdiff_t>(subject.size());
    const int group_count = static_cast<int>(regex.mark_count());

    Matches matches{group_count, {}};
    MatchResults found;
    for (ReadCounter from = begin; from <= end;) {
        if (!boost::regex_search(from, end, found, regex, boost::match_default, begin))
            break;
        for (int group = 0; group <= group_count; ++group) {
            const auto& sub = found[group];
            matches.spans.push_back(
                sub.matched ? Span{static_cast<int>(sub.first - begin), static_cast<int>(sub.second - begin)} : Span{});
        }
        if (!global)
            break;
        from = found[0].second;
        if (found[0].first == found[0].second)
            ++from;
    }
    return matches;
}

} // namespace

std::optional<Matches> find_matches(std::u16string_view pattern, std::u16string_view subject, const Options& options) {
    if (subject.size() > static_cast<size_t>(INT_MAX) - 1)
        return std::nullopt;
    const std::optional<std::u16string> translated = translate_pattern(pattern, options.multiline);
    if (!translated)
        return std::nullopt;
    try {
        boost::regex_constants::syntax_option_type flags = boost::regex_constants::perl;
        if (options.ignore_case)
            flags |= boost::regex_constants::icase;
        const Regex regex(*translated, flags);
        return search_all(regex, subject, options.global);
    } catch (...) {
        // an invalid pattern, the engine's complexity or memory limit, or the read budget
        return std::nullopt;
    }
}

} // namespace pantrove::regex_engine
