// Helpers of the list and header tests: a skinned window holding list controls, the pixels of a control's
// whole window (frame included) and of the composed image behind them.
#pragma once

#include "skin/controls/control_registry.h"
#include "tests/windows/control_test_support.h"

#include <commctrl.h>

#include <string>

namespace pantrove::testing_support {

inline COLORREF frame_pixel(HWND control, int x, int y) {
    HDC dc = GetWindowDC(control);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return pixel;
}

// Paints the whole window of a control, frame included, in one colour.
inline void paint_frame_marker(HWND control, COLORREF colour) {
    RECT r{};
    GetWindowRect(control, &r);
    OffsetRect(&r, -r.left, -r.top);
    HDC dc = GetWindowDC(control);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(control, dc);
}

inline SIZE window_size(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// Dark pixels: text drawn in black over the light backdrop.
inline bool is_dark(COLORREF c) {
    return brightness(c) < 200;
}

inline bool is_magenta(COLORREF c) {
    return GetRValue(c) > 240 && GetGValue(c) < 16 && GetBValue(c) > 240;
}

class ListWindowTest : public SkinnedWindowTest {
protected:
    static constexpr COLORREF kTheme = RGB(200, 30, 30);
    static constexpr COLORREF kMarker = RGB(0, 0, 255);

    void SetUp() override {
        SkinnedWindowTest::SetUp();
        theme_colour = kTheme;
    }

    // The composed image behind the point (x, y) of a control's whole window.
    COLORREF behind_frame(HWND control, int x, int y) {
        RECT r{};
        GetWindowRect(control, &r);
        POINT origin{r.left, r.top};
        ScreenToClient(window, &origin);
        return coordinate_colour(origin.x + x, origin.y + y);
    }

    // The veiled backdrop over the composed image at the point (x, y) of a control's client area.
    static COLORREF veiled(HWND control, int x, int y) {
        return over(behind(control, x, y), RGB(255, 255, 255), control_alpha);
    }

    HWND control(const wchar_t* window_class, DWORD style, int x, int y, int width, int height, DWORD ex_style = 0) {
        HWND made = child(window, window_class, style, x, y, width, height);
        if (ex_style) {
            SetWindowLongPtrW(made, GWL_EXSTYLE, static_cast<LONG_PTR>(ex_style));
            SetWindowPos(made, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        return made;
    }

    // A report list view with the two columns of the result list and `rows` rows of two texts.
    HWND report_list(int x, int y, int width, int height, int rows, DWORD style = 0) {
        HWND list = control(WC_LISTVIEWW, LVS_REPORT | WS_BORDER | style, x, y, width, height);
        add_column(list, 0, L"序号", 45);
        add_column(list, 1, L"网址", 500);
        for (int row = 0; row < rows; ++row) {
            std::wstring number = std::to_wstring(row + 1);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.pszText = number.data();
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
            std::wstring address = L"http://example.test/files/" + number + L"/WWWWWWWW";
            item.iSubItem = 1;
            item.pszText = address.data();
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        }
        return list;
    }

    static void add_column(HWND list, int index, const wchar_t* title, int width) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = width;
        column.pszText = const_cast<wchar_t*>(title);
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
    }

    // Repaints a control at once, frame and children included.
    static void redraw(HWND control) {
        RedrawWindow(control, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pump();
    }
};

} // namespace pantrove::testing_support
