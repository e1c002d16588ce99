#include "skin/controls/child_controls.h"

#include "skin/controls/buttons.h"
#include "skin/controls/edits.h"
#include "skin/controls/header_controls.h"
#include "skin/controls/list_controls.h"
#include "skin/controls/progress_bars.h"
#include "skin/controls/trackbars.h"
#include "skin/controls/up_downs.h"

namespace pantrove {

void skin_child_controls(int window_number, HWND parent) {
    skin_push_buttons(window_number, parent);
    skin_check_and_radio_buttons(window_number, parent);
    skin_edits_and_combos(window_number, parent);
    skin_trackbars(window_number, parent);
    skin_progress_bars(window_number, parent);
    skin_list_controls(window_number, parent);
    skin_up_downs(window_number, parent);
    skin_headers(window_number, parent);
}

} // namespace pantrove
