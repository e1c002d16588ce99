#include "text/regex_syntax.h"

namespace pantrove {
namespace {

constexpr char16_t kLineFeed = u'\n';

// Larger numbers cannot name a group and would overflow: a decimal escape stops growing beyond this.
constexpr int kDecimalEscapeCap = 100000;

bool is_ascii_letter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool is_digit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool is_octal_digit(char16_t c) {
    return c >= u'0' && c <= u'7';
}

int hex_value(char16_t c) {
    if (is_digit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool is_class_escape(char16_t c) {
    switch (c) {
    case u'd':
    case u'D':
    case u'w':
    case u'W':
    case u's':
    case u'S':
        return true;
    default:
        return false;
    }
}

// One member of a class: a single character, or one of the escape classes (\d, \W, ...).
struct ClassAtom {
    char16_t character = 0;
    char16_t escape_class = 0; // the letter of an escape class, 0 for a character
};

// Counts the capturing groups, which decides whether an escape like \12 is a back reference.
int count_groups(std::u16string_view pattern) {
    int groups = 0;
    bool in_class = false;
    for (size_t pos = 0; pos < pattern.size(); ++pos) {
        const char16_t c = pattern[pos];
        if (c == u'\\') {
            ++pos;
        } else if (in_class) {
            in_class = c != u']';
        } else if (c == u'[') {
            in_class = true;
            // "]" right after "[" or "[^" closes an empty class
            if (pos + 1 < pattern.size() && pattern[pos + 1] == u'^')
                ++pos;
            if (pos + 1 < pattern.size() && pattern[pos + 1] == u']') {
                ++pos;
                in_class = false;
            }
        } else if (c == u'(' && (pos + 1 >= pattern.size() || pattern[pos + 1] != u'?')) {
            ++groups;
        }
    }
    return groups;
}

class Translator {
public:
    Translator(std::u16string_view pattern, bool multiline)
        : in_(pattern), multiline_(multiline), groups_(count_groups(pattern)) {}

    std::optional<std::u16string> run() {
        while (pos_ < in_.size()) {
            if (!step())
                return std::nullopt;
        }
        if (open_groups_ != 0)
            return std::nullopt;
        return std::move(out_);
    }

private:
    bool at_end() const { return pos_ >= in_.size(); }
    char16_t peek(size_t ahead = 0) const { return pos_ + ahead < in_.size() ? in_[pos_ + ahead] : 0; }

    void emit(std::u16string_view text) { out_ += text; }

    void emit_character(char16_t c) {
        if (is_ascii_letter(c) || is_digit(c)) {
            out_ += c;
            return;
        }
        static constexpr char16_t kHex[] = u"0123456789ABCDEF";
        out_ += u"\\x{";
        for (int shift = 12; shift >= 0; shift -= 4)
            out_ += kHex[(c >> shift) & 15];
        out_ += u'}';
    }

    void emit_literal(char16_t c) {
        emit_character(c);
        can_quantify_ = true;
    }

    bool step() {
        const char16_t c = in_[pos_++];
        switch (c) {
        case u'\\':
            return escape();
        case u'^':
            emit(multiline_ ? u"(?<![^\\x{000A}\\x{000D}])" : u"\\A");
            can_quantify_ = false;
            return true;
        case u'$':
            emit(multiline_ ? u"(?![^\\x{000A}\\x{000D}])" : u"\\z");
            can_quantify_ = false;
            return true;
        case u'.':
            emit(u"[^\\x{000A}]");
            can_quantify_ = true;
            return true;
        case u'(':
            return open_group();
        case u')':
            if (open_groups_ == 0)
                return false;
            --open_groups_;
            emit(u")");
            can_quantify_ = true;
            return true;
        case u'|':
            emit(u"|");
            can_quantify_ = false;
            return true;
        case u'*':
        case u'+':
        case u'?':
            return quantifier(std::u16string(1, c));
        case u'{': {
            const auto braces = counted_quantifier();
            if (!braces) {
                emit_literal(c);
                return true;
            }
            return !braces->empty() && quantifier(*braces);
        }
        case u'[':
            return character_class();
        default:
            emit_literal(c);
            return true;
        }
    }

    bool open_group() {
        if (peek() == u'?') {
            const char16_t kind = peek(1);
            if (kind != u':' && kind != u'=' && kind != u'!')
                return false;
            pos_ += 2;
            out_ += u"(?";
            out_ += kind;
        } else {
            emit(u"(");
        }
        ++open_groups_;
        can_quantify_ = false;
        return true;
    }

    bool quantifier(const std::u16string& text) {
        if (!can_quantify_)
            return false;
        emit(text);
        if (peek() == u'?') {
            ++pos_;
            emit(u"?");
        }
        can_quantify_ = false;
        return true;
    }

    // "{n}", "{n,}" or "{n,m}" after the "{" just read; nothing when the "{" is a literal, the empty text
    // for bounds out of order.
    std::optional<std::u16string> counted_quantifier() {
        size_t end = pos_;
        const auto digits = [&] {
            const size_t start = end;
            while (end < in_.size() && is_digit(in_[end]))
                ++end;
            return in_.substr(start, end - start);
        };
        const std::u16string_view low = digits();
        if (low.empty())
            return std::nullopt;
        std::u16string_view high = low;
        if (end < in_.size() && in_[end] == u',') {
            ++end;
            high = digits();
        }
        if (end >= in_.size() || in_[end] != u'}')
            return std::nullopt;
        const std::u16string text(in_.substr(pos_ - 1, end + 1 - (pos_ - 1)));
        pos_ = end + 1;
        if (!high.empty() && number_less(high, low))
            return std::u16string();
        return text;
    }

    static bool number_less(std::u16string_view a, std::u16string_view b) {
        while (a.size() > 1 && a.front() == u'0')
            a.remove_prefix(1);
        while (b.size() > 1 && b.front() == u'0')
            b.remove_prefix(1);
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    }

    bool escape() {
        if (at_end())
            return false;
        const char16_t c = in_[pos_++];
        switch (c) {
        case u'b':
        case u'B':
            out_ += u'\\';
            out_ += c;
            can_quantify_ = false;
            return true;
        case u'0':
        case u'1':
        case u'2':
        case u'3':
        case u'4':
        case u'5':
        case u'6':
        case u'7':
        case u'8':
        case u'9':
            return decimal_escape(c);
        default:
            break;
        }
        if (is_class_escape(c)) {
            out_ += u'\\';
            out_ += c;
            can_quantify_ = true;
            return true;
        }
        emit_literal(character_escape(c, false));
        return true;
    }

    // \1..\N name a group when there are that many; otherwise the digits are an octal escape, or, for 8
    // and 9, the digit itself.
    bool decimal_escape(char16_t first) {
        if (first != u'0') {
            int number = first - u'0';
            size_t end = pos_;
            while (end < in_.size() && is_digit(in_[end])) {
                if (number < kDecimalEscapeCap)
                    number = number * 10 + (in_[end] - u'0');
                ++end;
            }
            if (number <= groups_) {
                pos_ = end;
                back_reference(number);
                return true;
            }
        }
        emit_literal(is_octal_digit(first) ? octal_escape(first) : first);
        return true;
    }

    void back_reference(int number) {
        const std::u16string n = decimal(number);
        emit(u"(?(" + n + u")\\g{" + n + u"}|)");
        can_quantify_ = true;
    }

    static std::u16string decimal(int number) {
        std::u16string text;
        do {
            text.insert(text.begin(), static_cast<char16_t>(u'0' + number % 10));
            number /= 10;
        } while (number != 0);
        return text;
    }

    // The first digit is read; 0-3 take up to two more octal digits, 4-7 one more.
    char16_t octal_escape(char16_t first) {
        int value = first - u'0';
        const int more = first <= u'3' ? 2 : 1;
        for (int i = 0; i < more && is_octal_digit(peek()); ++i)
            value = value * 8 + (in_[pos_++] - u'0');
        return static_cast<char16_t>(value);
    }

    // The character an escape other than a digit, a class or an assertion stands for.
    char16_t character_escape(char16_t c, bool in_class) {
        switch (c) {
        case u'f':
            return u'\f';
        case u'n':
            return kLineFeed;
        case u'r':
            return u'\r';
        case u't':
            return u'\t';
        case u'v':
            return u'\v';
        case u'c':
            if (is_ascii_letter(peek()) || (in_class && (is_digit(peek()) || peek() == u'_')))
                return static_cast<char16_t>(in_[pos_++] % 32);
            // "\c" without a control letter is a backslash; the "c" is read again as itself
            --pos_;
            return u'\\';
        case u'x':
            return hex_escape(2, c);
        case u'u':
            return hex_escape(4, c);
        default:
            return c;
        }
    }

    char16_t hex_escape(int digits, char16_t letter) {
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            const int digit = hex_value(peek(static_cast<size_t>(i)));
            if (digit < 0)
                return letter;
            value = value * 16 + digit;
        }
        pos_ += static_cast<size_t>(digits);
        return static_cast<char16_t>(value);
    }

    bool character_class() {
        const bool negated = peek() == u'^';
        if (negated)
            ++pos_;
        can_quantify_ = true;
        if (peek() == u']') {
            ++pos_;
            emit(negated ? u"[\\s\\S]" : u"(?!)");
            return true;
        }
        emit(negated ? u"[^" : u"[");
        for (;;) {
            if (at_end())
                return false;
            if (in_[pos_] == u']') {
                ++pos_;
                break;
            }
            const auto first = class_atom();
            if (!first)
                return false;
            if (peek() == u'-' && pos_ + 1 < in_.size() && in_[pos_ + 1] != u']') {
                ++pos_;
                const auto last = class_atom();
                if (!last)
                    return false;
                if (first->escape_class == 0 && last->escape_class == 0) {
                    if (last->character < first->character)
                        return false;
                    emit_character(first->character);
                    emit(u"-");
                    emit_character(last->character);
                    continue;
                }
                // a range with a class at one end is the two members and a hyphen
                emit_atom(*first);
                emit_character(u'-');
                emit_atom(*last);
                continue;
            }
            emit_atom(*first);
        }
        emit(u"]");
        return true;
    }

    std::optional<ClassAtom> class_atom() {
        const char16_t c = in_[pos_++];
        if (c != u'\\')
            return ClassAtom{c, 0};
        if (at_end())
            return std::nullopt;
        const char16_t e = in_[pos_++];
        if (is_class_escape(e))
            return ClassAtom{0, e};
        if (e == u'b')
            return ClassAtom{u'\b', 0};
        if (is_octal_digit(e))
            return ClassAtom{octal_escape(e), 0};
        return ClassAtom{character_escape(e, true), 0};
    }

    void emit_atom(const ClassAtom& atom) {
        if (atom.escape_class == 0) {
            emit_character(atom.character);
            return;
        }
        out_ += u'\\';
        out_ += atom.escape_class;
    }

    std::u16string_view in_;
    bool multiline_;
    int groups_;
    size_t pos_ = 0;
    std::u16string out_;
    int open_groups_ = 0;
    bool can_quantify_ = false;
};

} // namespace

std::optional<std::u16string> translate_pattern(std::u16string_view pattern, bool multiline) {
    return Translator(pattern, multiline).run();
}

} // namespace pantrove
