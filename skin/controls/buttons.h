// Push buttons, check boxes and radio buttons of skinned windows. Push buttons become owner-drawn and are
// painted when their parent gets WM_DRAWITEM (draw_owner_button); check boxes and radio buttons are painted
// by button_proc itself, which serves every registered button.
#pragma once

#include "skin/controls/control_entries.h"
#include "text/text_types.h"

#include <windows.h>

namespace pantrove {

namespace gdiplus {
class Graphics;
}

// Owner-draw state bits the button painters read: the DRAWITEMSTRUCT's, plus ODS_HOTLIGHT for the pointer.
namespace button_state {
inline constexpr UINT pressed = ODS_SELECTED;  // 0x01
inline constexpr UINT disabled = ODS_DISABLED; // 0x04
inline constexpr UINT focused = ODS_FOCUS;     // 0x10
inline constexpr UINT hot = ODS_HOTLIGHT;      // 0x40
} // namespace button_state

// Button styles by the low bits of GWL_STYLE (the button type).
[[nodiscard]] constexpr bool is_owner_drawn_style(DWORD style) {
    return (style & 0xB) == 0xB;
}
// Types 0, 1 and 8: BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON.
[[nodiscard]] constexpr bool is_push_button_style(DWORD style) {
    return (style & 2) == 0 && (style & 4) == 0 && (style & 9) != 9;
}
// Types 2, 3 and 10 (10 is no type of its own); owner-drawn buttons are excluded by the caller.
[[nodiscard]] constexpr bool is_check_box_style(DWORD style) {
    return (style & 2) != 0 && (style & 4) == 0;
}
// Type 9, BS_AUTORADIOBUTTON.
[[nodiscard]] constexpr bool is_radio_button_style(DWORD style) {
    return (style & 2) == 0 && (style & 4) == 0 && (style & 9) == 9;
}

// Registers the push buttons among parent's direct children that are neither owner-drawn nor registered
// yet in window `window_number`, makes them owner-drawn and subclasses them with button_proc. Does nothing
// while skin_controls_enabled is 0.
void skin_push_buttons(int window_number, HWND parent);

// Registers the check boxes and automatic radio buttons among parent's direct children and subclasses them
// with button_proc. Does nothing while skin_controls_enabled is 0.
void skin_check_and_radio_buttons(int window_number, HWND parent);

// The window procedure of every registered button.
LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam);

// Redraws a registered button at once on its own DC in the given owner-draw state, hot or not.
void repaint_button(HWND button, UINT state, bool hot);

// Paints a registered push button into dc, the button's client area being rect (whose corner is (0, 0)).
// dc stays the caller's.
void paint_push_button(HWND button, HDC dc, UINT state, const RECT& rect);

// Paint a registered radio button or check box on the button itself, in its current check state.
void paint_radio_button(HWND button, UINT state);
void paint_check_box(HWND button, UINT state);

// The font a control draws with, as GDI+ sees it: face name, em size in pixels (truncated) and FontStyle
// bits. Empty face and size 0 when GDI+ cannot make a font of it.
struct ControlFont {
    TextValue face;
    int size = 0;
    int style = 0;
};
[[nodiscard]] ControlFont read_control_font(HWND control);

// The font a push button is drawn with: the one read, with "宋体" for an empty face and 12 for a size of 0.
[[nodiscard]] ControlFont push_button_font(ControlFont read);

// Draws a button's caption in the layout rectangle with the entry's font and the button's text colour
// ("Kj_Ztys", opaque): centred both ways, or left-aligned and centred vertically. Nothing without a usable
// font.
void draw_button_caption(gdiplus::Graphics& graphics, HWND button, const ButtonEntry& entry, float x, float y,
                         float width, float height, bool centred);

} // namespace pantrove
