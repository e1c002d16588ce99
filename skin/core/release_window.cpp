#include "skin/core/colour_answers.h"
#include "skin/core/skin_object.h"
#include "skin/core/skin_state.h"
#include "skin/services/frame_rendering.h"

namespace pantrove {

void SkinObject::release_window(HWND window) {
    for (int number = find_window_number(window); number > 0; number = find_window_number(window)) {
        // Every control the window answered holds a brush and bitmap, not only its edits, and its children
        // are destroyed by now: the objects are given back from the skin's own list.
        free_colour_objects(window);
        free_frame_images(*window_record(number));
        remove_window_record(number);
    }
}

} // namespace pantrove
