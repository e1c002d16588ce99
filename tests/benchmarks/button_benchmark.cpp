// Prints how long skinned buttons take to paint, in milliseconds per paint: every paint composes over the
// window image afresh and decodes the check-box pictures anew. Run it from build/x86_64 under wine on an X
// display.
#include "app/startup.h"
#include "gdiplus/image.h"
#include "resources/embedded.h"
#include "skin/controls/buttons.h"
#include "skin/controls/child_controls.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace pantrove;

volatile unsigned long sink = 0;

// Prints the mean and the fastest of the runs: the machines are shared, and the fastest run is the one least
// disturbed by others.
void measure(const char* what, int repeats, const std::function<void()>& run) {
    double total = 0;
    double fastest = 0;
    for (int i = 0; i < repeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        total += elapsed.count();
        fastest = i == 0 ? elapsed.count() : std::min(fastest, elapsed.count());
    }
    std::printf("%-50s %9.3f ms  (fastest %.3f)\n", what, total / repeats, fastest);
}

// A 32-bit memory DC, the window's composed image or a target to paint into.
struct Image {
    Image(int width, int height) {
        BITMAPINFO info{};
        info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = CreateCompatibleDC(nullptr);
        replaced = SelectObject(dc, bitmap);
    }
    ~Image() {
        SelectObject(dc, replaced);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    HBITMAP bitmap;
    HDC dc;
    HGDIOBJ replaced;
};

HWND child(HWND parent, DWORD style, int y, const wchar_t* text) {
    return CreateWindowExW(0, L"Button", text, WS_CHILD | WS_VISIBLE | style, 20, y, 100, 26, parent, nullptr, nullptr,
                           nullptr);
}

void benchmark_buttons() {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 577, 344, nullptr, nullptr, nullptr, nullptr);
    HWND push = child(window, BS_PUSHBUTTON, 20, L"百度云解析");
    HWND check = child(window, BS_AUTOCHECKBOX, 60, L"记住密码");
    HWND radio = child(window, BS_AUTORADIOBUTTON, 100, L"选项");
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(577, 344);
    window_record(number)->background_dc = frame.dc;
    skin_child_controls(number, window);
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);

    Image target(100, 26);
    const RECT rect{0, 0, 100, 26};
    measure("paint_push_button 100x26, normal", 1000, [&] { paint_push_button(push, target.dc, 0, rect); });
    measure("paint_push_button 100x26, hot and pressed", 1000,
            [&] { paint_push_button(push, target.dc, button_state::hot | button_state::pressed, rect); });
    measure("paint_push_button 100x26, disabled", 1000,
            [&] { paint_push_button(push, target.dc, button_state::disabled, rect); });
    measure("paint_check_box 100x26, checked and hot", 1000, [&] { paint_check_box(check, button_state::hot); });
    measure("paint_radio_button 100x26, checked and hot", 1000, [&] { paint_radio_button(radio, button_state::hot); });
    measure("hover in and out of a push button (two paints)", 500, [&] {
        SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(push, WM_MOUSELEAVE, 0, 0);
    });
    const ByteArray frame_picture = embedded_bytes(Picture::CheckFrame);
    measure("decode the 13x13 check-box frame picture", 1000, [&] {
        gdiplus::Bitmap bitmap;
        bitmap.load_from_bytes(frame_picture);
        sink = bitmap.pixel(0, 0);
    });

    window_table.clear();
    DestroyWindow(window);
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    benchmark_buttons();
    on_program_exit();
    return 0;
}
