#include "skin/controls/buttons.h"
#include "skin/controls/control_registry.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "text/wide_text.h"

namespace pantrove {

namespace {

// The button's entry in its window's button_list, taken (and given the button's font) when the button has
// none yet; `registered` tells which. Null for a button outside every skinned window.
struct ButtonRegistration {
    ButtonEntry* entry = nullptr;
    int window_number = 0;
    int entry_number = 0;
    bool registered = false;
};

ButtonRegistration find_or_take_entry(HWND button) {
    const int number = IsWindow(button) ? find_window_record(button) : 0;
    SkinnedWindow* window = window_record(number);
    if (!window)
        return {};
    if (const int found = window->button_list.find_handle(button); found > 0)
        return {&window->button_list[found], number, found, true};
    const int taken = window->button_list.take();
    ButtonEntry& entry = window->button_list[taken];
    entry.handle = button;
    const ControlFont font = push_button_font(read_control_font(button));
    entry.font_face = font.face;
    entry.font_size = font.size;
    entry.font_style = font.style;
    entry.caption = window_text(button);
    return {&entry, number, taken, false};
}

// Tooltip, owner-drawn style and subclassing; the button repaints in its new look.
int finish_registration(HWND button, const ButtonRegistration& registration, std::string_view tooltip) {
    ButtonEntry& entry = *registration.entry;
    if (!tooltip.empty()) {
        if (entry.tooltip.window()) {
            entry.tooltip.set_tool_text(1, tooltip);
        } else {
            RECT client{};
            GetClientRect(button, &client);
            if (entry.tooltip.create(button))
                entry.tooltip.add_tool(client, tooltip, 1);
        }
    }
    SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_OWNERDRAW);
    // A button skinned already keeps its one subclass layer: a second would pass every message on to itself.
    if (!registration.registered && !is_subclassed_with(button, button_proc))
        entry.previous_proc =
            subclass_control(button, registration.window_number, registration.entry_number, button_proc);
    InvalidateRect(button, nullptr, FALSE);
    return 1;
}

} // namespace

int SkinObject::skin_picture_button(HWND button, const ByteArray& picture, bool picture_beside_caption,
                                    std::string_view tooltip) {
    const ButtonRegistration registration = find_or_take_entry(button);
    if (!registration.entry)
        return 0;
    ButtonEntry& entry = *registration.entry;
    entry.kind = ButtonKind::picture;
    entry.normal_picture = picture;
    entry.picture_beside_caption = picture_beside_caption;
    entry.caption = window_text(button);
    return finish_registration(button, registration, tooltip);
}

int SkinObject::skin_state_button(HWND button, const ByteArray& normal, const ByteArray& hover,
                                  const ByteArray& pressed, const ByteArray& disabled, std::string_view tooltip) {
    const ButtonRegistration registration = find_or_take_entry(button);
    if (!registration.entry)
        return 0;
    ButtonEntry& entry = *registration.entry;
    entry.kind = ButtonKind::state;
    entry.normal_picture = normal;
    entry.hover_picture = hover;
    entry.pressed_picture = pressed;
    entry.disabled_picture = disabled;
    return finish_registration(button, registration, tooltip);
}

} // namespace pantrove
