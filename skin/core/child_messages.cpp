#include "skin/core/child_messages.h"

#include "skin/core/colour_answers.h"
#include "skin/core/drawing.h"
#include "skin/core/owner_buttons.h"
#include "skin/core/skin_state.h"

#include <commctrl.h>

namespace pantrove {
namespace {

bool has_class(HWND window, std::string_view name) {
    return window && class_name_of(window) == name;
}

bool transparent_children() {
    return skin_controls_enabled && transparent_controls;
}

std::optional<LRESULT> colour_answer(HWND owner, UINT message, HWND control, HDC dc) {
    switch (message) {
    case WM_CTLCOLOREDIT:
        // The edit of a combo box is the combo box's to colour.
        if (has_class(GetParent(control), "ComboBox") || !transparent_children())
            return std::nullopt;
        break;
    case WM_CTLCOLORSTATIC:
        if (!transparent_children())
            return std::nullopt;
        break;
    case WM_CTLCOLORLISTBOX:
        if (!transparent_children() || !has_class(control, "ListBox") || is_owner_draw_list_box(control))
            return std::nullopt;
        return answer_hollow_brush(owner, control, dc);
    case WM_CTLCOLORBTN:
        if (!transparent_children())
            return std::nullopt;
        return answer_hollow_brush(owner, control, dc);
    default:
        return std::nullopt;
    }
    const LRESULT brush = answer_picture_brush(owner, control, dc);
    if (!brush)
        return std::nullopt;
    return brush;
}

// Transparent edits, list boxes and combo boxes leave stale pixels of the window's image when they scroll or
// change: they are repainted whole.
void on_command(WPARAM wparam, LPARAM lparam) {
    HWND control = reinterpret_cast<HWND>(lparam);
    if (!control || !transparent_children())
        return;
    const WORD code = HIWORD(wparam);
    const TextValue name = class_name_of(control);
    bool invalidate = false;
    if (name == "Edit")
        invalidate = code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
    else if (name == "ListBox")
        invalidate = code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    else if (name == "ComboBox")
        invalidate = code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    if (invalidate)
        InvalidateRect(control, nullptr, TRUE);
}

void on_notify(LPARAM lparam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lparam);
    if (!header)
        return;
    // Tree views of this Unicode window send the W codes; ANSI ones the A codes.
    switch (header->code) {
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDINGW:
        InvalidateRect(header->hwndFrom, nullptr, TRUE);
        break;
    }
}

} // namespace

std::optional<LRESULT> answer_child_message(int number, UINT message, WPARAM wparam, LPARAM lparam) {
    const SkinnedWindow* record = window_record(number);
    if (!record)
        return std::nullopt;
    switch (message) {
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        draw_owner_button(number, item);
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return colour_answer(record->window, message, reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_COMMAND:
        on_command(wparam, lparam);
        break;
    case WM_NOTIFY:
        on_notify(lparam);
        break;
    }
    return std::nullopt;
}

} // namespace pantrove
