#include "text/codepage.h"

#include <cerrno>
#include <iconv.h>

namespace pantrove::codepage {
namespace {

const char* iconv_name(unsigned code_page) {
    return code_page == kUtf8 ? "UTF-8" : "CP936";
}

// Converts `in` from one iconv encoding to another. An invalid or unmappable input unit is replaced by
// `replacement` and skipped, as the Win32 functions do with flags 0.
std::string convert(const char* to, const char* from, std::string_view in, std::string_view replacement,
                    size_t unit_size) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string out;
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char buffer[4096];
    while (src_left > 0) {
        char* dst = buffer;
        size_t dst_left = sizeof buffer;
        const size_t rc = iconv(cd, &src, &src_left, &dst, &dst_left);
        out.append(buffer, sizeof buffer - dst_left);
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or a truncated sequence at the end (EINVAL): replace one unit and go on.
        out.append(replacement);
        const size_t skip = src_left < unit_size ? src_left : unit_size;
        src += skip;
        src_left -= skip;
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::u16string to_utf16(std::string_view bytes, unsigned code_page) {
    static constexpr char16_t kReplacement[] = u"\uFFFD";
    const std::string raw = convert("UTF-16LE", iconv_name(code_page), bytes,
                                    std::string_view(reinterpret_cast<const char*>(kReplacement), sizeof(char16_t)), 1);
    std::u16string units(raw.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         static_cast<unsigned char>(raw[2 * i + 1]) << 8);
    return units;
}

std::string from_utf16(std::u16string_view units, unsigned code_page) {
    std::string raw;
    raw.reserve(units.size() * 2);
    for (char16_t unit : units) {
        raw.push_back(static_cast<char>(unit & 0xFF));
        raw.push_back(static_cast<char>(unit >> 8));
    }
    return convert(iconv_name(code_page), "UTF-16LE", raw, "?", 2);
}

} // namespace pantrove::codepage
