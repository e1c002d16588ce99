#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"

namespace pantrove {

void SkinObject::run_title_button(int number, int button) {
    SkinnedWindow* record = window_record(number);
    if (!record || button < 1 || button > record->title_button_count())
        return;
    HWND window = record->window;
    // A routine may change the strip or close the window: it runs from a copy, and nothing of the record is
    // touched after it or after a system command.
    std::function<void()> routine;
    switch (record->title_button(button).kind) {
    case 0:
        SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    case 1: {
        record->needs_render = true;
        record->minimized = false;
        const bool restore = record->maximized;
        record->maximized = !restore;
        SendMessageW(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
        return;
    }
    case 2:
        record->minimized = true;
        SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        return;
    case 3:
        routine = record->menu_routine;
        break;
    case 4:
        routine = record->help_routine;
        break;
    case 5:
        routine = record->title_button(button).command;
        break;
    }
    if (routine)
        routine();
}

} // namespace pantrove
