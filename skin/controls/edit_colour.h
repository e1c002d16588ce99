// The pattern brush behind an edit box's text when transparent_controls is set, and the bitmap under it. The
// edit box's "Kj_dxjb" and "Kj_wtjb" properties hold them from one WM_CTLCOLOREDIT answer to the next; they count
// as held GDI objects until given back.
#pragma once

#include <windows.h>

namespace pantrove {

// Text colour "Kj_Ztys" and a transparent background on dc, and a new pattern brush of the edit box's backdrop
// (its part of the window's picture under the white veil), the earlier brush and bitmap given back first. 0 when
// no backdrop can be made: the caller then lets the message through.
[[nodiscard]] LRESULT answer_edit_colour(HWND edit, HDC dc);

// Gives back the brush and bitmap the edit box holds and removes them from its properties, so that nothing frees
// them twice.
void free_edit_colour(HWND edit);

} // namespace pantrove
