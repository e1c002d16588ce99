// How a control family takes its controls over: finding a parent's direct children by class, registering
// each in the family's list of the owning skinned window, subclassing it, finding its entry again from its
// window properties, and passing on what a family procedure does not consume.
#pragma once

#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

#include <windows.h>

namespace pantrove {

// Calls visit(child) for every direct child of parent whose class is window_class (any class when null),
// in z order. Grandchildren are not visited; nothing is for a null parent.
template <class Visit> void for_each_child(HWND parent, const wchar_t* window_class, Visit visit) {
    if (!parent)
        return;
    for (HWND child = FindWindowExW(parent, nullptr, window_class, nullptr); child;
         child = FindWindowExW(parent, child, window_class, nullptr))
        visit(child);
}

// Whether the control's window procedure is `procedure` now: subclassing it with the same procedure again
// would make that procedure pass every message on to itself.
[[nodiscard]] bool is_subclassed_with(HWND control, WNDPROC procedure);

// Gives the control its numbers ("Hw_FuID" the owning window's, "Hw_lbID" its entry's), replaces its window
// procedure and keeps the one replaced in "Hw_hProc". Returns the replaced procedure.
WNDPROC subclass_control(HWND control, int window_number, int entry_number, WNDPROC procedure);

// Takes an entry of the family's list for the control and subclasses it with the family's procedure.
// Returns the entry's number.
template <class Entry>
int register_control(int window_number, ControlList<Entry>& list, HWND control, WNDPROC procedure) {
    const int number = list.take();
    Entry& entry = list[number];
    entry.handle = control;
    entry.previous_proc = subclass_control(control, window_number, number, procedure);
    return number;
}

// A registered control as its family procedure finds it: the owning window's record and the control's entry.
template <class Entry> struct RegisteredControl {
    SkinnedWindow* window = nullptr;
    Entry* entry = nullptr;
    int number = 0; // the entry's number in its list

    explicit operator bool() const { return entry != nullptr; }
};

// The record and entry that the control's "Hw_FuID" and "Hw_lbID" name in the family's list; empty when the
// numbers are out of range or the entry holds another control.
template <class Entry> RegisteredControl<Entry> find_registered(HWND control, ControlList<Entry> SkinnedWindow::*list) {
    SkinnedWindow* window = window_record(props::get_int(control, props::kWindowNumber));
    if (!window)
        return {};
    const int number = props::get_int(control, props::kOwnNumber);
    Entry* entry = (window->*list).find(number);
    if (!entry || entry->handle != control)
        return {};
    return {window, entry, number};
}

// The control's text colour ("Kj_Ztys"); black when it has none.
[[nodiscard]] COLORREF text_colour_of(HWND control);

// Passes a message on to the procedure kept in the control's "Hw_hProc" (the default procedure when there is
// none) and returns its result.
LRESULT forward_message(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

} // namespace pantrove
