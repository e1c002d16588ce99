// The one seam through which texts change code page: the Win32 conversion functions on Windows,
// iconv on Linux. Everything above it is platform-neutral.
#pragma once

#include <string>
#include <string_view>

namespace pantrove::codepage {

inline constexpr unsigned kAnsi = 0; // the system's ANSI code page; code page 936 on Linux
inline constexpr unsigned kGbk = 936;
inline constexpr unsigned kUtf8 = 65001;

// Bytes in `code_page` to UTF-16. Invalid input converts the way the system converts it.
std::u16string to_utf16(std::string_view bytes, unsigned code_page);

// UTF-16 to bytes in `code_page`; characters the code page lacks become the system's default character.
std::string from_utf16(std::u16string_view units, unsigned code_page);

} // namespace pantrove::codepage
