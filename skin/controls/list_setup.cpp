#include "skin/controls/list_controls.h"

#include "skin/controls/composition.h"
#include "skin/controls/control_geometry.h"
#include "skin/controls/control_registry.h"

#include <commctrl.h>

namespace pantrove {

namespace {

void register_list_control(SkinnedWindow& window, int window_number, HWND control, ListControlKind kind) {
    // A second subclassing would make list_control_proc pass every message on to itself.
    if (is_subclassed_with(control, list_control_proc))
        return;
    const int number = register_control(window_number, window.list_control_list, control, list_control_proc);
    window.list_control_list[number].kind = kind;
}

} // namespace

void skin_list_controls(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    const auto take = [&](HWND control, ListControlKind kind) {
        register_list_control(*window, window_number, control, kind);
    };
    for_each_child(parent, WC_LISTBOXW, [&](HWND list) { take(list, ListControlKind::list_box); });
    for_each_child(parent, WC_COMBOBOXW, [&](HWND combo) {
        HWND list = FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
        if (list && (style_of(list) & LBS_OWNERDRAWFIXED) == 0)
            take(list, ListControlKind::combo_list);
    });
    for_each_child(parent, WC_LISTVIEWW, [&](HWND list) {
        if (style_of(list) & LVS_SORTASCENDING)
            return;
        if (transparent_controls)
            SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        take(list, ListControlKind::list_view);
    });
    for_each_child(parent, WC_TREEVIEWW, [&](HWND tree) {
        // Only the tree's items leave pixels of another colour than the key in its own painting.
        if (transparent_controls)
            SendMessageW(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kColourKey));
        take(tree, ListControlKind::tree_view);
    });
    for_each_child(parent, WC_IPADDRESSW, [&](HWND control) { take(control, ListControlKind::ip_address); });
    for_each_child(parent, DATETIMEPICK_CLASSW, [&](HWND control) { take(control, ListControlKind::date_time); });
}

} // namespace pantrove
