// Prints how long skinned edit boxes and combo boxes take to paint, in milliseconds per paint: every paint
// composes over the window image afresh. Run it from build/x86_64 under wine on an X display.
#include "app/startup.h"
#include "gdiplus/image.h"
#include "resources/embedded.h"
#include "skin/controls/child_controls.h"
#include "skin/controls/combos.h"
#include "skin/controls/edits.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"
#include "tests/benchmarks/benchmark_support.h"

#include <cstdio>

namespace {

using namespace pantrove;
using namespace pantrove::benchmarks;

HWND child(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style, int x, int y, int width, int height) {
    return CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           nullptr, nullptr, nullptr);
}

void add_items(HWND combo) {
    for (const wchar_t* item : {L".mp3", L".mp4", L".flv", L".rar"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
}

void benchmark_edits_and_combos() {
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 577, 344, nullptr, nullptr, nullptr, nullptr);
    HWND link = child(window, L"Edit", 0, WS_EX_CLIENTEDGE, 20, 20, 320, 24);
    HWND notes = child(window, L"Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, 20, 60, 320, 120);
    HWND list = child(window, L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 360, 20, 80, 200);
    HWND editable = child(window, L"ComboBox", CBS_DROPDOWN | WS_VSCROLL, 0, 360, 60, 80, 200);
    add_items(list);
    add_items(editable);
    auto record = std::make_unique<SkinnedWindow>();
    record->window = window;
    window_table.push_back(std::move(record));
    props::set_number(window, props::kOwnNumber, window_count());
    const int number = window_count();
    Image frame(577, 344);
    window_record(number)->background_dc = frame.dc;
    transparent_controls = 1;
    skin_child_controls(number, window);
    SkinnedWindow& skinned = *window_record(number);
    const int list_entry = skinned.combo_list.find_handle(list);
    const int editable_entry = skinned.combo_list.find_handle(editable);
    HWND inner = FindWindowExW(editable, nullptr, L"Edit", nullptr);

    report("paint_edit_frame 320x24, normal", 1000, [&] { paint_edit_frame(link, false, false); });
    report("paint_edit_frame 320x24, hot", 1000, [&] { paint_edit_frame(link, false, true); });
    report("paint_edit_frame 320x120 with both scroll bars", 1000, [&] { paint_edit_frame(notes, false, false); });
    report("WM_NCPAINT 320x120 with both scroll bars", 500, [&] { SendMessageW(notes, WM_NCPAINT, 1, 0); });
    Image target(320, 24);
    report("paint_edit_backdrop 316x20 into a DC", 1000, [&] { paint_edit_backdrop(link, target.dc, true); });
    report("hover in and out of an edit box (two frame paints)", 500, [&] {
        SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(link, WM_MOUSELEAVE, 0, 0);
    });
    report("paint_combo_box drop-down list, hot, with its text", 1000,
           [&] { paint_combo_box(number, list_entry, true); });
    report("paint_combo_box drop-down combo box, its edit's hole", 1000,
           [&] { paint_combo_box(number, editable_entry, false); });
    report("WM_CTLCOLOREDIT of a combo box's edit (brush made)", 1000, [&] {
        sink = static_cast<unsigned long>(SendMessageW(editable, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(target.dc),
                                                       reinterpret_cast<LPARAM>(inner)));
    });
    const ByteArray arrow = embedded_bytes(Picture::ArrowDown);
    report("decode the 7x4 arrow picture (kept decoded instead)", 1000, [&] {
        gdiplus::Bitmap bitmap;
        bitmap.load_from_bytes(arrow);
        sink = bitmap.pixel(0, 0);
    });

    DestroyWindow(window);
    window_table.clear();
}

} // namespace

int main() {
    create_skin();
    create_skin_lists();
    init_skin_globals();
    benchmark_edits_and_combos();
    on_program_exit();
    return 0;
}
