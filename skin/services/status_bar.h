// Geometry of a skinned window's status bar, shared by SkinObject::add_status_bar and layout_status_bar
// (skin/core/skin_object.h). Rectangles are in client coordinates, right and bottom exclusive.
#pragma once

#include "skin/core/skinned_window.h"

#include <windows.h>

#include <span>
#include <vector>

namespace pantrove {

// The bar of the height along the bottom of the client area, margin pixels in from the left, right and bottom
// edges and one more pixel up from the bottom one.
[[nodiscard]] RECT status_bar_rect(const RECT& client, int margin, int height);

// The panes' rectangles side by side along the bar from its left end: fixed widths as given, and a pane of
// width -1 takes what the panes before it leave of the client width between the margins (never less than 0).
// Panes after the bar's right end run past it.
[[nodiscard]] std::vector<RECT> status_pane_rects(const RECT& bar, std::span<const int> widths, const RECT& client,
                                                  int margin);

} // namespace pantrove
