#include "skin/controls/edit_colour.h"

#include "skin/core/background_dc.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/window_props.h"

namespace pantrove {

namespace {

void delete_held(HWND edit, const wchar_t* property) {
    if (HANDLE object = RemovePropW(edit, property)) {
        DeleteObject(object);
        gdi::count_released(1);
    }
}

} // namespace

LRESULT answer_edit_colour(HWND edit, HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(props::get_number(edit, props::kTextColour)));
    SetBkMode(dc, TRANSPARENT);
    free_edit_colour(edit);
    gdi::Bitmap backdrop = make_backdrop_bitmap(edit);
    gdi::Brush brush(backdrop ? CreatePatternBrush(backdrop.get()) : nullptr);
    if (!brush)
        return 0;
    props::set_handle(edit, props::kColourBitmap, backdrop.release());
    props::set_handle(edit, props::kColourBrush, brush.get());
    gdi::count_held(2);
    return reinterpret_cast<LRESULT>(brush.release());
}

void free_edit_colour(HWND edit) {
    delete_held(edit, props::kColourBrush);
    delete_held(edit, props::kColourBitmap);
}

} // namespace pantrove
