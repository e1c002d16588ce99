// Helpers of the tests of skinned frames: top-level windows skinned by skin_window over a procedure of their
// own, the message pump that lets their fade timer fire, and the pixels of a title button in the composed image.
#pragma once

#include "gdiplus/graphics.h"
#include "skin/core/skin_object.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace pantrove::testing_support {

// What the windows' own procedure answers to WM_CTLCOLOR* and WM_APP: a message that comes back with it
// went through the skin to the procedure it replaced.
inline constexpr LRESULT kOwnAnswer = 0x5A5A;

inline LRESULT CALLBACK own_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_APP:
        return kOwnAnswer;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

inline constexpr wchar_t kFrameTestClass[] = L"PantroveFrameTestWindow";

inline void register_frame_test_class() {
    WNDCLASSW window_class{};
    window_class.style = CS_DBLCLKS;
    window_class.lpfnWndProc = own_window_proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = kFrameTestClass;
    RegisterClassW(&window_class);
}

// Dispatches this thread's messages until `done` holds; false when it does not within 15 s.
template <class Condition> bool pump_until(Condition done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        } else if (GetTickCount() - start > 15000) {
            return false;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    return true;
}

// Dispatches this thread's messages until the fade timer of `window` (whose id is the window handle) has
// ticked `ticks` times, calling after_tick(k) after tick k. False when the ticks do not come.
inline bool run_fade_ticks(HWND window, int ticks, const std::function<void(int)>& after_tick = {}) {
    int seen = 0;
    const DWORD start = GetTickCount();
    while (seen < ticks) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            const bool tick = message.message == WM_TIMER && message.hwnd == window &&
                              message.wParam == reinterpret_cast<WPARAM>(window);
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (tick) {
                ++seen;
                if (after_tick)
                    after_tick(seen);
            }
        } else if (GetTickCount() - start > 15000) {
            return false;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
    }
    return true;
}

// The client point packed as a mouse message carries it.
inline LPARAM mouse_at(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// Skinned top-level windows. Each test starts with the first WM_SIZE still pending, as at start-up.
class SkinnedFrameTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        register_frame_test_class();
        saved_first_size_pending_ = first_size_pending;
        first_size_pending = 1;
        // The real pointer stays off every test window: only the messages a test sends move "the mouse".
        SetCursorPos(1279, 1023);
    }

    void TearDown() override {
        SkinTest::TearDown();
        first_size_pending = saved_first_size_pending_;
    }

    // A window of the given client size and title-bar boxes (WS_MINIMIZEBOX, WS_MAXIMIZEBOX), skinned.
    // Returns its number; the handle is in the record.
    int skinned(int width, int height, DWORD boxes = 0, const SkinWindowOptions& options = {}) {
        HWND window = top_window(width, height, false, 120, 80, kFrameTestClass);
        SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | static_cast<LONG_PTR>(boxes));
        skin->skin_window(window, options);
        return find_window_number(window);
    }

    // Shows the window without activating it: it renders its composed image and paints.
    static void show(HWND window) {
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
    }

    static SkinnedWindow& record(int number) { return *window_record(number); }
    static HWND handle(int number) { return window_record(number)->window; }

    // The centre of title button `button` in client coordinates.
    static LPARAM button_centre(int number, int button) {
        const auto& r = record(number).title_button(button).hit_rect;
        return mouse_at(static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2));
    }

    // The pixels of title button `button` in the window's composed image, row by row.
    static std::vector<COLORREF> button_pixels(int number, int button) {
        const SkinnedWindow& r = record(number);
        const TitleButton& b = window_record(number)->title_button(button);
        const int x = static_cast<int>(b.hit_rect.x) - 1, y = r.strip_y + 1;
        std::vector<COLORREF> pixels;
        for (int row = y; row < y + b.height; ++row) {
            for (int column = x; column < x + b.width; ++column)
                pixels.push_back(GetPixel(r.background_dc, column, row));
        }
        return pixels;
    }

    // The pixels of the button drawn in its normal look at the opacity (the face of a hover fade).
    static std::vector<COLORREF> pixels_at_opacity(int number, int button, int opacity) {
        gdiplus::Graphics graphics;
        skin->draw_title_button(number, button, graphics, false, 0, opacity);
        return button_pixels(number, button);
    }

private:
    int saved_first_size_pending_ = 1;
};

} // namespace pantrove::testing_support
