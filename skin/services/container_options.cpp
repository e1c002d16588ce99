#include "skin/controls/panels.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_props.h"

namespace pantrove {

void SkinObject::set_container_alpha(HWND container, int alpha) {
    SkinnedWindow* window = window_record(props::get_int(container, props::kWindowNumber));
    ContainerEntry* entry =
        window ? window->container_list.find(props::get_int(container, props::kOwnNumber)) : nullptr;
    // Skinned controls carry the same numbers: they name entries of their own families' lists.
    if (!entry || entry->hwnd != container || entry->fill_colour == 0)
        return;
    entry->fill_alpha = static_cast<BYTE>(alpha & 0xFF);
    InvalidateRect(container, nullptr, FALSE);
}

int SkinObject::skin_panel(HWND panel, std::optional<COLORREF> key_colour, COLORREF fill_colour, int fill_alpha) {
    const int number = find_window_record(panel);
    if (number < 1 || register_panel(number, panel, key_colour.value_or(GetSysColor(COLOR_BTNFACE))) == 0)
        return 0;
    if (!FindWindowExW(panel, nullptr, nullptr, nullptr))
        return 0;
    // The panel's controls join the window's lists while the panel keeps painting itself.
    return skin_container(panel, false, fill_colour, fill_alpha);
}

void SkinObject::set_control_text_colour(HWND control, COLORREF colour) {
    if (!control)
        return;
    HWND target = control;
    // A combo box with an edit box shows its text there; a drop-down list draws its text itself.
    if (class_name_of(control) == "ComboBox") {
        if (HWND edit = FindWindowExW(control, nullptr, L"Edit", nullptr))
            target = edit;
    }
    props::set_number(target, props::kTextColour, static_cast<INT_PTR>(colour));
}

} // namespace pantrove
