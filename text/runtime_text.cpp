#include "text/runtime_text.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace pantrove::rt {
namespace {

constexpr std::string_view kFullWidthBlank = "\xA1\xA1";

size_t char_length_at(std::string_view text, size_t pos) {
    return is_lead_byte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

bool is_blank_char(std::string_view character) {
    return character == " " || character == kFullWidthBlank;
}

int clamp_size(size_t size) {
    return size > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(size);
}

// Walks character starts from the beginning of a text. Candidates must be asked for in increasing order,
// which keeps a whole scan linear.
class CharStarts {
public:
    explicit CharStarts(std::string_view text) : text_(text) {}

    bool is_start(size_t pos) {
        while (next_ < pos)
            next_ += char_length_at(text_, next_);
        return next_ == pos;
    }

private:
    std::string_view text_;
    size_t next_ = 0;
};

// Finds `search` in `text` at a character start at or after the 0-based `from`; npos when there is none.
size_t find_at_char_start(std::string_view text, std::string_view search, size_t from, CharStarts& starts) {
    for (size_t pos = text.find(search, from); pos != std::string_view::npos; pos = text.find(search, pos + 1)) {
        if (starts.is_start(pos))
            return pos;
    }
    return std::string_view::npos;
}

// Lower-cases for a case-insensitive search; character starts stay where they were.
std::string folded(std::string_view text, bool ignore_case) {
    return ignore_case ? to_lower(text) : std::string(text);
}

} // namespace

int length(std::string_view text) {
    return clamp_size(text.size());
}

TextValue left(std::string_view text, int n) {
    if (n <= 0)
        return {};
    return TextValue(text.substr(0, static_cast<size_t>(n)));
}

TextValue right(std::string_view text, int n) {
    if (n <= 0)
        return {};
    const size_t count = std::min(text.size(), static_cast<size_t>(n));
    return TextValue(text.substr(text.size() - count));
}

TextValue mid(std::string_view text, int start, int n) {
    if (start < 1 || static_cast<size_t>(start) > text.size() || n <= 0)
        return {};
    return TextValue(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(n)));
}

int find(std::string_view text, std::string_view search, int start, bool ignore_case) {
    if (search.empty())
        return text.empty() ? -1 : 1;
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start - 1);
    if (from >= text.size())
        return -1;
    const std::string hay = folded(text, ignore_case);
    const std::string needle = folded(search, ignore_case);
    CharStarts starts(hay);
    const size_t pos = find_at_char_start(hay, needle, from, starts);
    return pos == std::string_view::npos ? -1 : clamp_size(pos + 1);
}

int find_last(std::string_view text, std::string_view search, bool ignore_case) {
    if (search.empty())
        return text.empty() ? -1 : 1;
    const std::string hay = folded(text, ignore_case);
    const std::string needle = folded(search, ignore_case);
    CharStarts starts(hay);
    size_t last = std::string_view::npos;
    for (size_t pos = find_at_char_start(hay, needle, 0, starts); pos != std::string_view::npos;
         pos = find_at_char_start(hay, needle, pos + 1, starts))
        last = pos;
    return last == std::string_view::npos ? -1 : clamp_size(last + 1);
}

TextValue replace_all(std::string_view text, std::string_view old_text, std::string_view new_text,
                      bool case_sensitive) {
    if (old_text.empty())
        return TextValue(text);
    const std::string hay = folded(text, !case_sensitive);
    const std::string needle = folded(old_text, !case_sensitive);
    CharStarts starts(hay);
    TextValue out;
    out.reserve(text.size());
    size_t copied = 0;
    for (size_t pos = find_at_char_start(hay, needle, 0, starts); pos != std::string_view::npos;
         pos = find_at_char_start(hay, needle, pos + needle.size(), starts)) {
        out.append(text.substr(copied, pos - copied));
        out.append(new_text);
        copied = pos + needle.size();
    }
    out.append(text.substr(copied));
    return out;
}

std::vector<TextValue> split(std::string_view text, std::string_view separator) {
    std::vector<TextValue> items;
    if (text.empty())
        return items;
    if (separator.empty()) {
        items.emplace_back(text);
        return items;
    }
    CharStarts starts(text);
    size_t begin = 0;
    for (size_t pos = find_at_char_start(text, separator, 0, starts); pos != std::string_view::npos;
         pos = find_at_char_start(text, separator, pos + separator.size(), starts)) {
        items.emplace_back(text.substr(begin, pos - begin));
        begin = pos + separator.size();
    }
    if (begin < text.size())
        items.emplace_back(text.substr(begin));
    return items;
}

TextValue trim(std::string_view text) {
    size_t first = std::string_view::npos;
    size_t end = 0;
    for (size_t pos = 0; pos < text.size();) {
        const size_t len = char_length_at(text, pos);
        if (!is_blank_char(text.substr(pos, len))) {
            if (first == std::string_view::npos)
                first = pos;
            end = pos + len;
        }
        pos += len;
    }
    if (first == std::string_view::npos)
        return {};
    return TextValue(text.substr(first, end - first));
}

TextValue remove_blanks(std::string_view text) {
    TextValue out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const size_t len = char_length_at(text, pos);
        if (!is_blank_char(text.substr(pos, len)))
            out.append(text.substr(pos, len));
        pos += len;
    }
    return out;
}

TextValue to_lower(std::string_view text) {
    TextValue out(text);
    for (size_t pos = 0; pos < out.size(); ++pos) {
        const auto byte = static_cast<unsigned char>(out[pos]);
        if (is_lead_byte(byte))
            ++pos; // the trail byte is part of the character, not a letter
        else if (byte >= 'A' && byte <= 'Z')
            out[pos] = static_cast<char>(byte + ('a' - 'A'));
    }
    return out;
}

TextValue to_text(long long number) {
    return std::to_string(number);
}

int to_integer(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        negative = text[pos++] == '-';
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

TextValue hex_text(std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    TextValue out;
    if (byte >= 16)
        out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 15]);
    return out;
}

TextValue char_from_code(std::uint8_t code) {
    return code == 0 ? TextValue() : TextValue(1, static_cast<char>(code));
}

ByteArray text_to_bytes(std::string_view text) {
    return ByteArray(text.begin(), text.end());
}

TextValue bytes_to_text(const ByteArray& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return TextValue(bytes.begin(), end);
}

ByteArray blank_bytes(int n) {
    return ByteArray(n > 0 ? static_cast<size_t>(n) : 0, 0);
}

TextValue blank_text(int n) {
    return TextValue(n > 0 ? static_cast<size_t>(n) : 0, ' ');
}

} // namespace pantrove::rt
