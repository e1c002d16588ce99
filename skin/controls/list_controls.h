// List boxes, the lists of combo boxes, list views, tree views, IP address and date-time controls of skinned
// windows. Their frame is the skin's ring with an outline by state; the scroll bars stay the system's. With
// transparent_controls set, list boxes, list views and tree views draw their items over the window's picture
// under a white veil, and IP address and date-time controls get that veil as their background.
#pragma once

#include "skin/controls/control_entries.h"
#include "skin/controls/control_geometry.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/window_dc.h"

#include <windows.h>

#include <optional>

namespace pantrove {

// Sent to a list control and its ancestors for every keyboard message the message loop takes from the queue
// (preprocess_list_key): while an arrow key is held, a transparent list repaints itself whole.
inline constexpr UINT kListKeyMessage = 0x8002;

// Registers, in this order, parent's direct children of the classes "ListBox", "ComboLBox" (the first list of
// each "ComboBox" child, unless owner-drawn), "SysListView32" (unless LVS_SORTASCENDING), "SysTreeView32",
// "SysIPAddress32" and "SysDateTimePick32", and subclasses them with list_control_proc. With
// transparent_controls set, list views get no text background and tree views the colour key as background.
// Does nothing while skin_controls_enabled is 0; a control subclassed already is left as it is.
void skin_list_controls(int window_number, HWND parent);

// The window procedure of every registered list control.
LRESULT CALLBACK list_control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the frame ring of a registered list control in its states (those not given are the entry's).
// Lists of combo boxes and controls without border keep the system's frame.
void paint_list_frame(int window_number, int entry_number, std::optional<bool> hot = std::nullopt,
                      std::optional<bool> focused = std::nullopt);

// The message loop calls this for every message it takes from the queue, before dispatching it: keyboard
// messages are announced to the list controls among the target window and its ancestors.
void preprocess_list_key(const MSG& message);

// A memory DC of the control's client area (client_rect_in_window) holding the window's picture behind it
// under a white veil of control_alpha; the caller gives it back with free_background_dc. Null when the
// control lies outside every skinned window.
[[nodiscard]] HDC make_backdrop_dc(HWND control);

// A DC of make_backdrop_dc, given back on destruction.
class Backdrop {
public:
    explicit Backdrop(HWND control) : dc_(make_backdrop_dc(control)) {}
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;
    ~Backdrop();
    [[nodiscard]] HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// Leaves out of dc's clip region every visible direct child of window that lacks WS_EX_TRANSPARENT.
void exclude_visible_children(HWND window, HDC dc);

// The window's client DC (GetDC) with its visible children left out as exclude_visible_children does;
// released on destruction.
class ChildFreeDc {
public:
    explicit ChildFreeDc(HWND window);
    [[nodiscard]] HDC get() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

private:
    WindowDc dc_;
};

// Invalidates (with erase) every visible direct child of window.
void invalidate_visible_children(HWND window);

} // namespace pantrove
