// Helpers of the edit box and combo box tests: a skinned window with a theme colour that stands out, and what a
// control shows over its whole window rectangle (its frame included).
#pragma once

#include "skin/controls/control_registry.h"
#include "tests/windows/control_test_support.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pantrove::testing_support {

inline constexpr COLORREF kTheme = RGB(200, 30, 30);
inline constexpr COLORREF kMarker = RGB(0, 0, 255);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// What the control shows over its whole window rectangle.
inline Snapshot window_snapshot(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    HDC dc = GetWindowDC(control);
    Snapshot shot = snapshot(dc, r.right - r.left, r.bottom - r.top);
    ReleaseDC(control, dc);
    return shot;
}

// Paints the whole window rectangle of a control in one colour, its frame included.
inline void mark_window(HWND control, COLORREF colour) {
    RECT r{};
    GetWindowRect(control, &r);
    HDC dc = GetWindowDC(control);
    fill(dc, r.right - r.left, r.bottom - r.top, colour);
    ReleaseDC(control, dc);
}

// The update region of a window, as a box in client coordinates; empty when nothing waits to be painted.
inline RECT pending_update(HWND control) {
    RECT r{};
    if (!GetUpdateRect(control, &r, FALSE))
        return RECT{};
    return r;
}

class EditComboTest : public SkinnedWindowTest {
protected:
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        theme_colour = kTheme;
    }

    // The composed image under the point (x, y) of the control's window rectangle.
    static COLORREF behind_window(HWND control, int x, int y) {
        RECT r{}, top{};
        GetWindowRect(control, &r);
        GetWindowRect(GetAncestor(control, GA_ROOT), &top);
        return coordinate_colour(r.left - top.left + x, r.top - top.top + y);
    }

    // The white veil of control_alpha over the composed image, or opaque white, as the skin shows it there.
    static COLORREF backdrop_at(HWND control, int x, int y) {
        return transparent_controls ? over(behind_window(control, x, y), kWhite, control_alpha) : kWhite;
    }

    HWND edit(HWND parent, DWORD style, int x, int y, int width, int height, bool client_edge = true) {
        HWND made = child(parent, L"Edit", style, x, y, width, height);
        if (client_edge) {
            SetWindowLongPtrW(made, GWL_EXSTYLE, WS_EX_CLIENTEDGE);
            SetWindowPos(made, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
        return made;
    }

    HWND combo(HWND parent, DWORD style, int x, int y, int width, int height = 200) {
        return child(parent, L"ComboBox", style | WS_VSCROLL, x, y, width, height);
    }

    static void add_items(HWND control, std::initializer_list<const wchar_t*> items) {
        for (const wchar_t* item : items)
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
};

} // namespace pantrove::testing_support
