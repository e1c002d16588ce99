// Code page 936 texts at the Windows interfaces: every call into Windows takes and gives UTF-16, converted
// explicitly from and to code page 936, so the program reads right under any system locale.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pantrove {

std::wstring widen(std::string_view text);
TextValue narrow(std::wstring_view text);

// The text of a window (caption, edit or label text) in code page 936.
TextValue window_text(HWND window);
void set_window_text(HWND window, std::string_view text);

// The value of an environment variable of this process; none when it is not set.
std::optional<std::wstring> environment_value(const wchar_t* name);

} // namespace pantrove
