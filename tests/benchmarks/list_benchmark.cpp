// Prints how long the skinned result list takes to paint, in milliseconds per paint: a transparent report list
// view draws its rows into a veiled backdrop of its whole client area, then its header repaints every column
// in a cell of its own. Run it from build/x86_64 under wine on an X display.
#include "app/startup.h"
#include "skin/controls/child_controls.h"
#include "skin/controls/header_controls.h"
#include "skin/controls/list_controls.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/benchmarks/benchmark_support.h"

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

// The result list as the main window has it: 577 × 232 at (0, 112), the columns "序号" and "网址".
HWND result_list(HWND window, int rows) {
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 112, 577,
                                232, window, nullptr, nullptr, nullptr);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 45;
    column.pszText = const_cast<wchar_t*>(L"序号");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    column.cx = 500;
    column.pszText = const_cast<wchar_t*>(L"网址");
    SendMessageW(list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
    for (int row = 0; row < rows; ++row) {
        std::wstring number = std::to_wstring(row + 1);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = number.data();
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        std::wstring address = L"http://d.pcs.example.test/file/" + number + L"?fid=1234567890&dstime=1400000000";
        item.iSubItem = 1;
        item.pszText = address.data();
        SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    return list;
}

void repaint(HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void benchmark_lists(bool transparent) {
    transparent_controls = transparent ? 1 : 0;
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 577, 344, nullptr, nullptr, nullptr, nullptr);
    HWND list = result_list(window, 300);
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(577, 344);
    const RECT all{0, 0, 577, 344};
    HBRUSH sky = CreateSolidBrush(RGB(90, 140, 200));
    FillRect(frame.dc, &all, sky);
    DeleteObject(sky);
    window_record(number)->background_dc = frame.dc;
    skin_child_controls(number, window);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    HWND header = FindWindowExW(list, nullptr, WC_HEADERW, nullptr);
    repaint(window);

    const char* mode = transparent ? "transparent" : "opaque";
    std::printf("-- %s controls, 300 rows\n", mode);
    report("repaint the result list 577x232 with its header", 100, [&] { repaint(list); });
    report("scroll one page down and up (two repaints)", 50, [&] {
        SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(list);
        UpdateWindow(header);
        SendMessageW(list, WM_VSCROLL, SB_PAGEUP, 0);
        UpdateWindow(list);
        UpdateWindow(header);
    });
    const int entry = window_record(number)->list_control_list.find_handle(list);
    report("paint_list_frame, normal", 500, [&] { paint_list_frame(number, entry, false, false); });
    report("paint_list_frame, hot", 500, [&] { paint_list_frame(number, entry, true, false); });
    const int header_entry = window_record(number)->header_list.find_handle(header);
    report("paint_header, two columns", 500, [&] { paint_header(number, header_entry); });
    report("header hover from one column to the other (two paints)", 250, [&] {
        SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
        SendMessageW(header, WM_MOUSEMOVE, 0, MAKELPARAM(200, 5));
    });
    report("measure_text_width of a column title", 1000,
           [&] { sink = static_cast<unsigned long>(measure_text_width("网址", "宋体", 12, 0)); });

    window_table.clear();
    DestroyWindow(window);
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    benchmark_lists(true);
    benchmark_lists(false);
    on_program_exit();
    return 0;
}
