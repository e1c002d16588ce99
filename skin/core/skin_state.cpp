#include "skin/core/skin_state.h"

#include "skin/core/window_props.h"
#include "text/wide_text.h"

namespace pantrove {

int window_count() {
    return static_cast<int>(window_table.size());
}

SkinnedWindow* window_record(int number) {
    if (number < 1 || number > window_count())
        return nullptr;
    return window_table[static_cast<size_t>(number - 1)].get();
}

int find_window_number(HWND hwnd) {
    if (!hwnd)
        return 0;
    for (int number = 1; number <= window_count(); ++number) {
        if (window_table[static_cast<size_t>(number - 1)]->window == hwnd)
            return number;
    }
    return 0;
}

int find_window_record(HWND hwnd) {
    for (HWND parent = hwnd ? GetParent(hwnd) : nullptr; parent; parent = GetParent(parent)) {
        if (const int number = find_window_number(parent); number > 0)
            return number;
    }
    return 0;
}

int find_container_number(int window_number, HWND hwnd) {
    SkinnedWindow* record = window_record(window_number);
    return record ? record->container_list.find_handle(hwnd) : 0;
}

TextValue class_name_of(HWND hwnd) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(hwnd, name, 256);
    return narrow(std::wstring_view(name, length > 0 ? static_cast<size_t>(length) : 0));
}

namespace {

template <class Entry> void set_owner_number(ControlList<Entry>& list, const wchar_t* property, int number) {
    list.for_each([&](Entry& entry) {
        if (HWND control = handle_of(entry))
            props::set_number(control, property, number);
    });
}

void renumber(SkinnedWindow& record, int number) {
    props::set_number(record.window, props::kOwnNumber, number);
    set_owner_number(record.button_list, props::kWindowNumber, number);
    set_owner_number(record.edit_list, props::kWindowNumber, number);
    set_owner_number(record.list_control_list, props::kWindowNumber, number);
    set_owner_number(record.trackbar_list, props::kWindowNumber, number);
    set_owner_number(record.progress_list, props::kWindowNumber, number);
    set_owner_number(record.combo_list, props::kWindowNumber, number);
    set_owner_number(record.updown_list, props::kWindowNumber, number);
    set_owner_number(record.header_list, props::kWindowNumber, number);
    set_owner_number(record.container_list, props::kWindowNumber, number);
    set_owner_number(record.panel_list, props::kPanelWindowNumber, number);
}

} // namespace

void remove_window_record(int number) {
    if (number < 1 || number > window_count())
        return;
    window_table.erase(window_table.begin() + (number - 1));
    for (int i = number; i <= window_count(); ++i)
        renumber(*window_table[static_cast<size_t>(i - 1)], i);
}

void free_skin_lists() {
    window_table.clear();
    dc_registry.clear();
    skin_picture.clear();
}

} // namespace pantrove
