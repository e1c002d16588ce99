#include "skin/controls/child_controls.h"

#include "skin/controls/buttons.h"
#include "skin/controls/edits.h"

namespace pantrove {

void skin_child_controls(int window_number, HWND parent) {
    skin_push_buttons(window_number, parent);
    skin_check_and_radio_buttons(window_number, parent);
    skin_edits_and_combos(window_number, parent);
}

} // namespace pantrove
