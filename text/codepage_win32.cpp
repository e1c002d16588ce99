#include "text/codepage.h"

#include <windows.h>

#include <climits>

namespace pantrove::codepage {

std::u16string to_utf16(std::string_view bytes, unsigned code_page) {
    if (bytes.empty() || bytes.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(bytes.size());
    const int needed = MultiByteToWideChar(code_page, 0, bytes.data(), length, nullptr, 0);
    if (needed <= 0)
        return {};
    std::u16string units(static_cast<size_t>(needed), u'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(units.data()), needed);
    return units;
}

std::string from_utf16(std::u16string_view units, unsigned code_page) {
    if (units.empty() || units.size() > INT_MAX)
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    const int length = static_cast<int>(units.size());
    const int needed = WideCharToMultiByte(code_page, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0)
        return {};
    std::string bytes(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(code_page, 0, wide, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

} // namespace pantrove::codepage
