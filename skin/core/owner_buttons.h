// Owner-drawn buttons of skinned windows: the parent's WM_DRAWITEM hands them here, and each is composed over
// the window image behind it by the painter of its kind.
#pragma once

#include <windows.h>

namespace pantrove {

// Paints the registered button of item (a push, picture or state button of skinned window `number`) into
// item.hDC in item.itemState. Anything else is left alone: items that are no buttons, buttons without an
// entry, and radio buttons and check boxes, which paint themselves.
void draw_owner_button(int number, const DRAWITEMSTRUCT& item);

// Paint a registered picture or state button into dc, the button's client area being rect. The owner-draw
// state may carry ODS_HOTLIGHT for the pointer. dc stays the caller's.
void paint_picture_button(HWND button, HDC dc, UINT state, const RECT& rect);
void paint_state_button(HWND button, HDC dc, UINT state, const RECT& rect);

} // namespace pantrove
