#include "text/wide_text.h"

#include "text/codepage.h"

namespace pantrove {

std::wstring widen(std::string_view text) {
    const std::u16string units = codepage::to_utf16(text, codepage::kGbk);
    return std::wstring(units.begin(), units.end());
}

TextValue narrow(std::wstring_view text) {
    return codepage::from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()),
                                codepage::kGbk);
}

TextValue window_text(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, buffer.data(), length + 1);
    buffer.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return narrow(buffer);
}

void set_window_text(HWND window, std::string_view text) {
    SetWindowTextW(window, widen(text).c_str());
}

std::optional<std::wstring> environment_value(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD copied = GetEnvironmentVariableW(name, value.data(), size);
    value.resize(copied < size ? copied : 0);
    return value;
}

} // namespace pantrove
