#include "skin/controls/control_registry.h"

namespace pantrove {

bool is_subclassed_with(HWND control, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC)) == procedure;
}

WNDPROC subclass_control(HWND control, int window_number, int entry_number, WNDPROC procedure) {
    props::set_number(control, props::kOwnNumber, entry_number);
    props::set_number(control, props::kWindowNumber, window_number);
    const auto previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    props::set_proc(control, props::kPreviousProc, previous);
    return previous;
}

COLORREF text_colour_of(HWND control) {
    return static_cast<COLORREF>(props::get_number(control, props::kTextColour));
}

LRESULT forward_message(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
    if (WNDPROC previous = props::get_proc(control, props::kPreviousProc))
        return CallWindowProcW(previous, control, message, wparam, lparam);
    return DefWindowProcW(control, message, wparam, lparam);
}

} // namespace pantrove
