// Helpers of the skinned-control tests: a shown skinned window whose composed image tells its coordinates,
// buttons in it, pictures of what a window or a DC shows, and a stand-in for a control's own procedure that
// records what reaches it.
#pragma once

#include "skin/controls/child_controls.h"
#include "skin/core/owner_buttons.h"
#include "tests/windows/skin_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace pantrove::testing_support {

// What a DC shows in a rectangle, row by row.
struct Snapshot {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Snapshot&) const = default;

    // Pixels for which the test holds.
    int count(const std::function<bool(COLORREF)>& test) const {
        int n = 0;
        for (COLORREF pixel : pixels)
            n += test(pixel) ? 1 : 0;
        return n;
    }
    // The smallest rectangle holding every pixel for which the test holds; empty when none does.
    RECT bounds(const std::function<bool(COLORREF)>& test) const {
        RECT r{width, height, 0, 0};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (test(at(x, y)))
                    r = RECT{std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
                             std::max<LONG>(r.bottom, y + 1)};
            }
        }
        return r.right > r.left ? r : RECT{};
    }
};

inline Snapshot snapshot(HDC dc, int width, int height) {
    Snapshot shot{width, height, {}};
    shot.pixels.reserve(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            shot.pixels.push_back(GetPixel(dc, x, y));
    }
    return shot;
}

// What the window shows in its client area.
inline Snapshot snapshot(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    Snapshot shot = snapshot(dc, client.right, client.bottom);
    ReleaseDC(window, dc);
    return shot;
}

inline COLORREF window_pixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

// Paints the client area of a window in one colour, straight onto its DC: whatever repaints the window
// afterwards replaces it.
inline void paint_marker(HWND window, COLORREF colour) {
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

inline void fill(HDC dc, int width, int height, COLORREF colour) {
    RECT r{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

// The colour seen where colour of opacity alpha lies over under.
inline COLORREF over(COLORREF under, COLORREF colour, int alpha) {
    const auto mix = [alpha](int below, int above) { return (below * (255 - alpha) + above * alpha + 127) / 255; };
    return RGB(mix(GetRValue(under), GetRValue(colour)), mix(GetGValue(under), GetGValue(colour)),
               mix(GetBValue(under), GetBValue(colour)));
}

// Close enough for colours blended by GDI+: a rounding step or two.
inline ::testing::AssertionResult near_colour(COLORREF seen, COLORREF expected, int tolerance = 3) {
    if (difference(seen, expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "seen RGB(" << int(GetRValue(seen)) << ", " << int(GetGValue(seen)) << ", "
                                         << int(GetBValue(seen)) << "), expected RGB(" << int(GetRValue(expected))
                                         << ", " << int(GetGValue(expected)) << ", " << int(GetBValue(expected)) << ")";
}

inline int brightness(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// Runs the window's pending messages.
inline void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline LPARAM point(int x, int y) {
    return MAKELPARAM(x, y);
}

// Shows a window without activating it: wine then needs no window manager's answer to hide it again, which
// it would wait two seconds for on a bare X server.
inline HWND show_inactive(HWND window) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    return window;
}

// Stands in for a control's own procedure under the skin: installed before the skin subclasses the control,
// it records every message that reaches it and passes it on to the control's class procedure. After the
// messages named in paint_after it paints the control blue, as a control drawing its own look would.
class RecordingProcedure {
public:
    static constexpr COLORREF kOwnLook = RGB(0, 0, 255);

    explicit RecordingProcedure(HWND control) : control_(control) {
        SetPropW(control, kSelf, this);
        // The class procedure stays reachable after this object is gone: the control still needs it to die.
        SetPropW(control, kClassProcedure,
                 reinterpret_cast<HANDLE>(SetWindowLongPtrW(
                     control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProcedure::procedure))));
    }
    RecordingProcedure(const RecordingProcedure&) = delete;
    RecordingProcedure& operator=(const RecordingProcedure&) = delete;
    ~RecordingProcedure() { RemovePropW(control_, kSelf); }

    std::vector<UINT> paint_after;

    bool received(UINT message) const { return std::find(seen_.begin(), seen_.end(), message) != seen_.end(); }
    void forget() { seen_.clear(); }

private:
    static constexpr wchar_t kSelf[] = L"test_recording_procedure";
    static constexpr wchar_t kClassProcedure[] = L"test_class_procedure";

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        const auto next = reinterpret_cast<WNDPROC>(GetPropW(window, kClassProcedure));
        auto* self = static_cast<RecordingProcedure*>(GetPropW(window, kSelf));
        if (self)
            self->seen_.push_back(message);
        const LRESULT result = next ? CallWindowProcW(next, window, message, wparam, lparam)
                                    : DefWindowProcW(window, message, wparam, lparam);
        if (self && std::find(self->paint_after.begin(), self->paint_after.end(), message) != self->paint_after.end())
            paint_marker(window, kOwnLook);
        return result;
    }

    HWND control_;
    std::vector<UINT> seen_;
};

// A shown (inactive) skinned window at (120, 80) whose composed image tells its coordinates, and whose procedure
// hands WM_DRAWITEM to draw_owner_button as the skinned window procedure does.
class SkinnedWindowTest : public SkinTest {
protected:
    static constexpr int kLeft = 120, kTop = 80;

    void SetUp() override {
        SkinTest::SetUp();
        window = show_inactive(top_window(360, 240, false, kLeft, kTop));
        number = add_record(window);
        compose(number);
        parent_procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinnedWindowTest::drawing_parent)));
        SetPropW(window, kParentProcedure, reinterpret_cast<HANDLE>(parent_procedure));
    }

    SkinnedWindow& record() { return *window_record(number); }

    HWND button(HWND parent, DWORD style, int x, int y, int width, int height, const wchar_t* text = L"") {
        HWND made = child(parent, L"Button", style, x, y, width, height);
        SetWindowTextW(made, text);
        return made;
    }

    // The background of the composed image under the point (x, y) of a child of the window.
    static COLORREF behind(HWND control, int x, int y) {
        POINT origin{0, 0};
        MapWindowPoints(control, GetAncestor(control, GA_ROOT), &origin, 1);
        return coordinate_colour(origin.x + x, origin.y + y);
    }

    HWND window = nullptr;
    int number = 0;
    WNDPROC parent_procedure = nullptr;

private:
    static constexpr wchar_t kParentProcedure[] = L"test_parent_procedure";

    static LRESULT CALLBACK drawing_parent(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_DRAWITEM)
            draw_owner_button(props::get_int(hwnd, props::kOwnNumber),
                              *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        const auto previous = reinterpret_cast<WNDPROC>(GetPropW(hwnd, kParentProcedure));
        return previous ? CallWindowProcW(previous, hwnd, message, wparam, lparam)
                        : DefWindowProcW(hwnd, message, wparam, lparam);
    }
};

} // namespace pantrove::testing_support
