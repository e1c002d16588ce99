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
#include "tests/benchmarks/benchmark_support.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

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
    report("paint_push_button 100x26, normal", 1000, [&] { paint_push_button(push, target.dc, 0, rect); });
    report("paint_push_button 100x26, hot and pressed", 1000,
           [&] { paint_push_button(push, target.dc, button_state::hot | button_state::pressed, rect); });
    report("paint_push_button 100x26, disabled", 1000,
           [&] { paint_push_button(push, target.dc, button_state::disabled, rect); });
    report("paint_check_box 100x26, checked and hot", 1000, [&] { paint_check_box(check, button_state::hot); });
    report("paint_radio_button 100x26, checked and hot", 1000, [&] { paint_radio_button(radio, button_state::hot); });
    report("hover in and out of a push button (two paints)", 500, [&] {
        SendMessageW(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(push, WM_MOUSELEAVE, 0, 0);
    });
    const ByteArray frame_picture = embedded_bytes(Picture::CheckFrame);
    report("decode the 13x13 check-box frame picture", 1000, [&] {
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
