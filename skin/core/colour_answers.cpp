#include "skin/core/colour_answers.h"

#include "skin/core/background_dc.h"
#include "skin/core/gdi_objects.h"
#include "skin/core/window_props.h"

#include <algorithm>
#include <vector>

namespace pantrove {
namespace {

// The objects of one answered control. They are kept here rather than only in its properties: a control
// destroyed before its window takes its properties along, and its objects would be lost.
struct Answered {
    HWND owner = nullptr;
    HWND control = nullptr;
    HGDIOBJ brush = nullptr; // the stock hollow brush is neither deleted nor counted
    HGDIOBJ bitmap = nullptr;
};

std::vector<Answered> answered; // window thread only

bool owned(HGDIOBJ object) {
    return object && object != GetStockObject(NULL_BRUSH);
}

void delete_object(HGDIOBJ& object) {
    if (owned(object)) {
        DeleteObject(object);
        gdi::count_released(1);
    }
    object = nullptr;
}

Answered& entry_of(HWND owner, HWND control) {
    const auto found =
        std::find_if(answered.begin(), answered.end(), [&](const Answered& entry) { return entry.control == control; });
    if (found != answered.end()) {
        found->owner = owner;
        return *found;
    }
    answered.push_back({owner, control});
    return answered.back();
}

void show_in_properties(const Answered& entry) {
    props::set_handle(entry.control, props::kColourBrush, entry.brush);
    props::set_handle(entry.control, props::kColourBitmap, entry.bitmap);
}

void prepare_dc(HWND control, HDC dc) {
    SetTextColor(dc, static_cast<COLORREF>(props::get_number(control, props::kTextColour)));
    SetBkMode(dc, TRANSPARENT);
}

} // namespace

LRESULT answer_picture_brush(HWND owner, HWND control, HDC dc) {
    prepare_dc(control, dc);
    Answered& entry = entry_of(owner, control);
    delete_object(entry.brush);
    delete_object(entry.bitmap);
    gdi::Bitmap backdrop = make_backdrop_bitmap(control);
    gdi::Brush brush(backdrop ? CreatePatternBrush(backdrop.get()) : nullptr);
    if (brush) {
        entry.bitmap = backdrop.release();
        entry.brush = brush.release();
        gdi::count_held(2);
    }
    show_in_properties(entry);
    return reinterpret_cast<LRESULT>(entry.brush);
}

LRESULT answer_hollow_brush(HWND owner, HWND control, HDC dc) {
    prepare_dc(control, dc);
    Answered& entry = entry_of(owner, control);
    delete_object(entry.brush);
    entry.brush = GetStockObject(NULL_BRUSH);
    show_in_properties(entry);
    return reinterpret_cast<LRESULT>(entry.brush);
}

namespace {

template <class Predicate> void free_answered(Predicate matches) {
    for (Answered& entry : answered) {
        if (!matches(entry))
            continue;
        delete_object(entry.brush);
        delete_object(entry.bitmap);
        if (IsWindow(entry.control)) {
            RemovePropW(entry.control, props::kColourBrush);
            RemovePropW(entry.control, props::kColourBitmap);
        }
    }
    std::erase_if(answered, matches);
}

} // namespace

void free_colour_objects(HWND owner) {
    free_answered([owner](const Answered& entry) { return entry.owner == owner; });
}

void free_colour_objects_of(HWND control) {
    free_answered([control](const Answered& entry) { return entry.control == control; });
}

} // namespace pantrove
