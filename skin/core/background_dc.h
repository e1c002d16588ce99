// The pieces of a skinned window's composed image that controls paint over: a memory DC holding the part of
// the image behind a rectangle, and bitmaps made from it. Every DC handed out here stays in dc_registry until
// free_background_dc gives it back.
#pragma once

#include "skin/core/gdi_objects.h"

#include <windows.h>

namespace pantrove {

// A memory DC of r's size holding the part of the owning skinned window's composed image behind r (in hwnd's
// window coordinates); tinted with the container's colour when hwnd is a coloured container. hwnd is the
// skinned window itself or lies inside one. Null when it does not, or when r is empty.
[[nodiscard]] HDC make_background_dc(HWND hwnd, const RECT& r);

// Gives back a DC of make_background_dc: its first object is selected back, its bitmap and the DC deleted.
// False, doing nothing, for a null DC or one that is not registered, so freeing twice is harmless.
bool free_background_dc(HDC dc);

// The control's client area over its background, veiled in white at control_alpha. Empty when the control
// lies outside any skinned window.
[[nodiscard]] gdi::Bitmap make_backdrop_bitmap(HWND hwnd);

// A bitmap compatible with dc holding its top-left width × height; dc is then given back with
// free_background_dc. Empty for a null DC.
[[nodiscard]] gdi::Bitmap copy_dc_to_bitmap(HDC dc, int width, int height);

// Registers a memory DC with the bitmap selected into it and the object that bitmap replaced, which the
// registry then owns; for a DC already registered it updates the bitmap and the replaced object.
void register_memory_dc(HDC dc, HBITMAP bitmap, HGDIOBJ replaced);

} // namespace pantrove
