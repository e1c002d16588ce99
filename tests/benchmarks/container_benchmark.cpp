// Prints how long containers and colour-keyed panels take to paint, in milliseconds per paint: each paint
// composes the container over the window image afresh. Run it from build/x86_64 under wine on an X display.
#include "app/startup.h"
#include "skin/core/containers.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/benchmarks/benchmark_support.h"

#include <commctrl.h>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

HWND child(HWND parent, const wchar_t* window_class, DWORD style, int x, int y, const wchar_t* text = L"") {
    return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, 240, 140, parent, nullptr,
                           nullptr, nullptr);
}

void repaint(HWND control) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
}

void benchmark_containers() {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 577, 344, nullptr, nullptr, nullptr, nullptr);
    HWND group = child(window, L"Button", BS_GROUPBOX | BS_CENTER, 20, 20, L"解析选项");
    HWND box = child(window, L"Static", 0, 300, 20);
    HWND tabs = child(window, WC_TABCONTROLW, 0, 20, 180);
    HWND label = child(window, L"Static", SS_LEFT, 300, 180, L"已解析 12 个链接");
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(577, 344);
    window_record(number)->background_dc = frame.dc;
    skin->skin_container(group, true, 0xDDCA22, 90);
    skin->skin_container(box, true, 0x2222CC, 120, true);
    skin->skin_panel(tabs, 0xFFFFFF);
    skin->skin_panel(label);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    const int group_entry = find_container_number(number, group);
    const int box_entry = find_container_number(number, box);
    Image target(240, 140);
    report("render_container group box 240x140, tinted, centred caption", 500,
           [&] { render_container(number, group_entry, target.dc); });
    report("render_container panel 240x140, tinted and outlined", 500,
           [&] { render_container(number, box_entry, target.dc); });
    report("present_container group box 240x140 (to the screen)", 500, [&] { present_container(number, group_entry); });
    report("repaint a tab control panel 240x140 (composed off screen)", 500, [&] { repaint(tabs); });
    report("repaint a static panel 240x140 (corrected on the screen)", 500, [&] { repaint(label); });

    window_table.clear();
    DestroyWindow(window);
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    benchmark_containers();
    on_program_exit();
    return 0;
}
