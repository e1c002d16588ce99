#include "skin/controls/combos.h"
#include "skin/controls/control_registry.h"
#include "skin/controls/edits.h"

#include <string>

namespace pantrove {

namespace {

// Edit boxes draw their text in black unless told otherwise.
void register_edit(int window_number, SkinnedWindow& window, HWND edit) {
    register_control(window_number, window.edit_list, edit, edit_proc);
    props::set_number(edit, props::kTextColour, 0);
}

// The box shows the selected item, whatever text the application put there.
void show_selection(HWND combo) {
    const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (selected < 0)
        return;
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length < 0)
        return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

} // namespace

int find_edit_entry(int window_number, HWND edit) {
    const SkinnedWindow* window = window_record(window_number);
    return window ? window->edit_list.find_handle(edit) : 0;
}

void skin_edits_and_combos(int window_number, HWND parent) {
    SkinnedWindow* window = window_record(window_number);
    if (!skin_controls_enabled || !window)
        return;
    // A control subclassed twice would pass every message on to its own procedure, for ever.
    for_each_child(parent, L"Edit", [&](HWND edit) {
        if (find_edit_entry(window_number, edit) == 0 && !is_subclassed_with(edit, edit_proc))
            register_edit(window_number, *window, edit);
    });
    for_each_child(parent, L"ComboBox", [&](HWND combo) {
        if (window->combo_list.find_handle(combo) != 0 || is_subclassed_with(combo, combo_proc))
            return;
        show_selection(combo);
        register_control(window_number, window->combo_list, combo, combo_proc);
        HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
        if (edit && transparent_controls && !is_subclassed_with(edit, edit_proc))
            register_edit(window_number, *window, edit);
    });
}

} // namespace pantrove
