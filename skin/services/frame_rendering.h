// The composed image of a skinned window: what the window procedure and the caption and title-button painters
// share besides the SkinObject operations (paint_window, present_window, restore_caption_rect...).
#pragma once

#include "skin/core/skinned_window.h"

#include <windows.h>

namespace pantrove {

// Gives back everything a window's renders keep: background_dc with its composed bitmap (the DC's first
// bitmap selected back, the properties "Ck_Ycjdx" and "Ck_wtjbdx" removed) and the saved caption and status
// backgrounds. The record's handles are zero afterwards, so a second call does nothing.
void free_frame_images(SkinnedWindow& record);

} // namespace pantrove
