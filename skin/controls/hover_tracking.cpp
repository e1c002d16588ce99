#include "skin/controls/hover_tracking.h"

namespace pantrove {

bool hover_moved(SkinnedWindow& window, HWND control, int number, int family, std::optional<HWND> parent) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, HOVER_DEFAULT};
    TrackMouseEvent(&track);
    window.pointer_id = number;
    return window.hover_id != window.pointer_id || window.hover_family != family ||
           (parent && window.hover_parent != *parent);
}

void hover_drawn(SkinnedWindow& window, int family, HWND parent) {
    window.hover_id = window.pointer_id;
    window.hover_family = family;
    if (parent)
        window.hover_parent = parent;
}

void hover_cleared(SkinnedWindow& window) {
    window.hover_id = 0;
}

} // namespace pantrove
