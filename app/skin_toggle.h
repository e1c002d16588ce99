// Skinning MainWindow over one of the two background pictures the program carries, and switching between them.
#pragma once

#include "text/text_types.h"

#include <windows.h>

#include <string_view>

namespace pantrove {

// Hands the picture and the window's skin options to the skin: the picture stretched over the client area with
// the body colour `back` and the accent `theme`, translucent controls veiled at `control_alpha`, then the
// window skinned (once: later calls only change the picture).
void skin_main_window(const ByteArray& picture, COLORREF back, COLORREF theme, HWND window, int control_alpha,
                      int caption_height, bool help_button, bool menu_button, bool show_caption);

// The caption of skin_button, which alone tells which picture is showing.
inline constexpr std::string_view kSkinButtonSmall = "换肤"; // the small picture, the one at start
inline constexpr std::string_view kSkinButtonWide = "换肤 "; // the wide picture

} // namespace pantrove
