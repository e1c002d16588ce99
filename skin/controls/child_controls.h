// The one place where a skinned window's child controls are handed to their families.
#pragma once

#include <windows.h>

namespace pantrove {

// Skins parent's direct children, parent being the window of record `window_number` or a container inside
// it: each control family's setup routine runs over them, always in the same order. Does nothing while
// skin_controls_enabled is 0.
void skin_child_controls(int window_number, HWND parent);

} // namespace pantrove
