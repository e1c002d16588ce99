// Process-wide state of the skin engine. Touched only on the window thread.
#pragma once

#include <windows.h>

#include <cstdint>

namespace pantrove {

inline ULONG_PTR gdiplus_token = 0;
inline HICON app_icon = nullptr;

inline int first_size_pending = 1;
inline int skin_controls_enabled = 1;
inline int control_alpha = 160;
inline COLORREF theme_colour = 0xDDCA22;
inline int trackbar_style = 1;
inline COLORREF back_colour = 0;

} // namespace pantrove
