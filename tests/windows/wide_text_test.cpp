#include "text/wide_text.h"

#include <gtest/gtest.h>

namespace pantrove {
namespace {

TEST(WideText, ConvertsWithCodePage936WhateverTheSystemLocale) {
    EXPECT_EQ(widen("\xD6\xD0"
                    "a"),
              L"\x4E2D"
              L"a");
    EXPECT_EQ(narrow(L"\x4E2D"
                     L"a"),
              "\xD6\xD0"
              "a");
    EXPECT_EQ(widen(""), L"");
}

TEST(WideText, WindowTextRoundTripsChinese) {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    set_window_text(window, "信息：");
    EXPECT_EQ(window_text(window), "信息：");
    wchar_t raw[8] = {};
    GetWindowTextW(window, raw, 8);
    EXPECT_STREQ(raw, L"\x4FE1\x606F\xFF1A");
    DestroyWindow(window);
}

} // namespace
} // namespace pantrove
