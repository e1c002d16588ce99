// Answers to WM_CTLCOLOR* for controls drawn over a skinned window's composed image. The brush of a control's
// last answer, and the bitmap behind a pattern brush, are kept until its next answer replaces them or the
// skinned window that answered is released, whether the control still exists then or not. The control's
// "Kj_dxjb" and "Kj_wtjb" properties show them meanwhile; they count as held GDI objects.
#pragma once

#include <windows.h>

namespace pantrove {

// Text colour "Kj_Ztys" and a transparent background on dc, and a pattern brush of the control's backdrop
// (its part of the composed image under the white veil). 0, with the control's earlier objects given back,
// when no backdrop can be made (the window has not been rendered yet): the caller then lets the message through.
[[nodiscard]] LRESULT answer_picture_brush(HWND owner, HWND control, HDC dc);

// Text colour and transparent background as above, and the hollow stock brush.
[[nodiscard]] LRESULT answer_hollow_brush(HWND owner, HWND control, HDC dc);

// Gives back the objects of every control that `owner` answered.
void free_colour_objects(HWND owner);

// Gives back the objects of one control, which is being destroyed, and removes them from its properties.
void free_colour_objects_of(HWND control);

} // namespace pantrove
